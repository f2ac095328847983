#include "views/reports/ReportHeading.h"

#include "model/CCVAccount.h"
#include "platform/sys/CodePage.h"
#include "reports/CCVReportList.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

std::string Utf8(res::StringId id) {
    return sys::WideToUtf8(res::LoadString(id));
}

res::StringId SideName(int direction) {
    switch (direction) {
        case report::kIncomes:
            return res::IDS_REPORT_SIDE_INCOMES;
        case report::kExpenses:
            return res::IDS_REPORT_SIDE_EXPENSES;
        default:
            return res::IDS_REPORT_SIDE_ALL;
    }
}

}  // namespace

std::wstring ReportHeading(const CCVReportList& report, report::Screen screen) {
    const std::string by = Utf8(report::ByNameId(report.GetBy()));
    const std::string period = Utf8(report::PeriodNameId(report.GetPeriod()));
    if (screen == report::Screen::kBudget) {
        return CCVUIUtility::FormatString(res::IDS_BUDGET_HEADING, by.c_str(), period.c_str());
    }
    const std::string side = Utf8(SideName(report.GetDirection()));
    if (const CCVAccount* account = report.GetAccount()) {
        const std::string name = sys::WideToUtf8(CCVUIUtility::WideCopy(account->GetName()));
        return CCVUIUtility::FormatString(res::IDS_REPORT_HEADING_ACCOUNT, side.c_str(), by.c_str(),
                                          period.c_str(), name.c_str());
    }
    return CCVUIUtility::FormatString(res::IDS_REPORT_HEADING, side.c_str(), by.c_str(),
                                      period.c_str());
}

}  // namespace views
