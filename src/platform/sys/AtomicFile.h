#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Atomic replacement of a file: the bytes go to a temporary file beside the target, which is
// flushed to disk (fsync), renamed over the target, and the folder is flushed too. Until Commit
// succeeds the target is untouched; any failure (disk full, permissions, I/O error) is reported
// and the temporary file removed. A new file gets mode 0666 less the umask; a replaced file keeps
// its mode.
//
//   AtomicFile file;
//   if (file.Open(path) != 0 || file.Write(data, n) != 0 || file.Commit() != 0) { ...failed }
//
// Writes are buffered; once a step fails, every later call fails too.
namespace sys {

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();  // abandons an uncommitted file
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file for `target`. 0 on success, 1 on failure.
    int Open(const std::string& target);

    // Appends bytes. 0 on success, 1 on failure.
    int Write(const void* data, std::size_t size);

    // Flushes, syncs and renames over the target, then syncs the folder. 0 on success, 1 on
    // failure. After a failure of the final folder sync the new contents are in place but may not
    // survive a crash; that is reported as a failure too.
    int Commit();

    // Removes the temporary file; the target stays as it was.
    void Abandon();

    bool Failed() const { return m_failed; }

private:
    int WriteAll(const char* bytes, std::size_t size);
    int FlushBuffer();

    std::string m_target;
    std::string m_temporary;
    std::vector<char> m_buffer;
    int m_fd = -1;
    bool m_failed = false;
};

}  // namespace sys
