#include "cli/CExportCommand.h"

#include "cli/CArguments.h"
#include "cli/CCsvWriter.h"
#include "cli/CFileExport.h"
#include "cli/COutput.h"
#include "cli/CRegisterCommand.h"
#include "cli/CRegisterRows.h"
#include "cli/CliValues.h"
#include "interchange/InterchangeValues.h"
#include "model/CCVAccountList.h"

namespace cli {
namespace {

constexpr std::string_view kCsv = "csv";

}  // namespace

int CExportCommand::Run(Context& context) {
    if (const std::string* format = context.arguments.Value("--format");
        format != nullptr && !SameText(*format, kCsv)) {
        if (CFileExport::Writes(*format)) return CFileExport::Export(context, *format);
        return context.data.Refuse(res::IDS_CLI_BAD_FORMAT, format->c_str());
    }
    if (context.arguments.Arguments().empty()) {
        context.data.Say(interchange::Message(res::IDS_INTERCHANGE_NEEDS_ACCOUNT, "csv"));
        return kExitRefused;
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
