#pragma once

#include <string>

#include "sync/SyncFailure.h"

// Puts a copy of the data files of a data folder in a folder `target`, which is never seen
// half-copied: the copy is made in a new hidden folder beside `target` (".<name>.sync-XXXXXX"),
// flushed to disk, and then takes `target`'s place in one step (the two folders are exchanged
// with renameat2 RENAME_EXCHANGE; where the file system lacks it, `target` is renamed aside and
// the copy renamed in, and put back should that fail). The folder that was `target` is removed
// afterwards. `target` keeps its permissions.
//
// `target` must exist and hold nothing but data files (it is empty, or a copy made here): a
// folder with anything else in it is refused, so that nothing of a person's is ever removed.
class CFolderPush {
  public:
    // Whether `target` can take a copy: 0, or 1 with the failure (missing, not a folder, not
    // writable, or holding other files).
    static int Check(const std::string& target, SyncFailure& failure);
    // Copies the data files of `dataFolder` to `target`. 0 with the number of files copied, or 1
    // with the failure (nothing at `target` changed).
    static int Copy(const std::string& dataFolder, const std::string& target, int& copied,
                    SyncFailure& failure);

    // Whether the exchange of two folders is tried (tests take the way without it).
    static void SetExchangeAvailable(bool available);
};
