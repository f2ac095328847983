#pragma once

#include "shell/CCVView.h"

// The reminder (view 72, "UpcomingTransactionReminder"), which `coinvale --reminder` opens: a
// notice that upcoming transactions are due. "Done" ends the program and hands the reminders back
// to the companion ("Reminder Status" 1, the snooze cleared); "Snooze" puts the reminder off by two
// minutes and ends the program the same way; "Goto" opens the accounts summary.
namespace views {

class CReminderView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;

  private:
    void End();
};

}  // namespace views
