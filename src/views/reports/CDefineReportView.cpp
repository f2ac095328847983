#include "views/reports/CDefineReportView.h"

#include <vector>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/ui/CDatePicker.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "reports/ReportChoices.h"
#include "reports/ReportScreens.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "storage/DateTime.h"

namespace views {
namespace {

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

ui::CSpinner* Spinner(ui::HWND field) {
    return ui::GetControl<ui::CSpinner>(field);
}

ui::CDatePicker* Picker(ui::HWND field) {
    return ui::GetControl<ui::CDatePicker>(field);
}

constexpr res::StringId kSideNames[] = {res::IDS_REPORT_SIDE_ALL, res::IDS_REPORT_SIDE_INCOMES,
                                        res::IDS_REPORT_SIDE_EXPENSES};

}  // namespace

shell::CCVView::Frame CDefineReportView::Describe(ui::LPARAM) {
    return Frame{L"DefineReportView", Text(res::IDS_DEFINE_REPORT_TITLE), res::IDM_REPORT_FORM};
}

bool CDefineReportView::OnCreate(ui::LPARAM) {
    CCVAccountList* accounts = Model().GetAccountList();
    if (accounts == nullptr) return false;
    m_settings = report::ReadSettings(report::Screen::kList, Model().GetPreferences());
    std::vector<std::wstring> groupings;
    for (int i = 0; i < report::kByCount; ++i) groupings.push_back(Text(report::ByNameId(i)));
    std::vector<std::wstring> periods;
    for (int i = 0; i < report::kPeriodCount; ++i) periods.push_back(Text(report::PeriodNameId(i)));
    std::vector<std::wstring> accountNames{Text(res::IDS_ALL_ACCOUNTS)};
    int chosenAccount = 0;
    for (std::uint32_t i = 0; i < accounts->Count(); ++i) {
        accountNames.push_back(CCVUIUtility::WideCopy(accounts->At(i)->GetName()));
        if (!m_settings.account.IsNull() && accounts->At(i)->GetAccountId() == m_settings.account) {
            chosenAccount = static_cast<int>(i) + 1;
        }
    }
    std::vector<std::wstring> sides;
    for (const res::StringId name : kSideNames) sides.push_back(Text(name));
    m_fields[kBy] = AddSpinnerRow(Text(res::IDS_LABEL_BY), kBy, groupings, m_settings.by);
    m_fields[kPeriod] =
        AddSpinnerRow(Text(res::IDS_LABEL_PERIOD), kPeriod, periods, m_settings.period);
    m_fields[kStart] = AddDateRow(Text(res::IDS_LABEL_START_DATE), kStart, m_settings.startDate);
    m_fields[kEnd] = AddDateRow(Text(res::IDS_LABEL_END_DATE), kEnd, m_settings.endDate);
    m_fields[kAccount] =
        AddSpinnerRow(Text(res::IDS_LABEL_ACCOUNT), kAccount, accountNames, chosenAccount);
    m_fields[kAmounts] =
        AddSpinnerRow(Text(res::IDS_LABEL_AMOUNTS), kAmounts, sides, m_settings.direction);
    for (int field = kBy; field <= kAmounts; ++field) {
        if (m_fields[field] == nullptr) return false;
    }
    // Another period than "Custom" shows its days.
    if (m_settings.period != report::kCustom) ShowPeriodDates();
    return true;
}

void CDefineReportView::ShowPeriodDates() {
    DateTime start = 0;
    DateTime end = 0;
    if (report::PeriodDates(SpinnerIndex(m_fields[kPeriod]), start, end) != 0) return;
    Picker(m_fields[kStart])->SetSystemTime(DateToSystemTime(start));
    Picker(m_fields[kEnd])->SetSystemTime(DateToSystemTime(end));
    Repaint();
}

ui::LRESULT CDefineReportView::OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM,
                                         bool& handled) {
    handled = false;
    if (message != ui::WM_CV_VALUE_CHANGED) return 0;
    handled = true;
    switch (static_cast<int>(wParam)) {
        case kPeriod:
            ShowPeriodDates();
            break;
        case kStart:
        case kEnd:
            // Days of one's own make a period of one's own.
            Spinner(m_fields[kPeriod])->SetCurSel(report::kCustom);
            ui::InvalidateRect(m_fields[kPeriod]);
            break;
        default:
            break;
    }
    return 0;
}

bool CDefineReportView::Done() {
    CReportSettings settings = m_settings;
    settings.by = static_cast<std::uint8_t>(SpinnerIndex(m_fields[kBy]));
    settings.period = static_cast<std::uint8_t>(SpinnerIndex(m_fields[kPeriod]));
    settings.direction = static_cast<std::uint8_t>(SpinnerIndex(m_fields[kAmounts]));
    settings.startDate = DateOf(m_fields[kStart]);
    settings.endDate = DayBoundary(DateOf(m_fields[kEnd]), kDayEnd);
    const int account = SpinnerIndex(m_fields[kAccount]);
    CCVAccountList* accounts = Model().GetAccountList();
    settings.account = account > 0 && accounts->At(account - 1) != nullptr
                           ? accounts->At(account - 1)->GetAccountId()
                           : RecordKey{};
    if (const res::StringId problem = report::CheckDefinition(settings); problem != res::IDS_NONE) {
        Ask(problem, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        FocusField(m_fields[kEnd]);
        return false;
    }
    if (!settings.WriteReport(Model().GetPreferences())) {
        Ask(res::IDS_SETTINGS_NOT_SAVED, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CDefineReportView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_FORM_DONE:
            if (Done()) PostBack(0);
            return true;
        case res::IDC_RPT_FORM_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
