#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sys/Files.h"
#include "platform/sys/FolderCommit.h"

// How the account list's files are written: every changed file of one save is replaced together
// or not at all (sys::FolderCommit), and never over a file that another program changed since it
// was read or written here.
//
// Each file read or written is remembered by its stamp (device, inode, size and modification
// time). A save first compares every remembered file with the disk; when one differs, nothing is
// written and the save fails with kChangedElsewhere, naming the file.
class CDataFolderFiles {
  public:
    // Why the last save wrote nothing, or that it is still being finished.
    struct Failure {
        enum Kind {
            kNone,
            kReadOnly,          // the data was loaded for looking only
            kChangedElsewhere,  // `path` changed on disk since it was read
            kWriteFailed,       // `path` could not be written: `error` (WinErrors.h) says why
            kPending,  // not a failure: the change is recorded, and its last renames (`path`
                       // first) are finished at the next load
        };
        Kind kind = kNone;
        std::string path;
        long error = 0;
    };

    void SetFolder(const std::string& folder) { m_folder = folder; }
    const std::string& Folder() const { return m_folder; }

    // ---- stamps ----
    void Remember(const std::string& path);
    void Forget(const std::string& path);
    void ForgetAll() { m_stamps.clear(); }
    // The first remembered file whose stamp changed; empty when none did.
    std::string FirstChanged() const;
    // Whether the file is one read or written here.
    bool Remembers(const std::string& path) const { return m_stamps.count(path) != 0; }

    // ---- one save ----
    // Starts a save: 0, or 1 when a remembered file changed (Failure says which).
    int Begin();
    // Writes the new bytes of the folder's file `name` aside. 0, or 1 (Failure).
    int Stage(const std::string& name, const std::vector<std::uint8_t>& bytes);
    // Replaces every staged file. 0 when the change is on disk (done, or recorded and finished
    // at the next load: Failure kPending); 1 when nothing was changed (Failure). The files
    // written are remembered anew.
    int Commit();
    // Ends a save that is not committed: the staged files are removed.
    void Abandon();
    bool NothingStaged() const { return m_staged.empty(); }

    const Failure& LastFailure() const { return m_failure; }
    void SetFailure(Failure::Kind kind, std::string path = {}, long error = 0);

    // ---- before a load ----
    // Finishes a save a crash interrupted and removes temporary files of interrupted writes.
    // 0, or 1 when the interrupted save could not be finished (Failure).
    int FinishInterruptedSave();

  private:
    std::string m_folder;
    std::map<std::string, sys::FileStamp> m_stamps;
    std::unique_ptr<sys::FolderCommit> m_commit;
    std::vector<std::string> m_staged;
    Failure m_failure;
};
