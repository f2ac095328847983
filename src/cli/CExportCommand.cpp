#include "cli/CExportCommand.h"

#include "cli/CArguments.h"
#include "cli/CCsvWriter.h"
#include "cli/COutput.h"
#include "cli/CRegisterCommand.h"
#include "cli/CRegisterRows.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"

namespace cli {
namespace {

constexpr std::string_view kCsv = "csv";

}  // namespace

int CExportCommand::Run(Context& context) {
    if (const std::string* format = context.arguments.Value("--format");
        format != nullptr && !SameText(*format, kCsv)) {
        return context.data.Refuse(res::IDS_CLI_BAD_FORMAT, format->c_str());
    }
    CCVAccount* account = context.data.FindAccount(context.arguments.Arguments()[0]);
    if (account == nullptr) return kExitRefused;
    int filter = CTransaction::kFilterAll;
    if (const int rc = CRegisterCommand::ChooseRows(context, *account, filter); rc != 0) return rc;

    CCsvWriter csv(context.output.Stream());
    csv.WriteRecord(CRegisterRows::CsvHeader());
    const CRegisterRows register_(context.data.Accounts(), *account);
    for (const CRegisterRows::Row& row : register_.Rows(filter)) {
        csv.WriteRecord(CRegisterRows::CsvFields(row));
    }
    return kExitDone;
}

}  // namespace cli
