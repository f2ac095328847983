#pragma once

#include <chrono>
#include <string>

#include "sync/SyncFailure.h"

// coinvale-sync's work: a push (a copy of the data files to a folder) or a pull (a folder's data
// files into the data folder), done so that no writer of the data folder runs meanwhile.
//
// When the data folder's writer's lock is free (no Coinvale on it; a command holds it well under
// a second and is waited for), the copy is made holding the lock. When the interactive program
// holds it, the copy is made inside its hand-shake (see platform/sys/SyncNames.h): the program
// saves what it has in memory and waits, the files are copied, and it reloads. Only one
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

    // How long a command that holds the writer's lock is waited for before the running program
    // is asked.
    static constexpr std::chrono::milliseconds kCommandWait{1500};

    // kDone with what was done in `message` (for the standard output), or kFailed with why in
    // `message` (for the standard error); nothing is changed then.
    static int Run(const Options& options, std::string& message);

    // The text of a failure.
    static std::string Describe(const SyncFailure& failure);

  private:
    static int Copy(const Options& options, std::string& message);
    static void Announce(std::wstring_view name);
};
