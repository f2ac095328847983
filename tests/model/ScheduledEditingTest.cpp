// The editor's rules for scheduled transactions: a new one saved without a repeat occurs once on
// the editor's day, "# of times" 0 is refused, an account is needed, a transfer to that account
// itself is refused, the reminder time is worked out again after every change, and "Record" of an
// upcoming occurrence enters it as edited while the series keeps its template.
#include "model/CScheduledEditing.h"

#include <gtest/gtest.h>

#include "AccountListFixture.h"
#include "RegisterFixture.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CUpcomingTransItem.h"
#include "model/MScheduleHost.h"
#include "platform/sys/Clock.h"
#include "resources/ScreenIds.h"

namespace {

using register_fixture::Type;

// The account list's part, with the reminder value kept here.
class Host : public MScheduleHost {
  public:
    // The list is loaded after the host is made.
    explicit Host(const std::unique_ptr<CCVAccountList>& list) : m_list(list) {}
    CCVAccount* FindAccountById(const RecordKey& id) override {
        return m_list->FindAccountById(id);
    }
    int AddTransactionWithTwins(CCVAccount& account,
                                std::unique_ptr<CTransaction> transaction) override {
        return m_list->AddTransactionWithTwins(account, std::move(transaction));
    }
    DateTime ReadNearestDateTime() override { return nearest; }
    void WriteNearestDateTime(DateTime time) override {
        nearest = time;
        ++writes;
    }
    DateTime nearest = 0;
    int writes = 0;

  private:
    const std::unique_ptr<CCVAccountList>& m_list;
};

class ScheduledEditing : public ::testing::Test {
  protected:
    ScheduledEditing() {
        sys::SetTestTime(sys::MakeSystemTime(2027, 3, 10, 14, 30, 0));
        list = folder.Load();
        scheduled = list->GetScheduledTransactions();
        checking = list->At(1);
    }
    ~ScheduledEditing() override { sys::ClearTestTime(); }

    CTransactionEditing::Fields Typed(const char* amount, const char* category = "") const {
        CTransactionEditing::Fields fields;
        fields.amount = amount;
        fields.date = Day(2027, 3, 20);
        fields.payee = "Rent";
        fields.category = category;
        fields.typeId = BuiltInKey(Type::kTypeWithdrawal);
        return fields;
    }
    CScheduledEditing editing() { return CScheduledEditing(*list, *scheduled, host); }

    account_list_fixture::DataFolder folder;
    std::unique_ptr<CCVAccountList> list;
    CScheduledList* scheduled = nullptr;
    CCVAccount* checking = nullptr;
    Host host{list};
};

TEST_F(ScheduledEditing, NewWithoutRepeatOccursOnceOnTheEditorsDay) {
    // Fault mended: saved without the repeat screen it had no occurrence left and never came.
    CScheduledItem working;
    ASSERT_TRUE(editing().ReadFields(Typed("700"), "Checking", working).IsDone());
    ASSERT_TRUE(editing().SaveNew(working, Day(2027, 3, 20)).IsDone());
    ASSERT_EQ(scheduled->Count(), 1u);
    const CScheduledItem& saved = *scheduled->At(0);
    EXPECT_EQ(saved.GetNextDate(), Day(2027, 3, 20));
    EXPECT_EQ(saved.GetRemainingCount(), 1);
    DateTime running = 0;
    EXPECT_TRUE(saved.OccursBy(running, Day(2027, 3, 21), 1));
    EXPECT_EQ(saved.Template().GetAmount(), 70000);
    EXPECT_EQ(saved.GetAccountId(), checking->GetAccountId());
    EXPECT_EQ(host.writes, 1);  // the reminder time was worked out again
}

TEST_F(ScheduledEditing, RefusalsChangeNothing) {
    CScheduledItem working;
    ASSERT_TRUE(editing().ReadFields(Typed("5"), "", working).IsDone());
    EXPECT_EQ(editing().SaveNew(working, Day(2027, 3, 20)).message,
              res::IDS_SCHEDULE_NEEDS_ACCOUNT);
    ASSERT_TRUE(editing().ReadFields(Typed("5", "[Checking]"), "Checking", working).IsDone());
    EXPECT_EQ(editing().SaveNew(working, Day(2027, 3, 20)).message, res::IDS_TRANSFER_SAME_ACCOUNT);
    // "# of times" 0 would never occur.
    ASSERT_TRUE(editing().ReadFields(Typed("5"), "Checking", working).IsDone());
    working.SetNextDate(Day(2027, 4, 1));
    working.SetFrequency(kFrequencyMonthly);
    working.SetRemainingCount(0);
    EXPECT_EQ(editing().SaveNew(working, Day(2027, 3, 20)).message, res::IDS_REPEAT_NEEDS_TIMES);
    EXPECT_EQ(editing().ReadFields(Typed("-5"), "Checking", working).message,
              res::IDS_EDITOR_NEGATIVE_AMOUNT);
    EXPECT_EQ(scheduled->Count(), 0u);
    EXPECT_EQ(host.writes, 0);
}

TEST_F(ScheduledEditing, EditReplacesAndTheReminderFollows) {
    CScheduledItem working;
    ASSERT_TRUE(editing().ReadFields(Typed("10"), "Checking", working).IsDone());
    working.SetNextDate(Day(2027, 3, 20, 9));
    working.SetFrequency(kFrequencyMonthly);
    working.SetRemainingCount(CScheduledItem::kIndefinitely);
    working.SetEnterMode(CScheduledItem::kRemindMe);
    working.SetDaysInAdvance(3);
    ASSERT_TRUE(editing().SaveNew(working, Day(2027, 3, 20)).IsDone());
    EXPECT_EQ(host.nearest, Day(2027, 3, 17, 9));

    CScheduledItem& stored = *scheduled->At(0);
    CScheduledItem changed = stored;
    changed.SetDaysInAdvance(5);
    ASSERT_TRUE(editing().ReadFields(Typed("12.5"), "Checking", changed).IsDone());
    ASSERT_TRUE(editing().SaveEdit(stored, changed).IsDone());
    EXPECT_EQ(stored.Template().GetAmount(), 1250);
    EXPECT_EQ(host.nearest, Day(2027, 3, 15, 9));
    EXPECT_EQ(scheduled->Count(), 1u);

    // Deleted: no reminder is left.
    ASSERT_EQ(editing().Delete(stored), 0);
    EXPECT_EQ(scheduled->Count(), 0u);
    EXPECT_EQ(host.nearest, 0u);
    CScheduledItem stranger;
    EXPECT_EQ(editing().Delete(stranger), 1);
}

TEST_F(ScheduledEditing, RecordEntersTheOccurrenceAsEditedAndKeepsTheSeries) {
    CScheduledItem working;
    ASSERT_TRUE(editing().ReadFields(Typed("100"), "Checking", working).IsDone());
    working.SetNextDate(Day(2027, 3, 10, 8));
    working.SetFrequency(kFrequencyMonthly);
    working.SetRemainingCount(CScheduledItem::kIndefinitely);
    ASSERT_TRUE(editing().SaveNew(working, Day(2027, 3, 10)).IsDone());
    CScheduledItem& stored = *scheduled->At(0);
    const CUpcomingTransItem upcoming(stored.GetNextDate(), stored);

    // Fault mended: recording an edited occurrence used to write the edit into the series itself.
    CScheduledItem edited = stored;
    ASSERT_TRUE(editing().ReadFields(Typed("123.45"), "Checking", edited).IsDone());
    ASSERT_TRUE(editing().Record(upcoming, edited, Day(2027, 3, 11)).IsDone());
    ASSERT_EQ(checking->Transactions().Count(), 1u);
    const CTransaction& entered = *checking->Transactions().At(0);
    EXPECT_EQ(entered.GetAmount(), 12345);
    EXPECT_EQ(DateToParts(entered.GetDate()).day, 11);
    EXPECT_EQ(stored.Template().GetAmount(), 10000);  // the series is unchanged
    EXPECT_EQ(stored.GetNextDate(), Day(2027, 4, 10, 8));

    // The occurrence now is not the series' next: it cannot be recorded again.
    EXPECT_EQ(editing().Record(upcoming, edited, Day(2027, 3, 11)).message,
              res::IDS_SCHEDULE_OUT_OF_ORDER);
    EXPECT_EQ(checking->Transactions().Count(), 1u);
}

}  // namespace
