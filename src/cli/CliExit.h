#pragma once

namespace cli {

// The exit statuses of a command.
enum ExitStatus : int {
    kExitDone = 0,
    kExitRefused = 1,  // refused input, data that could not be read or saved, problems found
    kExitUsage = 2,    // an unknown command or option, missing or extra arguments
};

}  // namespace cli
