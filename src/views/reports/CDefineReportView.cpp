#include "views/reports/CDefineReportView.h"

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
    m_fields[kBy] = AddFormField(Text(res::IDS_LABEL_BY), L"LISTBOX", kBy);
    m_fields[kPeriod] = AddFormField(Text(res::IDS_LABEL_PERIOD), L"LISTBOX", kPeriod);
    m_fields[kStart] = AddFormField(Text(res::IDS_LABEL_START_DATE), L"SysDateTimePick32", kStart);
    m_fields[kEnd] = AddFormField(Text(res::IDS_LABEL_END_DATE), L"SysDateTimePick32", kEnd);
    m_fields[kAccount] = AddFormField(Text(res::IDS_LABEL_ACCOUNT), L"LISTBOX", kAccount);
    m_fields[kAmounts] = AddFormField(Text(res::IDS_LABEL_AMOUNTS), L"LISTBOX", kAmounts);
    for (int field = kBy; field <= kAmounts; ++field) {
        if (m_fields[field] == nullptr) return false;
    }
    for (int i = 0; i < report::kByCount; ++i) {
        Spinner(m_fields[kBy])->AddString(Text(report::ByNameId(i)));
    }
    for (int i = 0; i < report::kPeriodCount; ++i) {
        Spinner(m_fields[kPeriod])->AddString(Text(report::PeriodNameId(i)));
    }
    ui::CSpinner* account = Spinner(m_fields[kAccount]);
    account->AddString(Text(res::IDS_ALL_ACCOUNTS));
    int chosenAccount = 0;
    for (std::uint32_t i = 0; i < accounts->Count(); ++i) {
        account->AddString(CCVUIUtility::WideCopy(accounts->At(i)->GetName()));
        if (!m_settings.account.IsNull() && accounts->At(i)->GetAccountId() == m_settings.account) {
            chosenAccount = static_cast<int>(i) + 1;
        }
    }
    for (const res::StringId name : kSideNames) Spinner(m_fields[kAmounts])->AddString(Text(name));
    Spinner(m_fields[kBy])->SetCurSel(m_settings.by);
    Spinner(m_fields[kPeriod])->SetCurSel(m_settings.period);
    account->SetCurSel(chosenAccount);
    Spinner(m_fields[kAmounts])->SetCurSel(m_settings.direction);
    if (m_settings.period == report::kCustom) {
        Picker(m_fields[kStart])->SetSystemTime(DateToSystemTime(m_settings.startDate));
        Picker(m_fields[kEnd])->SetSystemTime(DateToSystemTime(m_settings.endDate));
    } else {
        ShowPeriodDates();
    }
    return true;
}

void CDefineReportView::ShowPeriodDates() {
    DateTime start = 0;
    DateTime end = 0;
    if (report::PeriodDates(Spinner(m_fields[kPeriod])->GetCurSel(), start, end) != 0) return;
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
    settings.by = static_cast<std::uint8_t>(Spinner(m_fields[kBy])->GetCurSel());
    settings.period = static_cast<std::uint8_t>(Spinner(m_fields[kPeriod])->GetCurSel());
    settings.direction = static_cast<std::uint8_t>(Spinner(m_fields[kAmounts])->GetCurSel());
    settings.startDate =
        DayBoundary(SystemTimeToDate(Picker(m_fields[kStart])->GetSystemTime()), kDayStart);
    settings.endDate =
        DayBoundary(SystemTimeToDate(Picker(m_fields[kEnd])->GetSystemTime()), kDayEnd);
    const int account = Spinner(m_fields[kAccount])->GetCurSel();
    CCVAccountList* accounts = Model().GetAccountList();
    settings.account = account > 0 && accounts->At(account - 1) != nullptr
                           ? accounts->At(account - 1)->GetAccountId()
                           : RecordKey{};
    if (const res::StringId problem = report::CheckDefinition(settings); problem != res::IDS_NONE) {
        Ask(problem, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        ui::SetFocus(m_fields[kEnd]);
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
