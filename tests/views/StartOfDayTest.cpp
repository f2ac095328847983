// What the program asks when it opens, and what a second start does: the due scheduled
// transactions and the pending imports are offered once per run, each only where its screen
// exists; a second start brings the running program to the front and re-arms the lock.
#include "ScreenFixture.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "shell/CCVView.h"
#include "shell/RegisteredMessages.h"
#include "shell/ViewNumbers.h"
#include "storage/DateTime.h"

namespace views_test {
namespace {

constexpr char kQuestion[] = "There are one or more Scheduled Transactions due.";

// Stands in for the upcoming-transactions screen.
class UpcomingStandIn : public shell::CCVView {
protected:
    Frame Describe(ui::LPARAM) override { return Frame{L"UpcomingStandIn", L"Upcoming", 0}; }
    bool OnCreate(ui::LPARAM) override { return true; }
};

class StartOfDayTest : public ScreenFixture {
protected:
    void ScheduleDueToday() {
        CScheduledList* scheduled = Accounts().GetScheduledTransactions();
        ASSERT_NE(scheduled, nullptr);
        auto item = std::make_unique<CScheduledItem>();
        item->SetAccountId(Account("Checking").GetAccountId());
        item->SetNextDate(::Now());
        item->SetFrequency(kFrequencyMonthly);
        item->SetRemainingCount(CScheduledItem::kIndefinitely);
        item->SetEnterMode(CScheduledItem::kRemindMe);
        scheduled->Append(item.release());
        ASSERT_TRUE(scheduled->AnyDue());
    }
    bool Asked() const {
        return m_screen.TextBeforeLastInput().find(L"Scheduled Transactions due") !=
               std::wstring::npos;
    }
};

TEST_F(StartOfDayTest, DueScheduledTransactionsAreOfferedOnceAndYesOpensTheUpcomingList) {
    ScheduleDueToday();
    shell::CCVApplication::Instance().Catalog().Register(
        shell::kViewUpcoming, [] { return std::make_unique<UpcomingStandIn>(); });
    m_screen.TypeKey(ui::VK_TSOFT2);  // No
    Start();
    EXPECT_TRUE(Asked()) << kQuestion;
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);

    // Back from a register builds the summary again: nothing is asked a second time.
    Key(ui::VK_RETURN);
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_FALSE(Shows(L"Scheduled Transactions due"));
}

TEST_F(StartOfDayTest, YesOpensTheUpcomingTransactions) {
    ScheduleDueToday();
    shell::CCVApplication::Instance().Catalog().Register(
        shell::kViewUpcoming, [] { return std::make_unique<UpcomingStandIn>(); });
    m_screen.TypeKey(ui::VK_RETURN);  // Yes
    Start();
    EXPECT_TRUE(Asked());
    EXPECT_EQ(CurrentView(), shell::kViewUpcoming);
}

TEST_F(StartOfDayTest, YesShowsTheDueOccurrenceInTheUpcomingList) {
    ScheduleDueToday();
    m_screen.TypeKey(ui::VK_RETURN);  // Yes
    Start();
    EXPECT_TRUE(Asked());
    ASSERT_EQ(CurrentView(), shell::kViewUpcoming);
    const int row = LineOf(L"(no payee)");
    ASSERT_GE(row, 0);
    EXPECT_NE(Line(row).find(L"Checking"), std::wstring::npos);
}

TEST_F(StartOfDayTest, ASecondStartActivatesTheScreenAndRearmsTheLock) {
    Start();
    CCVPreferences& preferences = Model().GetPreferences();
    preferences.SetLockTime(6);  // "After 15 Minutes"
    preferences.SetLockSecurityTime(0);
    ui::PostMessage(shell::CCVApplication::Instance().CurrentWindow(),
                    shell::RegisteredMessage(shell::kRunningInstanceMessage), 0, 0);
    Pump();
    EXPECT_EQ(preferences.GetLockSecurityTime(), ::Now() + 900);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);

    preferences.SetLockTime(8);
    EXPECT_TRUE(shell::CCVApplication::Instance().Activate());
    EXPECT_EQ(preferences.GetLockSecurityTime(), ::Now() + 1800);
}

}  // namespace
}  // namespace views_test
