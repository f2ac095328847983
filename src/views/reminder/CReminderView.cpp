#include "views/reminder/CReminderView.h"

#include <string>

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "preferences/CCVTodayPlugIn.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/ViewNumbers.h"

namespace views {

shell::CCVView::Frame CReminderView::Describe(ui::LPARAM) {
    return Frame{L"UpcomingTransactionReminder",
                 std::wstring(res::LoadString(res::IDS_REMINDER_TITLE)), res::IDM_REMINDER};
}

bool CReminderView::OnCreate(ui::LPARAM) {
    return true;
}

void CReminderView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    dc.SetBkColor(ui::GetSysColor(ui::COLOR_WINDOW));
    dc.SetTextColor(ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    ui::RECT text{client.left + 1, client.top + 1, client.right - 1, client.bottom};
    dc.DrawText(std::wstring(res::LoadString(res::IDS_REMINDER_TEXT)), text, ui::DT_WORDBREAK);
}

// The program ends here without "Exit": it must say itself that it no longer runs, or the
// companion would keep waiting for it and show no reminder.
void CReminderView::End() {
    CCVTodayPlugIn::WriteReminderStatus(CCVTodayPlugIn::kProgramExited);
    ui::PostQuitMessage(0);
}

bool CReminderView::OnCommand(int id) {
    switch (id) {
        case res::IDC_REMINDER_DONE:
            CCVTodayPlugIn::ResetSnooze();
            End();
            return true;
        case res::IDC_REMINDER_SNOOZE:
            CCVTodayPlugIn::Snooze();
            End();
            return true;
        case res::IDC_REMINDER_GOTO:
            Navigate(shell::kEventAccountsSummary);
            return true;
        default:
            return false;
    }
}

}  // namespace views
