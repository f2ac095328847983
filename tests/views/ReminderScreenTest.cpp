// The reminder screen that `coinvale --reminder` opens: "Done" and "Snooze" end the program and
// leave "Reminder Status" 1, so that the companion knows the program no longer runs (it once
// left 0 behind); "Done" clears the snooze and "Snooze" adds two minutes; "Goto" opens the
// accounts summary.
#include "ScreenFixture.h"

#include "platform/ui/WindowApi.h"
#include "preferences/CCVTodayPlugIn.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "shell/ViewNumbers.h"

namespace views_test {
namespace {

class ReminderScreenTest : public ScreenFixture {
  protected:
    // The program started for the reminder: its first screen is the reminder's.
    void OpenReminder() {
        shell::CCVApplication& app = shell::CCVApplication::Instance();
        app.SetFirstScreenChooser([&app] { app.PostNavigate(shell::kEventReminder, 0); });
        ASSERT_EQ(app.CreateController(), 0);
        Pump();
        ASSERT_EQ(CurrentView(), shell::kViewReminder);
    }
    // Whether the program was told to end: a quit message waits in the queue.
    static bool QuitPosted() {
        ui::MSG msg;
        bool quit = false;
        while (ui::PeekMessage(msg, nullptr, 0, 0, ui::PM_REMOVE)) {
            if (msg.message == ui::WM_QUIT) {
                quit = true;
                continue;
            }
            ui::TranslateMessage(msg);
            ui::DispatchMessage(msg);
        }
        return quit;
    }
};

TEST_F(ReminderScreenTest, DoneAndSnoozeEndTheProgramAndHandTheRemindersBack) {
    OpenReminder();
    EXPECT_TRUE(Shows(L"There are several upcoming transactions are due in Coinvale."));
    EXPECT_EQ(CCVTodayPlugIn::ReadReminderStatus(), CCVTodayPlugIn::kProgramRunning);

    Choose({L"Snooze"});
    EXPECT_TRUE(QuitPosted());
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 120u);
    EXPECT_EQ(CCVTodayPlugIn::ReadReminderStatus(), CCVTodayPlugIn::kProgramExited);

    CCVTodayPlugIn::WriteReminderStatus(CCVTodayPlugIn::kProgramRunning);
    Key(ui::VK_TSOFT1);  // Done
    EXPECT_TRUE(QuitPosted());
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 0u);
    EXPECT_EQ(CCVTodayPlugIn::ReadReminderStatus(), CCVTodayPlugIn::kProgramExited);
}

TEST_F(ReminderScreenTest, GotoOpensTheAccountsSummary) {
    OpenReminder();
    Choose({L"Goto"});
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
}

}  // namespace
}  // namespace views_test
