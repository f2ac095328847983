#include "cli/CBudgetCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CReportCommand.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/AmountMath.h"
#include "reports/CCVReportList.h"

namespace cli {

int CBudgetCommand::Run(Context& context) {
    int by = 0;
    int period = 0;
    if (const int rc = CReportCommand::ReadBy(context, by); rc != 0) return rc;
    // A budget's period follows from its name: a period of one's own has none.
    if (const int rc = CReportCommand::ReadPeriod(context, report::kCustom, period); rc != 0) {
        return rc;
    }
    CCVReportList* budget = CCVReportList::FromModel(context.data.Model());
    if (budget == nullptr) return kExitRefused;
    budget->SetAccount(nullptr);
    budget->SetBudgetMode();
    if (budget->ApplySettings(by, period, context.arguments.Has("--show-empty")) != 0 ||
        budget->Build() != 0) {
        return kExitRefused;
    }

    CTextTable table;
    table.AddColumn(Text(report::ByNameId(budget->GetBy())));
    for (const res::StringId id :
         {res::IDS_CLI_COLUMN_BUDGET, res::IDS_CLI_COLUMN_ACTUAL, res::IDS_CLI_COLUMN_DIFFERENCE}) {
        table.AddColumn(Text(id), CTextTable::kRight);
    }
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    const auto add = [&](const std::string& name, Amount planned, Amount actual) {
        const std::vector<std::string> cells{name, FormatAmount(planned), FormatAmount(actual),
                                             FormatAmount(SubtractAmounts(actual, planned))};
        table.AddRow(cells);
        return nlohmann::ordered_json{
            {"name", name}, {"budget", cells[1]}, {"actual", cells[2]}, {"difference", cells[3]}};
    };
    for (std::uint32_t i = 0; i < budget->Count(); ++i) {
        const CCVReportItem& row = *budget->At(i);
        rows.push_back(add(Utf8(row.Name()), budget->GetBudget(row, true), row.GetAmount()));
    }
    nlohmann::ordered_json total =
        add(Text(res::IDS_CLI_TOTAL), budget->GetBudgetTotal(), budget->GetTotal());
    if (context.output.IsJson()) {
        nlohmann::ordered_json json;
        CReportCommand::AddPeriod(*budget, json);
        json["rows"] = rows;
        total.erase("name");
        json["total"] = total;
        context.output.Json(json);
    } else {
        context.output.Line(CReportCommand::PeriodLine(*budget));
        context.output.Table(table);
    }
    return kExitDone;
}

}  // namespace cli
