#include "storage/CCVItemList.h"

#include <algorithm>
#include <cstring>

#include "storage/Coding.h"
#include "storage/RecordArchive.h"
#include "storage/Text.h"

namespace {

// Records of a list longer than the 16-bit count follow in whole blocks of this many.
constexpr std::size_t kBlockSize = 65536;
constexpr std::uint16_t kSeparatorWord = 0x8001;  // the bytes 01 80, little-endian
constexpr std::size_t kMaxListNameLength = CCVItemList::kListNameSize - 1;

struct ListHeader {
    std::uint16_t headerWord = 0;
    std::uint16_t listVersion = 0;
    char listName[CCVItemList::kListNameSize] = {};
};

int ReadHeader(RecordArchive& ar, ListHeader& header) {
    std::uint16_t length = 0;
    if (ar.Transfer(header.headerWord) != 0 || ar.Transfer(header.listVersion) != 0 ||
        ar.Transfer(length) != 0) {
        return 1;
    }
    // The name field holds 254 characters and a terminator; a longer name is damage.
    if (length > kMaxListNameLength) return 1;
    return ar.ReadBytes(header.listName, length);
}

}  // namespace

CCVItemList::CCVItemList(std::string_view listName, std::uint16_t listVersion)
    : m_listVersion(listVersion) {
    std::memcpy(m_listName, listName.data(), std::min(listName.size(), kMaxListNameLength));
}

CCVItemList::~CCVItemList() { Clear(true, true); }

int CCVItemList::CreateDefaults() { return 0; }

// ---- positioned storage ----

void CCVItemList::InsertNode(std::size_t position, CCVItem* record) {
    // Keep the deleted tail behind every other record.
    const std::size_t live = LiveCount();
    position = record->IsDeleted() ? std::clamp(position, live, m_records.size())
                                   : std::min(position, live);
    m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(position), record);
    ++m_editCount;
    if (record->IsDeleted()) ++m_deletedCount;
    if (m_cursor >= 0 && static_cast<std::size_t>(m_cursor) >= position) ++m_cursor;
}

void CCVItemList::EraseNode(std::size_t position) {
    if (m_records[position]->IsDeleted()) --m_deletedCount;
    m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(position));
    ++m_editCount;
    // A walk whose record goes away continues with the record that followed it.
    const auto pos = static_cast<std::int64_t>(position);
    if (m_cursor == pos) {
        m_cursor = pos == 0 ? kBeforeHead : pos - 1;
    } else if (m_cursor > pos) {
        --m_cursor;
    }
}

std::int64_t CCVItemList::FindNode(const CCVItem* record) const {
    const auto it = std::find(m_records.begin(), m_records.end(), record);
    return it == m_records.end() ? -1 : it - m_records.begin();
}

// ---- walking and access ----

CCVItem* CCVItemList::First(bool includeDeleted) {
    if (m_records.empty()) {
        m_cursor = kNoCursor;
        return nullptr;
    }
    m_cursor = 0;
    CCVItem* record = m_records.front();
    return (!includeDeleted && record->IsDeleted()) ? nullptr : record;
}

CCVItem* CCVItemList::Next(bool includeDeleted) {
    if (m_cursor == kNoCursor) return nullptr;
    const std::int64_t next = m_cursor == kBeforeHead ? 0 : m_cursor + 1;
    if (next >= static_cast<std::int64_t>(m_records.size()) ||
        (!includeDeleted && m_records[static_cast<std::size_t>(next)]->IsDeleted())) {
        m_cursor = kNoCursor;
        return nullptr;
    }
    m_cursor = next;
    return m_records[static_cast<std::size_t>(next)];
}

CCVItem* CCVItemList::GetAt(std::int64_t index) const {
    if (index < 0 || index >= static_cast<std::int64_t>(LiveCount())) return nullptr;
    return m_records[static_cast<std::size_t>(index)];
}

CCVItem* CCVItemList::GetAtAny(std::int64_t index) const {
    if (index < 0 || index >= static_cast<std::int64_t>(m_records.size())) return nullptr;
    return m_records[static_cast<std::size_t>(index)];
}

std::uint32_t CCVItemList::Count(bool includeDeleted) const {
    return includeDeleted ? static_cast<std::uint32_t>(m_records.size()) : LiveCount();
}

std::int64_t CCVItemList::IndexOf(const CCVItem* record, bool includeDeleted) const {
    const std::int64_t position = FindNode(record);
    if (position < 0 || (!includeDeleted && position >= static_cast<std::int64_t>(LiveCount()))) {
        return -1;
    }
    return position;
}

// ---- changes ----

int CCVItemList::PushFront(CCVItem* record) {
    if (record == nullptr) return 1;
    InsertNode(0, record);
    m_cursor = FindNode(record);
    return 0;
}

int CCVItemList::Append(CCVItem* record) {
    if (record == nullptr) return 1;
    InsertNode(LiveCount(), record);
    return 0;
}

std::int64_t CCVItemList::InsertAt(std::int64_t index, CCVItem* record) {
    if (record == nullptr || (index > 0 && m_records.empty())) return -1;
    if (index <= 0) {
        InsertNode(0, record);
        return LiveCount();
    }
    InsertNode(static_cast<std::size_t>(index), record);
    return static_cast<std::int64_t>(m_records.size());
}

int CCVItemList::InsertSorted(CCVItem* record) {
    if (record == nullptr) return 1;
    const char* name = record->GetName();
    std::size_t position = 0;
    const std::size_t live = LiveCount();
    while (position < live && CompareNoCase(m_records[position]->GetName(), name) < 0) ++position;
    InsertNode(position, record);
    return 0;
}

int CCVItemList::Remove(CCVItem* record) {
    if (record == nullptr || m_records.empty()) return 1;
    const std::int64_t position = FindNode(record);
    if (position >= 0) EraseNode(static_cast<std::size_t>(position));
    return 0;
}

int CCVItemList::MarkDeleted(CCVItem* record, bool really) {
    if (record == nullptr) return 1;
    if (!really) return 0;
    const std::int64_t position = FindNode(record);
    if (position >= 0) EraseNode(static_cast<std::size_t>(position));
    record->SetFlags(record->Flags() | CCVItem::kDeleted | CCVItem::kModified);
    InsertNode(LiveCount(), record);
    return 0;
}

int CCVItemList::Clear(bool /*freeNodes: nodes are always released*/, bool destroyRecords) {
    const bool wasEmpty = m_records.empty();
    if (destroyRecords && m_ownsRecords) {
        for (CCVItem* record : m_records) delete record;
    }
    m_records.clear();
    if (!wasEmpty) ++m_editCount;
    m_deletedCount = 0;
    m_cursor = kNoCursor;
    return wasEmpty ? 1 : 0;
}

// ---- look-ups ----

CCVItem* CCVItemList::FindByName(const char* name) const {
    const std::size_t live = LiveCount();
    for (std::size_t i = 0; i < live; ++i) {
        if (CompareNoCase(m_records[i]->GetName(), name) == 0) return m_records[i];
    }
    return nullptr;
}

std::int64_t CCVItemList::IndexOfKey(const RecordKey& key) const {
    const std::size_t live = LiveCount();
    for (std::size_t i = 0; i < live; ++i) {
        const RecordKey* k = m_records[i]->GetKey();
        if (k != nullptr && *k == key) return static_cast<std::int64_t>(i);
    }
    return -1;
}

CCVItem* CCVItemList::FindByKey(const RecordKey& key) const { return GetAt(IndexOfKey(key)); }

// ---- stored form ----

int CCVItemList::Serialize(RecordArchive& ar) {
    return ar.IsLoading() ? LoadRecords(ar) : SaveRecords(ar);
}

int CCVItemList::SaveRecords(RecordArchive& ar) {
    m_storedCount = static_cast<std::uint16_t>(m_records.size());
    int rc = ar.Transfer(m_storedCount);
    if (m_records.empty()) return rc;
    auto length = static_cast<std::uint16_t>(std::strlen(m_listName));
    std::uint16_t headerWord = m_headerWord;
    std::uint16_t listVersion = m_listVersion;
    if (rc == 0) rc = ar.Transfer(headerWord);
    if (rc == 0) rc = ar.Transfer(listVersion);
    if (rc == 0) rc = ar.Transfer(length);
    if (rc == 0) rc = ar.WriteBytes(m_listName, length);
    for (std::size_t i = 0; i < m_records.size() && rc == 0; ++i) {
        if (i > 0) rc = ar.WriteBytes(kSeparator, sizeof kSeparator);
        if (rc == 0) rc = m_records[i]->Serialize(ar);
    }
    return rc;
}

int CCVItemList::ReadRecord(RecordArchive& ar, bool separated, std::unique_ptr<CCVItem>& record) {
    std::uint8_t separator[2];
    if (separated && ar.ReadBytes(separator, sizeof separator) != 0) return 1;
    record = NewRecord();
    return record->Serialize(ar);
}

int CCVItemList::LoadRecords(RecordArchive& ar) {
    // Reads up to n records into `block`; true when all n were read whole.
    const auto readBlock = [&](std::size_t n, bool firstSeparated,
                               std::vector<std::unique_ptr<CCVItem>>& block) {
        block.clear();
        block.reserve(std::min(n, ar.Remaining() / CCVItem::kStoredSize + 1));
        for (std::size_t i = 0; i < n; ++i) {
            std::unique_ptr<CCVItem> record;
            if (ReadRecord(ar, i > 0 || firstSeparated, record) != 0) return false;
            block.push_back(std::move(record));
        }
        return true;
    };
    const auto appendAll = [&](std::vector<std::unique_ptr<CCVItem>>& block) {
        m_records.reserve(m_records.size() + block.size());
        for (auto& record : block) Append(record.release());
        block.clear();
    };

    std::uint16_t count = 0;
    if (ar.Transfer(count) != 0) return 1;
    const std::size_t afterCount = ar.Tell();
    ListHeader header;
    const int headerRc = ReadHeader(ar, header);
    std::vector<std::unique_ptr<CCVItem>> block;
    if (count == 0) {
        // An empty list ends at its count, unless a header and a whole block of records follow:
        // a list of a multiple of 65536 records.
        m_storedCount = 0;
        if (headerRc != 0 || !readBlock(kBlockSize, false, block)) {
            ar.Seek(afterCount);
            return 0;
        }
    } else if (headerRc != 0) {
        return 1;  // the list stays as it was
    }
    m_storedCount = count;
    m_headerWord = header.headerWord;
    m_listVersion = header.listVersion;
    std::memcpy(m_listName, header.listName, sizeof m_listName);
    if (count != 0) {
        const bool whole = readBlock(count, false, block);
        appendAll(block);
        if (!whole) return 1;
    } else {
        appendAll(block);
    }
    // Whole blocks of further records of a list longer than 65535; anything else that follows
    // belongs to the caller (a trailer or the next section of the file).
    for (std::uint16_t next = 0; ar.PeekFixed16(next) && next == kSeparatorWord;) {
        const std::size_t mark = ar.Tell();
        if (!readBlock(kBlockSize, true, block)) {
            ar.Seek(mark);
            break;
        }
        appendAll(block);
    }
    return 0;
}

int CCVItemList::SaveFile(const std::string& fileName) {
    if (fileName.empty()) return 1;
    RecordArchive ar(fileName, RecordArchive::kSave);
    if (ar.Open() != 0) return 1;
    const int rc = Serialize(ar);
    const int closeRc = ar.Close();
    return (rc != 0 || closeRc != 0) ? 1 : 0;
}

int CCVItemList::SaveToBytes(std::vector<std::uint8_t>& bytes) {
    RecordArchive ar(bytes);
    ar.Open();
    const int rc = Serialize(ar);
    return (rc != 0 || ar.Close() != 0) ? 1 : 0;
}

int CCVItemList::LoadFile(const std::string& fileName, int mode) {
    if (fileName.empty()) return 1;
    if (mode == kModeSave) return SaveFile(fileName);
    if (!FileExists(fileName)) {
        // A missing file is replaced by one of the defaults, which is then read back. When it
        // cannot be written the defaults stay in memory and the failure is reported.
        if (CreateDefaults() != 0) return 1;
        if (SaveFile(fileName) != 0) return 1;
        Clear(true, true);
    }
    RecordArchive ar(fileName, RecordArchive::kLoad);
    if (ar.Open() != 0) return 1;
    const int rc = Serialize(ar);
    ar.Close();
    return rc;
}
