#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sys/AtomicFile.h"

// Replaces a set of files of one folder all together or not at all.
//
//   FolderCommit commit(folder);
//   if (commit.Stage("Checking.cvl", a, n) != 0 || commit.Stage("Savings.cvl", b, m) != 0) ...
//   switch (commit.Commit()) { ... }
//
// Stage writes a file's new bytes to a temporary file beside it ("<name>.tmp-...") and syncs it.
// Commit then puts the commit record in place (written to its own temporary file, synced, renamed
// to ".coinvale-commit" and the folder synced), renames every temporary file over its target,
// syncs the folder and removes the record. A crash before the record is in place leaves every old
// file (and temporary files that RemoveStrayTemporaries clears); a crash after it is finished by
// RollForward at the next load. A single file needs no record: its rename alone is atomic.
//
// A file may also be removed as part of the set (StageRemoval).
//
// The record, names being entries of the folder (no NUL in them); an empty temporary name
// stands for a removal of the target:
//   "coinvale-commit 1\n" { temporary-name NUL target-name NUL } "end\n"
//
// Only the holder of the folder's writer's lock (FolderLock) may commit, roll forward or remove
// temporary files.
namespace sys {

class FolderCommit {
  public:
    enum Outcome {
        kDone,            // every file is replaced
        kNothingChanged,  // a failure before the record was in place: every file is as it was
        kPending,         // the record is in place but a rename failed: RollForward finishes it
    };
    struct Failure {
        std::string path;  // the file concerned
        int error = 0;     // its errno (ENOSPC, EACCES, EIO, ...)
    };
    static constexpr const char* kRecordName = ".coinvale-commit";

    explicit FolderCommit(std::string folder);
    ~FolderCommit();  // removes the temporary files of a commit that did not happen
    FolderCommit(const FolderCommit&) = delete;
    FolderCommit& operator=(const FolderCommit&) = delete;

    // Writes and syncs the new bytes of the folder's file `name`. 0, or 1 (see LastFailure).
    int Stage(const std::string& name, const void* data, std::size_t size);
    // Removes the folder's file `name` with the rest of the set.
    void StageRemoval(const std::string& name);
    // Replaces every staged file; a record left by an earlier commit is finished first.
    Outcome Commit();
    // Removes the staged temporary files; nothing is replaced.
    void Abandon();
    bool Empty() const { return m_files.empty() && m_removals.empty(); }
    const Failure& LastFailure() const { return m_failure; }

    // Finishes a commit a crash interrupted: 0 when no record was left or it is finished (a
    // record whose bytes are not a whole record is discarded, its temporary files left for
    // RemoveStrayTemporaries), 1 when a rename failed or the record cannot be read at all (the
    // record stays; `failure` says which file).
    static int RollForward(const std::string& folder, Failure* failure = nullptr);
    // Removes temporary files that interrupted writes left ("<name>.tmp-<pid>-<hex>-<n>").
    static void RemoveStrayTemporaries(const std::string& folder);
    // For a reader that may not finish a record a crash left: target name -> path of the
    // temporary file that holds its committed bytes (those already renamed are left out).
    static std::map<std::string, std::string> PendingReplacements(const std::string& folder);
    // Whether a name is that of a temporary file of an interrupted write.
    static bool IsTemporaryName(const std::string& name);

  private:
    int WriteRecord();

    std::string m_folder;
    std::vector<std::unique_ptr<AtomicFile>> m_files;
    std::vector<std::string> m_names;
    std::vector<std::string> m_removals;
    Failure m_failure;
};

}  // namespace sys
