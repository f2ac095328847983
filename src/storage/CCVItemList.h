#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/CCVItem.h"
#include "storage/RecordKey.h"

class RecordArchive;

// Base of every stored list of records.
//
// Records are kept in list order with every record flagged deleted standing after all others
// (the deleted tail); deletedCount is their number. The records are held in an array, so
// positioned access (GetAt) is constant time and bisection over a list is cheap.
//
// Ownership: when ownsRecords is set (the default) the list owns its records and destroys them
// when cleared or destroyed; a borrowing list (SetBorrowing) only refers to records another list
// owns.
//
// Stored form (the list file framing, the same in both directions; some lists add a trailer):
//   count      uint16    records including deleted ones; a file of an empty list ends here
//   header     uint16    0xFFFF
//   version    uint16    per list class
//   L          uint16    length of the list name
//   name       L bytes   the record class name, no terminator
//   record     the first record's stored form
//   (01 80 record)...    every further record preceded by the separator 01 80
// A list of more than 65535 records stores the count's low 16 bits; loading then reads on while
// whole further blocks of 65536 separated records follow, so such a list survives a reload.
class CCVItemList {
public:
    static constexpr std::uint16_t kHeaderWord = 0xFFFF;
    static constexpr std::size_t kListNameSize = 255;
    static constexpr std::uint8_t kSeparator[2] = {0x01, 0x80};

    enum FileMode { kModeSave = 0, kModeLoad = 1 };

    CCVItemList(std::string_view listName, std::uint16_t listVersion);
    virtual ~CCVItemList();
    CCVItemList(const CCVItemList&) = delete;
    CCVItemList& operator=(const CCVItemList&) = delete;

    // Fills an empty list with its built-in records: 0, or 1 when memory runs out. The base has
    // none and answers 0.
    virtual int CreateDefaults();

    // Moves the list in the archive's direction with the framing above; lists with a trailer
    // call this first. Load: 0 when the records were read whole, else 1 with the records before
    // the damage kept (a damaged header keeps the list unchanged).
    virtual int Serialize(RecordArchive& ar);

    // Walks the list through the cursor. Without includeDeleted the walk ends (null; Next also
    // clears the cursor) at the first deleted record.
    CCVItem* First(bool includeDeleted = false);
    CCVItem* Next(bool includeDeleted = false);

    // Record at an index among the records not deleted, or null out of range.
    CCVItem* GetAt(std::int64_t index) const;
    // Record at an index among all records, or null out of range.
    CCVItem* GetAtAny(std::int64_t index) const;

    std::uint32_t Count(bool includeDeleted = false) const;
    std::uint32_t DeletedCount() const { return m_deletedCount; }

    // Position of the record (among the records not deleted unless includeDeleted), or -1.
    std::int64_t IndexOf(const CCVItem* record, bool includeDeleted = false) const;

    // New record at the head; the cursor moves to it. 1 for a null record, else 0.
    int PushFront(CCVItem* record);

    // Inserts in front of the deleted tail (a record flagged deleted becomes the tail's first).
    // 1 for a null record, else 0.
    int Append(CCVItem* record);

    // index <= 0 puts the record at the head, otherwise after the record at index - 1 counted over
    // all records (kept in front of the deleted tail for a record not deleted). Returns -1 for a
    // null record or for index > 0 on an empty list; otherwise the new count (index > 0) or the
    // number of records not deleted (index <= 0).
    std::int64_t InsertAt(std::int64_t index, CCVItem* record);

    // Inserts in front of the first record not deleted whose name is greater than or equal to the
    // record's name, ASCII case ignored; after the last of them when none is. 1 for null, else 0.
    int InsertSorted(CCVItem* record);

    // Unlinks the record without destroying it. 1 for a null record or an empty list, else 0
    // (also when the record is not in the list).
    int Remove(CCVItem* record);

    // With really set, flags the record deleted and modified and moves it to the front of the
    // deleted tail. 1 for a null record, else 0.
    int MarkDeleted(CCVItem* record, bool really = true);

    // Empties the list, destroying the records when destroyRecords is set and the list owns
    // them. 1 when the list was already empty, else 0.
    int Clear(bool freeNodes = true, bool destroyRecords = true);

    // First record not deleted whose name equals the text, ASCII case ignored; or null.
    CCVItem* FindByName(const char* name) const;

    // Position among the records not deleted of the first with this key, or -1.
    std::int64_t IndexOfKey(const RecordKey& key) const;
    CCVItem* FindByKey(const RecordKey& key) const;

    void SetBorrowing() { m_ownsRecords = false; }
    bool OwnsRecords() const { return m_ownsRecords; }

    // Load (kModeLoad): a missing file is first written with the defaults; then the file is read.
    // Returns 0 when it was read whole, 1 when it could not be read or was damaged (the records
    // before the damage are kept). Save (kModeSave): rewrites the whole file atomically; 0, or 1
    // when it could not be written (the old file is then unchanged).
    int LoadFile(const std::string& fileName, int mode = kModeLoad);
    int SaveFile(const std::string& fileName);
    // The bytes SaveFile would write, into `bytes`; 0, or 1 when the list could not be stored.
    int SaveToBytes(std::vector<std::uint8_t>& bytes);

    // Counts every insertion, removal and move of a record and every emptying, so the owner of a
    // file can tell whether the list's order or membership changed since the file was written.
    std::uint64_t EditCount() const { return m_editCount; }

    std::uint16_t HeaderWord() const { return m_headerWord; }
    std::uint16_t ListVersion() const { return m_listVersion; }
    std::uint16_t StoredCount() const { return m_storedCount; }
    const char* ListName() const { return m_listName; }

protected:
    // A new, empty record of the list's record class for loading.
    virtual std::unique_ptr<CCVItem> NewRecord() const = 0;

private:
    static constexpr std::int64_t kNoCursor = -1;
    static constexpr std::int64_t kBeforeHead = -2;

    int SerializeHeader(RecordArchive& ar);
    int LoadRecords(RecordArchive& ar);
    int SaveRecords(RecordArchive& ar);
    int ReadRecord(RecordArchive& ar, bool separated, std::unique_ptr<CCVItem>& record);
    std::uint32_t LiveCount() const {
        return static_cast<std::uint32_t>(m_records.size()) - m_deletedCount;
    }
    void InsertNode(std::size_t position, CCVItem* record);
    void EraseNode(std::size_t position);
    std::int64_t FindNode(const CCVItem* record) const;

    std::vector<CCVItem*> m_records;
    std::uint32_t m_deletedCount = 0;
    std::int64_t m_cursor = kNoCursor;
    std::uint16_t m_headerWord = kHeaderWord;
    std::uint16_t m_listVersion;
    std::uint16_t m_storedCount = 0;
    char m_listName[kListNameSize] = {};
    bool m_ownsRecords = true;
    std::uint64_t m_editCount = 0;
};
