#include "cli/CImportCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CFileImport.h"
#include "cli/CliValues.h"
#include "model/CCVAccount.h"
#include "platform/sys/AnsiText.h"
#include "model/CImportBackup.h"
#include "model/CVModel.h"
#include "resources/ScreenIds.h"
#include "online/CStatementFile.h"
#include "platform/sys/CodePage.h"

namespace cli {

int CImportCommand::ImportChosenStatement(Context& context, CCVAccount& account,
                                          const std::string& path, CStatementFile::Result& result) {
    const std::string* chosen = context.arguments.Value("--statement");
    const std::string number = chosen != nullptr ? Stored(*chosen) : std::string();
    return CStatementFile::ImportStatementFile(account, path, result,
                                               chosen != nullptr ? &number : nullptr);
}

int CImportCommand::Run(Context& context) {
    const std::string& path = context.arguments.Arguments()[0];
    CCVAccount* account = context.data.FindAccount(*context.arguments.Value("--account"));
    if (account == nullptr) return kExitRefused;
    CFileImport::FileFormat format = CFileImport::FileFormat::kOfx;
    if (!CFileImport::ChooseFormat(context, path, format)) return kExitRefused;
    if (format != CFileImport::FileFormat::kOfx) {
        return CFileImport::Import(context, *account, path, format);
    }

    // An import brings in many transactions at once: the folder as it was is kept first.
    if (const std::string refusal = CImportBackup::Make(context.data.Accounts());
        !refusal.empty()) {
        context.data.Say(refusal);
        return kExitRefused;
    }
    CStatementFile::Result result;
    const int rc = ImportChosenStatement(context, *account, path, result);
    if (rc != CStatementFile::kImported) {
        // Lines taken before a failure live only in memory: without a save the data folder
        // stays as it was.
        context.data.Say(sys::WideToUtf8(sys::WithoutControls(result.text)));
        if (rc == CStatementFile::kNoneFits || rc == CStatementFile::kNoSuchStatement) {
            context.data.Say(Text(res::IDS_CLI_CHOOSE_STATEMENT));
        }
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
             {"changed", result.changed},
             {"statement", Utf8(result.statement)},
             {"balance", FormatAmount(account->GetBalance(CCVAccount::kBalanceCurrent))},
             {"cleared", FormatAmount(account->GetBalance(CCVAccount::kBalanceCleared))}});
    } else {
        context.output.Line(Format(res::IDS_CLI_IMPORTED, name.c_str(), result.added,
                                   result.matched, result.skipped));
        for (const std::wstring& note : result.notes) {
            context.output.Line(sys::WideToUtf8(sys::WithoutControls(note)));
        }
    }
    return kExitDone;
}

}  // namespace cli
