#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The words of coinvale-sync:
//
//   coinvale-sync push DIR [--data FOLDER] [--timeout SECONDS]
//   coinvale-sync pull DIR [--data FOLDER] [--timeout SECONDS]
//   coinvale-sync --help | --version
//
// The data folder is by default the one the settings name (as the interactive program and the
// command line find it). Exit status: 0 done, 1 failed (the message says why; nothing was
// changed), 2 usage.
class CSyncCommandLine {
  public:
    static constexpr long kMaxTimeoutSeconds = 3600;
    static constexpr long kDefaultTimeoutSeconds = 30;

    static int Run(const std::vector<std::string>& words, std::FILE* out, std::FILE* errors);
};
