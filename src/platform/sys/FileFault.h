#pragma once

// Fault injection for the file services, so tests can show that a failed step of a save leaves
// the old file intact and is reported. A ScopedFileFault makes the named step fail (with EIO, or
// ENOSPC for writes) every time it is reached while the guard lives. Nothing outside tests
// creates one.
namespace sys {

enum class FileStep {
    None,
    Create,      // creating the temporary file beside the target
    Write,       // writing bytes to it
    Flush,       // fsync of the temporary file
    Rename,      // renaming it over the target
    SyncFolder,  // fsync of the folder after the rename
    Read,        // reading a whole file
    Move,        // moving a file to a new name (MoveFileNoReplace)
    MoveTarget,  // the same, failing as when the new name is already taken
};

class ScopedFileFault {
public:
    explicit ScopedFileFault(FileStep step);
    ~ScopedFileFault();
    ScopedFileFault(const ScopedFileFault&) = delete;
    ScopedFileFault& operator=(const ScopedFileFault&) = delete;

private:
    FileStep m_previous;
};

// True when a guard makes `step` fail.
bool IsFaultInjected(FileStep step);

}  // namespace sys
