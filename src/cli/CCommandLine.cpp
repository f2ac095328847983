#include "cli/CCommandLine.h"

#include <algorithm>

#include "cli/CAccountsCommand.h"
#include "cli/CAddCommand.h"
#include "cli/CArguments.h"
#include "cli/CBackupCommand.h"
#include "cli/CBudgetCommand.h"
#include "cli/CCheckCommand.h"
#include "cli/CExportCommand.h"
#include "cli/CImportCommand.h"
#include "cli/CInitCommand.h"
#include "cli/COutput.h"
#include "cli/CRegisterCommand.h"
#include "cli/CReportCommand.h"
#include "cli/CTransferCommand.h"
#include "cli/CUpcomingCommand.h"
#include "cli/CliValues.h"

namespace cli {
namespace {

constexpr std::string_view kDataOption = "--data";
constexpr std::string_view kHelpOption = "--help";
constexpr std::string_view kJsonOption = "--json";

void Print(std::FILE* stream, const std::string& text) {
    std::fprintf(stream, "%s\n", text.c_str());
}

}  // namespace

CCommandLine::CCommandLine() {
    m_commands.push_back(std::make_unique<CAccountsCommand>());
    m_commands.push_back(std::make_unique<CRegisterCommand>());
    m_commands.push_back(std::make_unique<CAddCommand>());
    m_commands.push_back(std::make_unique<CTransferCommand>());
    m_commands.push_back(std::make_unique<CUpcomingCommand>());
    m_commands.push_back(std::make_unique<CExportCommand>());
    m_commands.push_back(std::make_unique<CCheckCommand>());
    m_commands.push_back(std::make_unique<CReportCommand>());
    m_commands.push_back(std::make_unique<CBudgetCommand>());
    m_commands.push_back(std::make_unique<CImportCommand>());
    m_commands.push_back(std::make_unique<CInitCommand>());
    m_commands.push_back(std::make_unique<CBackupCommand>());
}

CCommandLine::~CCommandLine() = default;

CCommand* CCommandLine::Find(const std::string& name) const {
    for (const auto& command : m_commands) {
        if (command->Name() == name) return command.get();
    }
    return nullptr;
}

int CCommandLine::CheckUsage(const CCommand& command, const CArguments& arguments,
                             std::FILE* errors) const {
    const std::string name(command.Name());
    const std::vector<std::string_view> allowed = command.Options();
    for (const std::string& option : arguments.Options()) {
        if (option == kDataOption || option == kHelpOption ||
            std::find(allowed.begin(), allowed.end(), option) != allowed.end()) {
            continue;
        }
        Print(errors,
              Format(res::IDS_CLI_UNKNOWN_OPTION, name.c_str(), option.c_str(), name.c_str()));
        return kExitUsage;
    }
    for (const std::string_view option : command.RequiredOptions()) {
        if (!arguments.Has(option)) {
            Print(errors,
                  Format(res::IDS_CLI_MISSING_OPTION, name.c_str(), std::string(option).c_str()));
            return kExitUsage;
        }
    }
    for (const auto& [first, second] : command.ExclusiveOptions()) {
        if (arguments.Has(first) && arguments.Has(second)) {
            Print(errors, Format(res::IDS_CLI_EXCLUSIVE_OPTIONS, name.c_str(),
                                 std::string(first).c_str(), std::string(second).c_str()));
            return kExitUsage;
        }
    }
    if (!command.TakesArguments(arguments.Arguments().size())) {
        Print(errors, Format(res::IDS_CLI_ARGUMENT_COUNT, name.c_str(), name.c_str()));
        return kExitUsage;
    }
    return 0;
}

int CCommandLine::Run(const std::vector<std::string>& words, CVModel& model, std::FILE* out,
                      std::FILE* errors) {
    CArguments arguments;
    const CArguments::Result parsed = arguments.Parse(words);
    const std::string commandName = arguments.Command().empty() ? "" : arguments.Command();
    if (parsed != CArguments::kParsed) {
        const res::StringId id = parsed == CArguments::kMissingValue ? res::IDS_CLI_MISSING_VALUE
                                                                     : res::IDS_CLI_REPEATED_OPTION;
        Print(errors, Format(id, commandName.c_str(), arguments.Offending().c_str()));
        return kExitUsage;
    }
    if (commandName.empty()) {
        // "coinvale --help" asks for the help; anything else without a command is a mistake.
        const bool asked = arguments.Has(kHelpOption);
        Print(asked ? out : errors, Text(res::IDS_CLI_HELP));
        return asked ? kExitDone : kExitUsage;
    }
    CCommand* command = Find(commandName);
    if (command == nullptr) {
        Print(errors, Format(res::IDS_CLI_UNKNOWN_COMMAND, commandName.c_str()));
        return kExitUsage;
    }
    if (arguments.Has(kHelpOption)) {
        Print(out, Text(command->HelpId()));
        return kExitDone;
    }
    if (const int rc = CheckUsage(*command, arguments, errors); rc != 0) return rc;

    CDataSession data(model, errors);
    const std::string* folder = arguments.Value(kDataOption);
    if (const int rc = data.Open(folder != nullptr ? *folder : std::string(),
                                 command->AccessFor(arguments),
                                 command->ReportsFileProblems());
        rc != 0) {
        return rc;
    }
    const COutput output(out, arguments.Has(kJsonOption));
    CCommand::Context context{arguments, data, output};
    return command->Run(context);
}

}  // namespace cli
