#include "views/reports/CReportPreferencesView.h"

#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace views {
namespace {

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

report::Screen ScreenOf(ui::LPARAM param) {
    return param == static_cast<ui::LPARAM>(report::Screen::kBudget) ? report::Screen::kBudget
                                                                     : report::Screen::kList;
}

}  // namespace

shell::CCVView::Frame CReportPreferencesView::Describe(ui::LPARAM param) {
    const bool budget = ScreenOf(param) == report::Screen::kBudget;
    return Frame{
        budget ? L"Budget Preferences" : L"Report Preferences",
        Text(budget ? res::IDS_BUDGET_PREFERENCES_TITLE : res::IDS_REPORT_PREFERENCES_TITLE),
        res::IDM_REPORT_FORM};
}

bool CReportPreferencesView::OnCreate(ui::LPARAM param) {
    m_screen = ScreenOf(param);
    m_settings = report::ReadSettings(m_screen, Model().GetPreferences());
    const auto check = [this](Field field, const std::wstring& label, res::StringId text,
                              bool checked) {
        m_fields[field] = AddCheckRow(label, field, checked, Text(text));
        return m_fields[field] != nullptr;
    };
    if (Budget()) return check(kShowEmpty, L"", res::IDS_BUDGET_SHOW_EMPTY, m_settings.showEmpty);
    return check(kShowEmpty, L"", res::IDS_SHOW_EMPTY_ITEMS, m_settings.showEmpty) &&
           check(kLabelName, Text(res::IDS_PIE_LABELS), res::IDS_PIE_LABEL_NAME,
                 m_settings.labelName) &&
           check(kLabelAmount, L"", res::IDS_PIE_LABEL_AMOUNT, m_settings.labelAmount) &&
           check(kLabelPercent, L"", res::IDS_PIE_LABEL_PERCENT, m_settings.labelPercent);
}

bool CReportPreferencesView::Checked(Field field) const {
    return IsChecked(m_fields[field]);
}

bool CReportPreferencesView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_FORM_DONE: {
            CReportSettings settings = m_settings;
            settings.showEmpty = Checked(kShowEmpty);
            bool written = false;
            if (Budget()) {
                written = settings.WriteBudget(Model().GetPreferences());
            } else {
                settings.labelName = Checked(kLabelName);
                settings.labelAmount = Checked(kLabelAmount);
                settings.labelPercent = Checked(kLabelPercent);
                written = settings.WriteReport(Model().GetPreferences());
            }
            if (!written) {
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
