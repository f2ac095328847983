#include "cli/CCheckCommand.h"

#include "cli/CDataCheck.h"
#include "cli/COutput.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"

namespace cli {

int CCheckCommand::Run(Context& context) {
    CCVAccountList& list = context.data.Accounts();
    CDataCheck check(list);
    check.Run();
    const std::vector<CDataCheck::Problem>& problems = check.Problems();
    const std::string& folder = list.GetFolder();
    if (context.output.IsJson()) {
        nlohmann::ordered_json found = nlohmann::ordered_json::array();
        for (const CDataCheck::Problem& problem : problems) {
            found.push_back(
                {{"kind", problem.kind}, {"file", problem.file}, {"message", problem.message}});
        }
        context.output.Json({{"folder", folder},
                             {"files", check.Files()},
                             {"accounts", list.Count()},
                             {"transactions", check.Transactions()},
                             {"problems", found}});
    } else if (problems.empty()) {
        context.output.Line(Format(res::IDS_CLI_CHECK_CLEAN, folder.c_str(), check.Files(),
                                   static_cast<int>(list.Count()),
                                   static_cast<int>(check.Transactions())));
    } else {
        for (const CDataCheck::Problem& problem : problems) context.output.Line(problem.message);
        context.output.Line(
            Format(res::IDS_CLI_CHECK_FOUND, static_cast<int>(problems.size()), folder.c_str()));
    }
    return problems.empty() ? kExitDone : kExitRefused;
}

}  // namespace cli
