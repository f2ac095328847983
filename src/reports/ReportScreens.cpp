#include "reports/ReportScreens.h"

#include "model/CCVAccountList.h"
#include "preferences/CCVPreferences.h"
#include "reports/CCVReportList.h"
#include "resources/ScreenIds.h"

namespace report {

CReportSettings ReadSettings(Screen screen, const CCVPreferences& preferences) {
    if (screen == Screen::kBudget) return CReportSettings::ReadBudget(preferences);
    CReportSettings settings = CReportSettings::ReadReport(preferences);
    if (screen == Screen::kChart && ChooseChartSide(settings)) settings.WriteReport(preferences);
    return settings;
}

bool ChooseChartSide(CReportSettings& settings) {
    if (settings.direction != kAllAmounts) return false;
    settings.direction = kExpenses;
    return true;
}

int BuildFor(CCVReportList& report, Screen screen, const CReportSettings& settings) {
    if (screen == Screen::kBudget) {
        report.SetAccount(nullptr);
        report.SetBudgetMode();
        if (report.ApplySettings(settings.by, settings.period, settings.showEmpty) != 0) return 1;
        return report.Build();
    }
    CReportSettings shown = settings;
    if (screen == Screen::kChart) ChooseChartSide(shown);
    CCVAccount* account = nullptr;
    if (!shown.account.IsNull()) {
        // An account deleted since it was chosen leaves the report on all accounts.
        account = report.GetAccountList().FindAccountById(shown.account);
    }
    report.SetAccount(account);
    if (report.SetReportOptions(screen == Screen::kChart, shown.direction) != 0 ||
        report.ApplySettings(shown) != 0) {
        return 1;
    }
    return report.Build();
}

res::StringId CheckDefinition(const CReportSettings& settings) {
    if (settings.period == kCustom && settings.endDate < settings.startDate) {
        return res::IDS_PERIOD_REVERSED;
    }
    return res::IDS_NONE;
}

}  // namespace report
