#pragma once

#include <chrono>
#include <string>

#include "sync/SyncFailure.h"

// coinvale-sync's work: a push (a copy of the data files to a folder) or a pull (a folder's data
// files into the data folder), done so that no writer of the data folder runs meanwhile.
//
// When the data folder's writer's lock is free (no Coinvale on it), the copy is made holding the
// lock; a command that holds it (without the program running) is waited for up to the time-out.
// When the interactive program holds it, the copy is made inside its hand-shake (see
// platform/sys/SyncNames.h): the program saves what it has in memory and waits, the files are
// copied, and it reloads. A command holds the program's mutex too: should the lock come free
// while the program is waited for, the copy is made under the lock instead. Only one
// synchronisation runs at a time.
//
// A folder that cannot take part is refused before anything is announced, so that a mistyped
// folder never holds up the running program.
class CSynchroniser {
  public:
    enum Direction { kPush, kPull };
    enum Exit { kDone = 0, kFailed = 1, kUsage = 2 };

    struct Options {
        Direction direction = kPush;
        std::string folder;      // DIR
        std::string dataFolder;  // the data folder
        std::chrono::milliseconds timeout{30000};
    };

    // kDone with what was done in `message` (for the standard output), or kFailed with why in
    // `message` (for the standard error); nothing is changed then.
    static int Run(const Options& options, std::string& message);

    // The text of a failure.
    static std::string Describe(const SyncFailure& failure);

  private:
    static int Copy(const Options& options, std::string& message);
    static int CopyUnderLock(const Options& options, std::string& message);
    static void Announce(std::wstring_view name);
};
