#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sys/MappedFile.h"
#include "storage/RecordKey.h"

namespace sys {
class AtomicFile;
}

// The object every Serialize receives: it reads a whole stored file from memory, or writes one
// that replaces the old file atomically on Close. The Transfer helpers move a field in the
// archive's direction, so one Serialize serves both loading and saving.
class RecordArchive {
public:
    enum Direction { kSave = 0, kLoad = 1 };

    RecordArchive(std::string fileName, int loading);
    // Saves into `sink` (emptied by Open) instead of a file: the bytes a save would write.
    explicit RecordArchive(std::vector<std::uint8_t>& sink);
    ~RecordArchive();  // a save that was not closed leaves the old file as it was
    RecordArchive(const RecordArchive&) = delete;
    RecordArchive& operator=(const RecordArchive&) = delete;

    // Load: maps the whole file, or reads it. Save: starts the replacement file. 0 or 1.
    int Open();

    // Copies n bytes out; 1, copying nothing, when fewer than n remain.
    int ReadBytes(void* destination, std::size_t n);

    // The next n loaded bytes, in place, and a move past them; null, moving nothing, when fewer
    // than n remain (or while saving). The bytes stay valid until Close.
    const std::uint8_t* Take(std::size_t n) {
        const std::uint8_t* bytes = Peek(n);
        if (bytes == nullptr) return nullptr;
        m_position += n;
        m_remaining -= n;
        return bytes;
    }

    // Appends n bytes to the file being saved; nothing while loading or for a null source.
    // Returns 1 once a write has failed (and for every write after).
    int WriteBytes(const void* source, std::size_t n);

    // Save: flushes and replaces the file; 1 when any write or the replacement failed, and the old
    // file is then unchanged. Load: frees the memory. Safe to call twice.
    int Close();

    bool IsLoading() const { return m_loading; }
    const std::string& FileName() const { return m_fileName; }
    std::size_t Remaining() const { return m_remaining; }

    // Moves raw bytes in the archive's direction.
    int TransferBytes(void* data, std::size_t n);

    // Moves a little-endian integer or double in the archive's direction.
    int Transfer(std::uint8_t& value);
    int Transfer(std::uint16_t& value);
    int Transfer(std::uint32_t& value);
    int Transfer(std::int64_t& value);
    int Transfer(std::uint64_t& value);
    int Transfer(double& value);
    int Transfer(RecordKey& key);

    // Moves a fixed-size text field; a loaded text is always terminated in its last byte.
    template <std::size_t N>
    int TransferText(char (&text)[N]) {
        const int rc = TransferBytes(text, N);
        text[N - 1] = '\0';
        return rc;
    }

    // The next n loaded bytes, in place, without moving past them; null when fewer remain.
    const std::uint8_t* Peek(std::size_t n) const {
        return n > m_remaining ? nullptr : m_file.Data() + m_position;
    }

    // Looks at the next two bytes without consuming them; false when fewer remain.
    bool PeekFixed16(std::uint16_t& value) const;

    // Read position while loading, and a return to an earlier one.
    std::size_t Tell() const { return m_position; }
    void Seek(std::size_t position);

private:
    std::string m_fileName;
    bool m_loading;
    sys::MappedFile m_file;
    std::size_t m_position = 0;
    std::size_t m_remaining = 0;
    std::unique_ptr<sys::AtomicFile> m_output;
    std::vector<std::uint8_t>* m_sink = nullptr;
    bool m_writeFailed = false;
};
