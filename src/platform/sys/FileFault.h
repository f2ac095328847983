#pragma once

// Fault injection for the file services, so tests can show that a failed step of a save leaves
// the old file intact and is reported. A ScopedFileFault makes the named step fail (with EIO, or
// ENOSPC for writes) every time it is reached while the guard lives. Nothing outside tests
// creates one.
//
// Crash tests go further: KillAtDurableStep(n) makes the process kill itself (SIGKILL) just
// before the n-th durable step from then on (an fsync of a file or folder, a rename), so a child
// process can be stopped at every point of a save in turn.
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
    CommitRecord,  // writing the record of a set of files replaced together (FolderCommit)
    CommitRename,  // renaming a file of such a set once the record is in place
};

class ScopedFileFault {
public:
    // `passes`: how many times the step goes through before it fails (so that one file of a save
    // fails and the others do not).
    explicit ScopedFileFault(FileStep step, int passes = 0);
    ~ScopedFileFault();
    ScopedFileFault(const ScopedFileFault&) = delete;
    ScopedFileFault& operator=(const ScopedFileFault&) = delete;

private:
    FileStep m_previous;
    int m_previousPasses;
};

// True when a guard makes `step` fail. A failing step sets errno as the real failure would.
bool IsFaultInjected(FileStep step);

// The process kills itself just before the n-th durable step counted from this call; 0 turns it
// off. DurableStepsReached() counts the steps taken since the last call.
void KillAtDurableStep(int n);
int DurableStepsReached();
// Called by the file services before each fsync and rename.
void ReachDurableStep();

}  // namespace sys
