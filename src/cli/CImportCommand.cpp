#include "cli/CImportCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CliValues.h"
#include "model/CCVAccount.h"
#include "model/CDataBackups.h"
#include "model/CVModel.h"
#include "model/DataFolderText.h"
#include "resources/ScreenIds.h"
#include "online/CStatementFile.h"
#include "platform/sys/CodePage.h"

namespace cli {

int CImportCommand::Run(Context& context) {
    const std::string& path = context.arguments.Arguments()[0];
    CCVAccount* account = context.data.FindAccount(*context.arguments.Value("--account"));
    if (account == nullptr) return kExitRefused;

    // An import brings in many transactions at once: the folder as it was is kept first.
    const std::string& folder = context.data.Model().GetDataFolder();
    if (CDataBackups backups(folder); backups.MakeNow() != 0) {
        return context.data.Refuse(res::IDS_BACKUP_FAILED, folder.c_str(),
                                   FileErrorCause(backups.LastFailure().error).c_str());
    }
    CStatementFile::Result result;
    if (CStatementFile::ImportStatementFile(*account, path, result) != CStatementFile::kImported) {
        // Lines taken before a failure live only in memory: without a save the data folder
        // stays as it was.
        context.data.Say(sys::WideToUtf8(result.text));
        return kExitRefused;
    }
    if (const int rc = context.data.Save(); rc != 0) return rc;

    const std::string name = Utf8(account->GetName());
    if (context.output.IsJson()) {
        context.output.Json(
            {{"account", name},
             {"file", path},
             {"new", result.added},
             {"matched", result.matched},
             {"skipped", result.skipped},
             {"balance", FormatAmount(account->GetBalance(CCVAccount::kBalanceCurrent))},
             {"cleared", FormatAmount(account->GetBalance(CCVAccount::kBalanceCleared))}});
    } else {
        context.output.Line(Format(res::IDS_CLI_IMPORTED, name.c_str(), result.added,
                                   result.matched, result.skipped));
    }
    return kExitDone;
}

}  // namespace cli
