// The upcoming list and entering occurrences, on chosen days: listing through the periods,
// recording and skipping series to their end, check numbers, failures of the account and of the
// adding, the edit state, and the reminder time written after each change.
#include <gtest/gtest.h>

#include <vector>

#include "RegisterFixture.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "model/CScheduledList.h"
#include "model/CUpcomingTxnList.h"
#include "model/MScheduleHost.h"
#include "model/YesNo.h"
#include "platform/sys/Clock.h"

namespace {

using register_fixture::Type;

// The account list's part: accounts by identifier, adding (which can be made to fail before or
// after the transaction is in the register), and the reminder value.
class Host : public MScheduleHost {
  public:
    enum Failure { kNone, kRefuse, kTwinFails };

    CCVAccount* FindAccountById(const RecordKey& id) override {
        for (auto& account : accounts.accounts) {
            if (account->GetAccountId() == id) return account.get();
        }
        return nullptr;
    }
    int AddTransactionWithTwins(CCVAccount& account,
                                std::unique_ptr<CTransaction> transaction) override {
        if (failure == kRefuse) return 1;
        account.AddTransaction(std::move(transaction));
        return failure == kTwinFails ? 1 : 0;
    }
    DateTime ReadNearestDateTime() override { return nearest; }
    void WriteNearestDateTime(DateTime time) override {
        nearest = time;
        ++writes;
    }

    register_fixture::TestAccountList accounts;
    Failure failure = kNone;
    DateTime nearest = 0;
    int writes = 0;
};

class Upcoming : public ::testing::Test {
  protected:
    Upcoming() : checking(host.accounts.AddAccount("Checking")) {
        sys::SetTestTime(sys::MakeSystemTime(2027, 3, 10, 14, 30, 0));
    }
    ~Upcoming() override { sys::ClearTestTime(); }

    CScheduledItem& Add(DateTime next, std::uint8_t frequency, std::uint16_t count,
                        const char* payee = "Rent", Type type = Type::kTypeWithdrawal) {
        auto item = std::make_unique<CScheduledItem>();
        item->Template().SetPayeeName(payee);
        item->Template().SetTypeId(BuiltInKey(type));
        item->Template().SetAmount(5000);
        item->SetAccountId(checking.GetAccountId());
        item->SetNextDate(next);
        item->SetFrequency(frequency);
        item->SetRemainingCount(count);
        CScheduledItem& added = *item;
        scheduled.Append(item.release());
        return added;
    }

    std::vector<DateTime> Build(int period) {
        scheduled.BuildUpcoming(CScheduledList::AllAccounts(), period, upcoming);
        std::vector<DateTime> dates;
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(upcoming.Count()); ++i) {
            dates.push_back(upcoming.At(i)->GetOccurrenceDate());
        }
        return dates;
    }

    Host host;
    CCVAccount& checking;
    CScheduledList scheduled;
    CUpcomingTxnList upcoming;
};

TEST_F(Upcoming, WeeklyTwiceListedRecordedAndRemoved) {
    Add(Day(2027, 3, 10, 8), kFrequencyWeekly, 2);
    // Due this morning: "Due" lists it, as AnyDue announces it (it once listed nothing).
    EXPECT_EQ(Build(kThroughDue), (std::vector<DateTime>{Day(2027, 3, 10, 8)}));
    EXPECT_EQ(Build(kThroughOneWeek), (std::vector<DateTime>{Day(2027, 3, 10, 8)}));
    const std::vector<DateTime> both{Day(2027, 3, 10, 8), Day(2027, 3, 17, 8)};
    EXPECT_EQ(Build(kThroughTwoWeeks), both);
    EXPECT_EQ(Build(kThroughOneYear), both);
    EXPECT_TRUE(scheduled.AnyDue());

    EXPECT_EQ(scheduled.GetEditState(*upcoming.At(0)), kYes);
    EXPECT_EQ(scheduled.GetEditState(*upcoming.At(1)), kNo);
    EXPECT_EQ(scheduled.CheckEditable(*upcoming.At(1)),
              EditOutcome::Refused(res::IDS_SCHEDULE_OUT_OF_ORDER));
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(0), host), 0);
    EXPECT_EQ(scheduled.GetEditState(*upcoming.At(1)), kYes);
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(1), host), 0);
    // Ended and removed: the upcoming items now find nothing and change nothing.
    EXPECT_EQ(scheduled.Count(), 0u);
    EXPECT_EQ(scheduled.GetEditState(*upcoming.At(1)), 1);
    EXPECT_EQ(scheduled.CheckEditable(*upcoming.At(1)),
              EditOutcome::Refused(res::IDS_SCHEDULE_GONE));
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(1), host), 1);
    // Entered on the occurrences' days at the current time.
    ASSERT_EQ(checking.Transactions().Count(), 2u);
    EXPECT_EQ(checking.Transactions().At(0)->GetDate(), Day(2027, 3, 10) + 14 * 3600 + 30 * 60);
    EXPECT_EQ(checking.Transactions().At(1)->GetDate(), Day(2027, 3, 17) + 14 * 3600 + 30 * 60);
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCurrent), -10000);
}

TEST_F(Upcoming, OnceDueMonthEndsAndSameMoments) {
    Add(Day(2027, 2, 1), kFrequencyOnce, 1, "Once");
    EXPECT_EQ(Build(kThroughDue), std::vector<DateTime>{Day(2027, 2, 1)});
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(0), host), 0);
    EXPECT_EQ(scheduled.Count(), 0u);
    EXPECT_FALSE(scheduled.AnyDue());

    // Anchored on the 31st, listed through three months from January 31.
    sys::SetTestTime(sys::MakeSystemTime(2028, 1, 31, 10, 0, 0));
    Add(Day(2028, 1, 31), kFrequencyMonthly, CScheduledItem::kIndefinitely);
    EXPECT_EQ(Build(kThroughThreeMonths),
              (std::vector<DateTime>{Day(2028, 1, 31), Day(2028, 2, 29), Day(2028, 3, 31),
                                     Day(2028, 4, 30)}));

    // Two occurrences at the same moment: the one inserted later stands first.
    scheduled.Clear();
    CScheduledItem& first = Add(Day(2028, 2, 1, 9), kFrequencyOnce, 1, "First");
    CScheduledItem& second = Add(Day(2028, 2, 1, 9), kFrequencyOnce, 1, "Second");
    ASSERT_EQ(Build(kThroughOneWeek).size(), 2u);
    EXPECT_EQ(upcoming.At(0)->GetScheduledItem(), &second);
    EXPECT_EQ(upcoming.At(1)->GetScheduledItem(), &first);

    // The account filter.
    second.SetAccountId(host.accounts.AddAccount("Savings").GetAccountId());
    EXPECT_EQ(scheduled.BuildUpcoming(checking.GetAccountId(), kThroughOneWeek, upcoming), 1u);
    EXPECT_EQ(upcoming.At(0)->GetScheduledItem(), &first);
}

TEST_F(Upcoming, RecordAllMovesTheAnchorAndSkipRunsToTheEnd) {
    // Listed on the 30th; entering moves the anchor to February's last day, and Record All
    // still enters every listed occurrence once.
    sys::SetTestTime(sys::MakeSystemTime(2027, 1, 30, 12, 0, 0));
    CScheduledItem& rent = Add(Day(2027, 1, 30), kFrequencyMonthly, 4);
    EXPECT_EQ(Build(kThroughTwoMonths),
              (std::vector<DateTime>{Day(2027, 1, 30), Day(2027, 2, 28), Day(2027, 3, 30)}));
    EXPECT_EQ(scheduled.RecordAll(upcoming, host), 0);
    EXPECT_EQ(checking.Transactions().Count(), 3u);
    EXPECT_EQ(rent.GetNextDate(), Day(2027, 4, 30));
    EXPECT_EQ(rent.GetRemainingCount(), 1);

    // Skipping enters nothing and runs the series out.
    Build(kThroughOneYear);
    ASSERT_EQ(upcoming.Count(), 1u);
    EXPECT_EQ(scheduled.SkipOccurrence(*upcoming.At(0), host), 0);
    EXPECT_EQ(scheduled.Count(), 0u);
    EXPECT_EQ(checking.Transactions().Count(), 3u);
}

TEST_F(Upcoming, CheckNumbersAndFailures) {
    checking.Record().SetLastCheckNumber(100);
    CScheduledItem& check = Add(Day(2027, 3, 1), kFrequencyWeekly, 5, "Check", Type::kTypeCheck);
    Build(kThroughDue);
    ASSERT_EQ(upcoming.Count(), 2u);

    // Adding refused: nothing entered, the number stays free, the series stays.
    host.failure = Host::kRefuse;
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(0), host), 1);
    EXPECT_EQ(checking.Record().GetLastCheckNumber(), 100u);
    EXPECT_EQ(check.GetNextDate(), Day(2027, 3, 1));
    EXPECT_EQ(check.GetRemainingCount(), 5);

    // Entered but a twin failed: the number is used, the series stays.
    host.failure = Host::kTwinFails;
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(0), host), 1);
    EXPECT_EQ(checking.Record().GetLastCheckNumber(), 101u);
    EXPECT_EQ(check.GetNextDate(), Day(2027, 3, 1));

    host.failure = Host::kNone;
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(0), host), 0);
    EXPECT_EQ(checking.Record().GetLastCheckNumber(), 102u);
    ASSERT_EQ(checking.Transactions().Count(), 2u);
    EXPECT_EQ(checking.Transactions().At(0)->GetCheckNumber() +
                  checking.Transactions().At(1)->GetCheckNumber(),
              101u + 102u);
    EXPECT_EQ(check.Template().GetCheckNumber(), 0u);
    EXPECT_EQ(check.GetNextDate(), Day(2027, 3, 8));

    // Its account gone: nothing happens.
    check.SetAccountId(RecordKey{});
    EXPECT_EQ(scheduled.RecordOccurrence(*upcoming.At(1), host), 1);
    EXPECT_EQ(check.GetNextDate(), Day(2027, 3, 8));
    EXPECT_EQ(checking.Transactions().Count(), 2u);
}

TEST_F(Upcoming, ReminderTimeWrittenAfterChangesAndAtStartUp) {
    CScheduledItem& remind = Add(Day(2027, 3, 10, 9), kFrequencyWeekly, 3);
    remind.SetEnterMode(CScheduledItem::kRemindMe);
    remind.SetDaysInAdvance(3);
    CScheduledItem& later = Add(Day(2027, 3, 20, 9), kFrequencyWeekly, 3);
    later.SetEnterMode(CScheduledItem::kRemindMe);
    Add(Day(2027, 1, 1), kFrequencyOnce, 1);  // "Manually": no reminder

    // At start-up a stored time stays; a stored 0 is computed.
    host.nearest = 42;
    scheduled.RefreshReminderTimeIfUnset(host);
    EXPECT_EQ(host.writes, 0);
    host.nearest = 0;
    scheduled.RefreshReminderTimeIfUnset(host);
    EXPECT_EQ(host.nearest, Day(2027, 3, 7, 9));

    Build(kThroughDue);  // January's, and this morning's
    ASSERT_EQ(upcoming.Count(), 2u);
    EXPECT_EQ(scheduled.SkipOccurrence(*upcoming.At(0), host), 0);  // the manual one ends
    EXPECT_EQ(scheduled.Count(), 2u);
    Build(kThroughOneWeek);
    ASSERT_EQ(upcoming.Count(), 1u);
    EXPECT_EQ(scheduled.SkipOccurrence(*upcoming.At(0), host), 0);
    EXPECT_EQ(host.nearest, Day(2027, 3, 14, 9));
    remind.SetNextDate(kScheduleEnded);
    later.SetEnterMode(CScheduledItem::kManually);
    EXPECT_EQ(scheduled.UpdateReminderTime(host), 0u);
    EXPECT_EQ(host.nearest, 0u);
    EXPECT_EQ(scheduled.Count(), 1u);
}

}  // namespace
