#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/CCommand.h"

class CVModel;

namespace cli {

class CArguments;

// The headless program: "coinvale COMMAND ..." finds the command, checks the words against what
// it declares, answers --help, opens the data the way the command needs it and runs it.
//
// Exit status: 0 done; 1 refused input, data that could not be read or saved, problems found;
// 2 an unknown command or option, a missing value or option, the wrong number of arguments.
class CCommandLine {
  public:
    // The commands, in the order the general help lists them.
    CCommandLine();
    ~CCommandLine();

    // `words` are the program's arguments without its name. Results go to `out`, messages and
    // help asked for by mistake to `errors`.
    int Run(const std::vector<std::string>& words, CVModel& model, std::FILE* out,
            std::FILE* errors);

  private:
    CCommand* Find(const std::string& name) const;
    // 0, or kExitUsage after saying what is wrong with the words.
    int CheckUsage(const CCommand& command, const CArguments& arguments, std::FILE* errors) const;

    std::vector<std::unique_ptr<CCommand>> m_commands;
};

}  // namespace cli
