#include "cli/CFileExport.h"

#include <cstdio>

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CliExit.h"
#include "cli/CliValues.h"
#include "interchange/CJsonExport.h"
#include "interchange/CLedgerWriter.h"
#include "interchange/CQifWriter.h"
#include "interchange/InterchangeValues.h"
#include "storage/DateTime.h"

namespace cli {
namespace {

constexpr std::string_view kQif = "qif";
constexpr std::string_view kLedger = "ledger";
constexpr std::string_view kJson = "json";

int Refuse(CCommand::Context& context, res::StringId id, const std::string& format) {
    context.data.Say(interchange::Message(id, format.c_str()));
    return kExitRefused;
}

}  // namespace

bool CFileExport::Writes(const std::string& format) {
    return SameText(format, kQif) || SameText(format, kLedger) || SameText(format, kJson);
}

int CFileExport::Export(CCommand::Context& context, const std::string& format) {
    const std::vector<std::string>& arguments = context.arguments.Arguments();
    std::string out;
    if (SameText(format, kQif)) {
        const CQifWriter writer(context.data.Accounts());
        if (arguments.empty()) {
            writer.WriteAll(out);
        } else {
            const CCVAccount* account = context.data.FindAccount(arguments[0]);
            if (account == nullptr) return kExitRefused;
            writer.WriteAccount(*account, out);
        }
    } else {
        if (!arguments.empty()) return Refuse(context, res::IDS_INTERCHANGE_WHOLE_FOLDER, format);
        if (SameText(format, kLedger)) {
            CLedgerWriter(context.data.Accounts(), DayBoundary(Now(), kDayStart)).Write(out);
        } else {
            CJsonExport(context.data.Accounts()).Write(out);
        }
    }
    if (std::fwrite(out.data(), 1, out.size(), context.output.Stream()) != out.size()) {
        return kExitRefused;
    }
    return kExitDone;
}

}  // namespace cli
