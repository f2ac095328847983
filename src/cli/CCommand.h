#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/CDataSession.h"
#include "resources/StringIds.h"

namespace cli {

class CArguments;
class COutput;

// One command of the command line. The dispatcher (CCommandLine) checks the words against what
// the command declares, opens the data the way it asks for, and then runs it.
class CCommand {
  public:
    struct Context {
        const CArguments& arguments;
        CDataSession& data;
        const COutput& output;
    };

    virtual ~CCommand() = default;

    virtual std::string_view Name() const = 0;
    virtual res::StringId HelpId() const = 0;
    // The arguments after the command's name.
    virtual std::size_t ArgumentCount() const = 0;
    // How many of the last of those may be left out.
    virtual std::size_t OptionalArgumentCount() const { return 0; }
    // Whether the command takes that many arguments (a command with words of its own, such as
    // "backup list" and "backup restore NAME", takes more than one count).
    virtual bool TakesArguments(std::size_t count) const {
        return count <= ArgumentCount() && count + OptionalArgumentCount() >= ArgumentCount();
    }
    // The options it takes besides --data and --help ("--json" among them when it has JSON
    // output), and those of them it cannot do without.
    virtual std::vector<std::string_view> Options() const = 0;
    virtual std::vector<std::string_view> RequiredOptions() const { return {}; }
    // Pairs of options that cannot be given together.
    virtual std::vector<std::pair<std::string_view, std::string_view>> ExclusiveOptions() const {
        return {};
    }
    // kChange for a command that changes the data (it then holds the mutex and saves).
    virtual CDataSession::Access Access() const { return CDataSession::kRead; }
    // The access for these arguments (Access unless the command's own words decide).
    virtual CDataSession::Access AccessFor(const CArguments&) const { return Access(); }
    // Whether opening the data lists the files a read-only load found wrong (check reports them
    // itself).
    virtual bool ReportsFileProblems() const { return true; }

    // The exit status (CliExit.h).
    virtual int Run(Context& context) = 0;
};

}  // namespace cli
