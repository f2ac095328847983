#include "cli/CReportCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "reports/CCVReportList.h"

namespace cli {
namespace {

std::vector<res::StringId> Names(res::StringId (*nameOf)(int), int count) {
    std::vector<res::StringId> names;
    for (int i = 0; i < count; ++i) names.push_back(nameOf(i));
    return names;
}

// What a row stands for, for programs.
const char* RoleWord(const CCVReportItem& row) {
    switch (row.GetRole()) {
        case CCVReportItem::kUnassignedRow:
            return "unassigned";
        case CCVReportItem::kTotalRow:
            return "total";
        case CCVReportItem::kOtherRow:
            return "other";
        default:
            return "item";
    }
}

const char* DirectionWord(int direction) {
    switch (direction) {
        case report::kIncomes:
            return "incomes";
        case report::kExpenses:
            return "expenses";
        default:
            return "all";
    }
}

}  // namespace

int CReportCommand::ReadBy(Context& context, int& by) {
    const std::string& text = *context.arguments.Value("--by");
    const std::vector<res::StringId> names = Names(&report::ByNameId, report::kByCount);
    by = FindName(text, names);
    if (by < 0) {
        return context.data.Refuse(res::IDS_CLI_BAD_GROUPING, text.c_str(),
                                   JoinNames(names).c_str());
    }
    return 0;
}

int CReportCommand::ReadPeriod(Context& context, int count, int& period) {
    const std::string* text = context.arguments.Value("--period");
    if (text == nullptr) return 0;
    const std::vector<res::StringId> names = Names(&report::PeriodNameId, count);
    period = FindName(*text, names);
    if (period < 0) {
        return context.data.Refuse(res::IDS_CLI_BAD_PERIOD, text->c_str(),
                                   JoinNames(names).c_str());
    }
    return 0;
}

int CReportCommand::ReadSettings(Context& context, CCVReportList& report) {
    const CArguments& arguments = context.arguments;
    CReportSettings settings;
    settings.showEmpty = arguments.Has("--show-empty");
    settings.direction = arguments.Has("--incomes")    ? report::kIncomes
                         : arguments.Has("--expenses") ? report::kExpenses
                                                       : report::kAllAmounts;
    int by = 0;
    if (const int rc = ReadBy(context, by); rc != 0) return rc;
    settings.by = static_cast<std::uint8_t>(by);
    const std::string* from = arguments.Value("--from");
    const std::string* to = arguments.Value("--to");
    int period = report::kLast30Days;
    if (from == nullptr && to == nullptr) {
        // A period of one's own has its dates; without them "Custom" names no days.
        if (const int rc = ReadPeriod(context, report::kCustom, period); rc != 0) return rc;
    } else {
        if (from == nullptr || to == nullptr)
            return context.data.Refuse(res::IDS_CLI_CUSTOM_NEEDS_DATES);
        DateTime start = 0;
        DateTime end = 0;
        if (!ParseDate(*from, start))
            return context.data.Refuse(res::IDS_CLI_BAD_DATE, from->c_str());
        if (!ParseDate(*to, end)) return context.data.Refuse(res::IDS_CLI_BAD_DATE, to->c_str());
        if (end < start)
            return context.data.Refuse(res::IDS_CLI_PERIOD_REVERSED, to->c_str(), from->c_str());
        period = report::kCustom;
        settings.startDate = start;
        settings.endDate = DayBoundary(end, kDayEnd);
    }
    settings.period = static_cast<std::uint8_t>(period);
    if (const std::string* name = arguments.Value("--account")) {
        CCVAccount* account = context.data.FindAccount(*name);
        if (account == nullptr) return kExitRefused;
        report.SetAccount(account);
    }
    report.SetReportOptions(false, settings.direction);
    report.ApplySettings(settings);
    return 0;
}

std::string CReportCommand::PeriodLine(const CCVReportList& report) {
    return Format(
        res::IDS_CLI_REPORT_PERIOD, Text(report::PeriodNameId(report.GetPeriod())).c_str(),
        FormatDate(report.GetStartDate()).c_str(), FormatDate(report.GetEndDate()).c_str());
}

void CReportCommand::AddPeriod(const CCVReportList& report, nlohmann::ordered_json& json) {
    json["by"] = Text(report::ByNameId(report.GetBy()));
    json["period"] = Text(report::PeriodNameId(report.GetPeriod()));
    json["from"] = FormatDate(report.GetStartDate());
    json["to"] = FormatDate(report.GetEndDate());
}

int CReportCommand::Run(Context& context) {
    CCVReportList* report = CCVReportList::FromModel(context.data.Model());
    if (report == nullptr) return kExitRefused;
    if (const int rc = ReadSettings(context, *report); rc != 0) return rc;
    if (report->Build() != 0) return kExitRefused;

    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    CTextTable table;
    table.AddColumn(Text(report::ByNameId(report->GetBy())));
    table.AddColumn(Text(res::IDS_CLI_COLUMN_AMOUNT), CTextTable::kRight);
    for (std::uint32_t i = 0; i < report->Count(); ++i) {
        const CCVReportItem& row = *report->At(i);
        const std::string name = Utf8(row.Name());
        table.AddRow({name, FormatAmount(row.GetAmount())});
        rows.push_back(
            {{"name", name}, {"role", RoleWord(row)}, {"amount", FormatAmount(row.GetAmount())}});
    }
    if (context.output.IsJson()) {
        nlohmann::ordered_json json;
        AddPeriod(*report, json);
        const CCVAccount* account = report->GetAccount();
        json["account"] =
            account != nullptr ? nlohmann::ordered_json(Utf8(account->GetName())) : nullptr;
        json["direction"] = DirectionWord(report->GetDirection());
        json["rows"] = rows;
        json["total"] = FormatAmount(report->GetTotal());
        context.output.Json(json);
    } else {
        table.AddRow({Text(res::IDS_CLI_TOTAL), FormatAmount(report->GetTotal())});
        context.output.Line(PeriodLine(*report));
        context.output.Table(table);
    }
    return kExitDone;
}

}  // namespace cli
