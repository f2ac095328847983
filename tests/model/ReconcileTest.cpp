// Reconciling against a statement on chosen days: the set-up values, next statement dates after
// month ends, the reconcile list, the difference with and without marks, the adjustment's
// direction, and finishing.
#include "model/CReconcile.h"

#include <gtest/gtest.h>

#include "RegisterFixture.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "platform/sys/Clock.h"

namespace {

using register_fixture::Txn;
using register_fixture::Type;

class Reconcile : public ::testing::Test {
  protected:
    Reconcile() : account(accounts.AddAccount("Checking")), reconcile(account) {
        sys::SetTestTime(sys::MakeSystemTime(2027, 3, 10, 14, 30, 0));
    }
    ~Reconcile() override { sys::ClearTestTime(); }

    register_fixture::TestAccountList accounts;
    CCVAccount& account;
    CReconcile reconcile;
};

TEST_F(Reconcile, StatementDefaultsAndNextStatementDates) {
    account.AddToBeginningBalance(1000);
    account.AddTransaction(Txn(Day(2027, 1, 3), 500));
    account.RecomputeBalances();
    CReconcile::StatementDefaults defaults;
    EXPECT_EQ(reconcile.GetStatementDefaults(defaults), CReconcile::kFromAccount);
    EXPECT_EQ(defaults.beginningBalance, 1000);
    EXPECT_EQ(defaults.endingBalance, 1500);
    EXPECT_EQ(defaults.date, Day(2027, 3, 10, 14, 30));

    account.Record().SetLastStatementDate(Day(2027, 1, 31, 9, 15));
    account.Record().SetLastStatementEndingBalance(1200);
    EXPECT_EQ(reconcile.GetStatementDefaults(defaults), CReconcile::kFromLastStatement);
    EXPECT_EQ(defaults.beginningBalance, 1200);
    EXPECT_EQ(defaults.date, Day(2027, 2, 28, 9, 15));
    account.Record().SetLastStatementDate(Day(2028, 1, 31, 9, 15));  // a leap year
    EXPECT_EQ(reconcile.GetNextStatementDate(), Day(2028, 2, 29, 9, 15));
    account.Record().SetLastStatementDate(Day(2026, 12, 15));
    EXPECT_EQ(reconcile.GetNextStatementDate(), Day(2027, 1, 15));

    reconcile.SetStatementBeginningBalance(10);
    reconcile.SetStatementEndingBalance(20);
    reconcile.SetStatementDate(Day(2027, 2, 1));
    EXPECT_EQ(reconcile.GetStatementDefaults(defaults), CReconcile::kUnderWay);
    EXPECT_EQ(defaults.beginningBalance, 10);
    EXPECT_EQ(defaults.endingBalance, 20);
    EXPECT_EQ(defaults.date, Day(2027, 2, 1));
}

TEST_F(Reconcile, BalancedStatementFinishesWithTheMarkedTransactionsReconciled) {
    account.AddTransaction(Txn(Day(2027, 2, 1), 5000, Type::kTypeDeposit, "pay"));
    account.AddTransaction(
        Txn(Day(2027, 2, 2), 700, Type::kTypeWithdrawal, "shop", CTransaction::kCleared));
    account.AddTransaction(
        Txn(Day(2027, 2, 3), 1, Type::kTypeDeposit, "done", CTransaction::kReconciled));
    account.AddTransaction(
        Txn(Day(2027, 2, 4), 1, Type::kTypeDeposit, "void", CTransaction::kVoid));
    account.AddTransaction(Txn(Day(2027, 3, 1), 1, Type::kTypeDeposit, "late"));
    reconcile.SetStatementBeginningBalance(10000);
    reconcile.SetStatementEndingBalance(15000);
    reconcile.SetStatementDate(Day(2027, 2, 28));

    ASSERT_EQ(reconcile.CountUnreconciledBefore(), 2u);  // pay and shop
    EXPECT_STREQ(reconcile.GetUnreconciledBefore(1)->GetPayeeName(), "shop");
    EXPECT_EQ(reconcile.GetUnreconciledBefore(2), nullptr);
    EXPECT_EQ(reconcile.SetReconcileMark(2, true), 1);

    reconcile.SetAllReconcileMarks(true);
    EXPECT_EQ(reconcile.GetMarkedDifference(), 10000 - 15000 + 5000 - 700);
    ASSERT_EQ(reconcile.SetReconcileMark(1, false), 0);
    const Amount difference = reconcile.GetMarkedDifference();
    ASSERT_EQ(difference, 0);
    EXPECT_EQ(CReconcile::FinishMessage(difference), res::IDS_RECONCILED);

    reconcile.FinishReconcile();
    EXPECT_TRUE(account.Transactions().At(0)->IsReconciled());
    EXPECT_FALSE(account.Transactions().At(0)->GetReconcileMark());
    EXPECT_EQ(account.Transactions().At(1)->GetState(), CTransaction::kCleared);
    EXPECT_EQ(account.Record().GetClearedBalance(), 5000 - 700 + 1);
    EXPECT_EQ(account.Record().GetLastStatementEndingBalance(), 15000);
    EXPECT_EQ(account.Record().GetLastStatementDate(), Day(2027, 2, 28));
    EXPECT_EQ(account.Record().GetStatementDate(), 0u);
    EXPECT_EQ(account.Record().GetStatementBeginningBalance(), 0);
    EXPECT_EQ(account.Record().GetStatementEndingBalance(), 0);
    EXPECT_EQ(reconcile.CountUnreconciledBefore(), 0u);
}

TEST_F(Reconcile, TheAdjustmentResolvesTheDifferenceInItsDirection) {
    reconcile.SetStatementBeginningBalance(10000);
    reconcile.SetStatementEndingBalance(15000);
    reconcile.SetStatementDate(Day(2027, 2, 28));
    const Amount difference = reconcile.GetMarkedDifference();
    ASSERT_EQ(difference, -5000);
    EXPECT_EQ(CReconcile::FinishMessage(difference), res::IDS_RECONCILE_OFF_ASK);
    EXPECT_EQ(CReconcile::MessageText(res::IDS_RECONCILE_OFF_ASK, difference),
              L"Your account is off by -50.00. Do you want to create an adjustment to resolve the "
              L"descrepancy?");
    EXPECT_EQ(CReconcile::AdjustmentConfirmation(true), res::IDS_RECONCILE_OFF_ADJUST);
    EXPECT_EQ(CReconcile::AdjustmentConfirmation(false), res::IDS_RECONCILE_OFF_NO_ADJUST);

    ASSERT_EQ(reconcile.AddReconcileAdjustment(difference), 0);
    const CTransaction& deposit = *account.Transactions().At(0);
    EXPECT_STREQ(deposit.GetPayeeName(), "Reconcile Adjustment");
    EXPECT_EQ(deposit.GetAmount(), 5000);
    EXPECT_EQ(deposit.GetTypeId(), BuiltInKey(Type::kTypeDeposit));
    EXPECT_EQ(deposit.GetState(), CTransaction::kReconciled);
    EXPECT_EQ(deposit.GetDate(), Day(2027, 3, 10, 14, 30));
    EXPECT_TRUE(deposit.GetCategoryId().IsNull());

    ASSERT_EQ(reconcile.AddReconcileAdjustment(1234), 0);
    const CTransaction& withdrawal = *account.Transactions().At(1);
    EXPECT_EQ(withdrawal.GetAmount(), 1234);
    EXPECT_EQ(withdrawal.GetTypeId(), BuiltInKey(Type::kTypeWithdrawal));
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCurrent), 5000 - 1234);
}

}  // namespace
