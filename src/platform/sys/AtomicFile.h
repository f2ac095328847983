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

    // The two halves of Commit, for a set of files replaced together (FolderCommit): Prepare
    // flushes, syncs and closes the temporary file, which stays under TemporaryPath(); Install
    // renames it over the target without syncing the folder. 0 on success, 1 on failure (a failed
    // Prepare removes the temporary file; after a failed Install it stays until Abandon).
    int Prepare();
    int Install();
    const std::string& TemporaryPath() const { return m_temporary; }
    // Forgets the temporary file without removing it (it now belongs to the caller).
    void Release();

    // Removes the temporary file; the target stays as it was.
    void Abandon();

    bool Failed() const { return m_failed; }
    // The errno of the first failure (ENOSPC, EACCES, EIO, ...), 0 without one.
    int ErrorNumber() const { return m_error; }

private:
    int WriteAll(const char* bytes, std::size_t size);
    int FlushBuffer();
    // Marks the file failed, keeping the first cause; answers 1.
    int Fail(int error);

    std::string m_target;
    std::string m_temporary;
    std::vector<char> m_buffer;
    int m_fd = -1;
    bool m_failed = false;
    bool m_prepared = false;
    int m_error = 0;
};

// Flushes the entries of a folder (names created, renamed or removed) to disk. 0, or 1 with errno
// set.
int SyncFolder(const std::string& folder);

}  // namespace sys
