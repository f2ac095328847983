#include "views/reports/CDefineBudgetView.h"

#include "model/CVModel.h"
#include "platform/ui/CCheckBox.h"
#include "platform/ui/CSpinner.h"
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
    m_by = AddFormField(Text(res::IDS_LABEL_BY), L"LISTBOX", kBy);
    m_period = AddFormField(Text(res::IDS_LABEL_PERIOD), L"LISTBOX", kPeriod);
    m_showEmpty = AddFormField(L"", L"BUTTON", kShowEmpty, ui::BS_AUTOCHECKBOX,
                               Text(res::IDS_BUDGET_SHOW_EMPTY));
    auto* by = ui::GetControl<ui::CSpinner>(m_by);
    auto* period = ui::GetControl<ui::CSpinner>(m_period);
    auto* showEmpty = ui::GetControl<ui::CCheckBox>(m_showEmpty);
    if (by == nullptr || period == nullptr || showEmpty == nullptr) return false;
    for (int i = 0; i < report::kByCount; ++i) by->AddString(Text(report::ByNameId(i)));
    // Every period but "Custom", whose days a budget has not.
    for (int i = 0; i < report::kCustom; ++i) period->AddString(Text(report::PeriodNameId(i)));
    by->SetCurSel(m_settings.by);
    period->SetCurSel(m_settings.period);
    showEmpty->SetChecked(m_settings.showEmpty);
    return true;
}

bool CDefineBudgetView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_FORM_DONE: {
            CReportSettings settings = m_settings;
            settings.by =
                static_cast<std::uint8_t>(ui::GetControl<ui::CSpinner>(m_by)->GetCurSel());
            settings.period =
                static_cast<std::uint8_t>(ui::GetControl<ui::CSpinner>(m_period)->GetCurSel());
            settings.showEmpty = ui::GetControl<ui::CCheckBox>(m_showEmpty)->IsChecked();
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
