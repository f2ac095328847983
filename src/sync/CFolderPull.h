#pragma once

#include <string>

#include "sync/SyncFailure.h"

// Brings the data files of a folder `source` into a data folder, all together or not at all
// (sys::FolderCommit: a pull that is killed half-way is finished, or undone, when the folder is
// next opened). Data files of the data folder that `source` lacks are removed with the rest;
// every other file of the data folder (its lock, commit record, backups, a person's own files)
// stays. Files whose bytes are the same on both sides are left as they are.
//
// Before anything is replaced, the data folder as it was is kept as a backup (CDataBackups), so
// that a pull of an out-of-date folder can be undone with "coinvale backup restore".
//
// The caller holds the data folder's writer's lock, or the running program let it in.
class CFolderPull {
  public:
    // Whether `source` can be brought in: 0, or 1 with the failure (missing, not a folder, or
    // holding no data files).
    static int Check(const std::string& source, SyncFailure& failure);
    // 0 with the number of data files `source` holds, and `pending` set when the change is
    // recorded but its last renames are finished at the next load (path says which file); or 1
    // with the failure (nothing in the data folder changed).
    static int Bring(const std::string& source, const std::string& dataFolder, int& brought,
                     SyncFailure& pending, SyncFailure& failure);
};
