#include "views/reports/CDefineBudgetView.h"

#include <vector>

#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "reports/ReportChoices.h"
#include "reports/ReportScreens.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace views {
namespace {

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CDefineBudgetView::Describe(ui::LPARAM) {
    return Frame{L"Define Budget", Text(res::IDS_DEFINE_BUDGET_TITLE), res::IDM_REPORT_FORM};
}

bool CDefineBudgetView::OnCreate(ui::LPARAM) {
    m_settings = report::ReadSettings(report::Screen::kBudget, Model().GetPreferences());
    std::vector<std::wstring> groupings;
    for (int i = 0; i < report::kByCount; ++i) groupings.push_back(Text(report::ByNameId(i)));
    // Every period but "Custom", whose days a budget has not.
    std::vector<std::wstring> periods;
    for (int i = 0; i < report::kCustom; ++i) periods.push_back(Text(report::PeriodNameId(i)));
    m_by = AddSpinnerRow(Text(res::IDS_LABEL_BY), kBy, groupings, m_settings.by);
    m_period = AddSpinnerRow(Text(res::IDS_LABEL_PERIOD), kPeriod, periods, m_settings.period);
    m_showEmpty =
        AddCheckRow(L"", kShowEmpty, m_settings.showEmpty, Text(res::IDS_BUDGET_SHOW_EMPTY));
    return m_by != nullptr && m_period != nullptr && m_showEmpty != nullptr;
}

bool CDefineBudgetView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_FORM_DONE: {
            CReportSettings settings = m_settings;
            settings.by = static_cast<std::uint8_t>(SpinnerIndex(m_by));
            settings.period = static_cast<std::uint8_t>(SpinnerIndex(m_period));
            settings.showEmpty = IsChecked(m_showEmpty);
            if (!settings.WriteBudget(Model().GetPreferences())) {
                Ask(res::IDS_SETTINGS_NOT_SAVED, ui::MB_OK | ui::MB_ICONEXCLAMATION);
                return true;
            }
            PostBack(0);
            return true;
        }
        case res::IDC_RPT_FORM_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
