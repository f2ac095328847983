#pragma once

#include <cstdint>

#include "storage/RecordKey.h"

class RecordArchive;

// Base of every stored record.
//
// Stored form (every record starts with it; derived records follow with their own fields):
//   offset 0  recordNumber  uint32
//   offset 4  flags         uint8   0x80 deleted, 0x40 modified, 0x04 changed
//
// Beside the stored form a record knows, in memory only, whether it may differ from its file
// (IsUnsaved): a new record, a copy, a load and every change of the flags (every setter marks
// the record modified) set it; the owner of the file clears it once the file is written or read
// whole.
class CCVItem {
public:
    static constexpr std::uint8_t kDeleted = 0x80;
    static constexpr std::uint8_t kModified = 0x40;
    static constexpr std::uint8_t kChanged = 0x04;
    static constexpr std::size_t kStoredSize = 5;

    CCVItem() = default;
    virtual ~CCVItem();
    // A copy is unsaved whatever its source was: it may replace a record of another content.
    CCVItem(const CCVItem& other) : m_recordNumber(other.m_recordNumber), m_flags(other.m_flags) {}
    CCVItem& operator=(const CCVItem& other) {
        m_recordNumber = other.m_recordNumber;
        m_flags = other.m_flags;
        m_unsaved = true;
        return *this;
    }

    // The record's zero-terminated name; null for records without one (never kept in
    // name-sorted lists).
    virtual const char* GetName() const = 0;

    // The record's key, or null for records without one.
    virtual const RecordKey* GetKey() const { return nullptr; }

    // Moves recordNumber then flags; 0, or the first error met. Derived records call this first.
    virtual int Serialize(RecordArchive& ar);

    std::uint32_t RecordNumber() const { return m_recordNumber; }
    void SetRecordNumber(std::uint32_t number) { m_recordNumber = number; }

    std::uint8_t Flags() const { return m_flags; }
    void SetFlags(std::uint8_t flags) {
        m_flags = flags;
        m_unsaved = true;
    }
    bool IsDeleted() const { return (m_flags & kDeleted) != 0; }
    bool IsModified() const { return (m_flags & kModified) != 0; }
    bool IsChanged() const { return (m_flags & kChanged) != 0; }
    void MarkModified() {
        m_flags |= kModified;
        m_unsaved = true;
    }
    void ClearModified() {
        m_flags &= static_cast<std::uint8_t>(~kModified);
        m_unsaved = true;
    }

    bool IsUnsaved() const { return m_unsaved; }
    void MarkUnsaved() { m_unsaved = true; }
    void MarkSaved() { m_unsaved = false; }

protected:
    std::uint32_t m_recordNumber = 0;
    std::uint8_t m_flags = 0;
    bool m_unsaved = true;
};
