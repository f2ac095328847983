// Operations over several transactions and accounts: transfers between currencies, twins of
// transfers and split lines made, kept in step, deleted and purged, and their refusals.
#include "model/CAccountOperations.h"

#include <gtest/gtest.h>

#include <limits>

#include "AccountListFixture.h"
#include "RegisterFixture.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "platform/sys/Clock.h"

namespace {

using register_fixture::Txn;
using register_fixture::Type;

const RecordKey kSomeCategory = BuiltInKey(0x1234);  // a category, not an account

RecordKey TypeKey(Type type) {
    return BuiltInKey(type);
}

class AccountOperations : public ::testing::Test {
  protected:
    AccountOperations() {
        sys::SetTestTime(sys::MakeSystemTime(2027, 3, 10, 14, 30, 0));
        list = folder.Load();
        checking = list->At(1);
        savings = list->At(3);
        visa = list->At(4);
    }
    ~AccountOperations() override { sys::ClearTestTime(); }

    // A transfer of `amount` from checking to `to`, added with its twins.
    CTransaction& AddTransfer(CCVAccount& to, Amount amount) {
        auto t = Txn(Day(2027, 3, 1), amount, Type::kTypeWithdrawal, "Rent");
        t->SetCategoryId(to.GetAccountId());
        CTransaction& added = *t;
        EXPECT_EQ(host().AddTransactionWithTwins(*checking, std::move(t)), 0);
        return added;
    }
    // A split withdrawal from checking: 30.00 to savings, 20.00 to a category, 10.00 to visa.
    CTransaction& AddSplit() {
        auto t = Txn(Day(2027, 3, 2), 6000, Type::kTypeWithdrawal, "Split");
        t->SetCategoryId(CTransaction::SplitCategoryId());
        CTransaction::SplitLines lines{};
        lines[0].SetCategoryId(savings->GetAccountId());
        lines[0].SetAmount(3000);
        lines[0].SetMemo("to savings");
        lines[1].SetCategoryId(kSomeCategory);
        lines[1].SetAmount(2000);
        lines[2].SetCategoryId(visa->GetAccountId());
        lines[2].SetAmount(1000);
        t->SetSplits(lines);
        CTransaction& added = *t;
        EXPECT_EQ(host().AddTransactionWithTwins(*checking, std::move(t)), 0);
        return added;
    }
    MScheduleHost& host() { return *list; }
    Amount Balance(const CCVAccount& account) const {
        return account.GetBalance(CCVAccount::kBalanceCurrent);
    }

    account_list_fixture::DataFolder folder;
    std::unique_ptr<CCVAccountList> list;
    CCVAccount* checking = nullptr;
    CCVAccount* savings = nullptr;
    CCVAccount* visa = nullptr;
};

TEST_F(AccountOperations, ConversionRatesGoThroughTheHomeCurrency) {
    CAccountOperations ops(*list);
    CCurrencyList& currencies = list->GetCurrencies();
    currencies.FindByNumber(2)->SetRate(2.0);
    currencies.FindByNumber(3)->SetRate(0.5);
    currencies.GetBase()->SetRate(7.0);  // the home currency's own rate plays no part
    EXPECT_DOUBLE_EQ(ops.GetConversionRate(2, 1), 2.0);
    EXPECT_DOUBLE_EQ(ops.GetConversionRate(1, 2), 0.5);
    EXPECT_DOUBLE_EQ(ops.GetConversionRate(2, 3), 4.0);
    EXPECT_DOUBLE_EQ(ops.GetConversionRate(1, 1), 1.0);
    currencies.FindByNumber(3)->SetRate(0.0);
    EXPECT_DOUBLE_EQ(ops.GetConversionRate(1, 3), 0.0);
    EXPECT_DOUBLE_EQ(ops.GetConversionRate(2, 3), 0.0);
    EXPECT_DOUBLE_EQ(ops.GetConversionRate(200, 1), 0.0);

    savings->Record().SetCurrency(2);
    EXPECT_EQ(ops.ConvertBetweenAccounts(*checking, *savings, -1001), -500);  // toward zero
    EXPECT_EQ(ops.ConvertBetweenAccounts(*savings, *checking, 1001), 2002);
    currencies.FindByNumber(2)->SetRate(1.0);  // through units, as every twin was made
    EXPECT_EQ(ops.ConvertBetweenAccounts(*checking, *savings, 29), 28);
    savings->Record().SetCurrency(200);  // unknown: unchanged
    EXPECT_EQ(ops.ConvertBetweenAccounts(*checking, *savings, 1001), 1001);
}

TEST_F(AccountOperations, TransferFundsMakesLinkedTwinsInBothCurrencies) {
    CAccountOperations ops(*list);
    list->GetCurrencies().FindByNumber(2)->SetRate(2.0);
    savings->Record().SetCurrency(2);

    ASSERT_EQ(ops.TransferFunds(checking, savings, Day(2027, 2, 28, 8), 1000, true), 0);
    ASSERT_EQ(checking->Transactions().Count(), 1u);
    ASSERT_EQ(savings->Transactions().Count(), 1u);
    const CTransaction& a = *checking->Transactions().At(0);
    const CTransaction& b = *savings->Transactions().At(0);
    EXPECT_STREQ(a.GetPayeeName(), "Transfer");
    EXPECT_STREQ(b.GetPayeeName(), "Transfer");
    EXPECT_EQ(a.GetDate(), Day(2027, 2, 28, 14, 30));  // the chosen day, the current time
    EXPECT_EQ(a.GetTypeId(), TypeKey(Type::kTypeWithdrawal));
    EXPECT_EQ(b.GetTypeId(), TypeKey(Type::kTypeDeposit));
    EXPECT_EQ(a.GetAmount(), 1000);
    EXPECT_EQ(b.GetAmount(), 500);  // 10.00 at 1 / 2.0
    EXPECT_EQ(a.GetCategoryId(), savings->GetAccountId());
    EXPECT_EQ(b.GetCategoryId(), checking->GetAccountId());
    EXPECT_EQ(a.GetLinkedTransactionId(), b.GetTransactionId());
    EXPECT_EQ(b.GetLinkedTransactionId(), a.GetTransactionId());
    EXPECT_EQ(a.GetState(), CTransaction::kCleared);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCleared), -1000);
    EXPECT_EQ(Balance(*savings), 500);

    ASSERT_EQ(ops.TransferFunds(checking, savings, Day(2027, 3, 1), 100, false), 0);
    EXPECT_EQ(savings->Transactions().At(1)->GetState(), CTransaction::kUncleared);
    EXPECT_EQ(ops.TransferFunds(checking, nullptr, Day(2027, 3, 1), 100, false), 1);
    EXPECT_EQ(checking->Transactions().Count(), 2u);

    EXPECT_EQ(CAccountOperations::CheckTransfer(checking, savings, 0),
              EditOutcome::Refused(res::IDS_ENTER_VALID_AMOUNT));
    EXPECT_EQ(CAccountOperations::CheckTransfer(checking, checking, 100),
              EditOutcome::Refused(res::IDS_TRANSFER_SAME_ACCOUNT));
    EXPECT_TRUE(CAccountOperations::CheckTransfer(checking, savings, -5).IsDone());

    // A new transaction may name any account but its own.
    CTransaction own;
    own.SetCategoryId(checking->GetAccountId());
    EXPECT_EQ(CAccountOperations::CheckNewTransaction(*checking, own),
              EditOutcome::Refused(res::IDS_TRANSFER_SAME_ACCOUNT));
    EXPECT_TRUE(CAccountOperations::CheckNewTransaction(*savings, own).IsDone());
    EXPECT_TRUE(CAccountOperations::CheckNewTransaction(*checking, CTransaction()).IsDone());
}

// Fault: adjusting one balance moved the other past what it can hold, which then stood at the
// limit instead of the sum.
TEST_F(AccountOperations, AdjustingABalanceNeverTakesTheOtherPastItsLimit) {
    // Current -kMax (an uncleared withdrawal), cleared 0.
    checking->AddTransaction(register_fixture::Txn(Day(2027, 3, 1), kMaxAmountMagnitude,
                                                   register_fixture::Type::kTypeWithdrawal));
    ASSERT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), -kMaxAmountMagnitude);
    const auto check = [&](int kind, Amount amount) {
        return CAccountOperations::CheckSetBalance(*checking, kind, amount);
    };
    // Current to +1: the cleared balance would move by kMax + 1.
    EXPECT_EQ(check(CCVAccount::kBalanceCurrent, 1), EditOutcome::Refused(res::IDS_BALANCE_LIMIT));
    EXPECT_TRUE(check(CCVAccount::kBalanceCurrent, 0).IsDone());
    // Cleared to -1: the current balance would go to -kMax - 1.
    EXPECT_EQ(check(CCVAccount::kBalanceCleared, -1), EditOutcome::Refused(res::IDS_BALANCE_LIMIT));
    EXPECT_TRUE(check(CCVAccount::kBalanceCleared, 1).IsDone());
    EXPECT_TRUE(check(CCVAccount::kBalanceCleared, kMaxAmountMagnitude).IsDone());
    // A difference beyond the range of an amount is refused too.
    EXPECT_EQ(check(CCVAccount::kBalanceCurrent, std::numeric_limits<Amount>::max()),
              EditOutcome::Refused(res::IDS_BALANCE_LIMIT));
    // The checks answer; the balances are as they were.
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), -kMaxAmountMagnitude);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCleared), 0);
}

TEST_F(AccountOperations, AddingMakesTwinsOfTransfersAndSplitLinesNamingAccounts) {
    const CTransaction& transfer = AddTransfer(*savings, 2500);
    ASSERT_EQ(savings->Transactions().Count(), 1u);
    const CTransaction& twin = *savings->Transactions().At(0);
    EXPECT_EQ(transfer.GetLinkedTransactionId(), twin.GetTransactionId());
    EXPECT_EQ(twin.GetLinkedTransactionId(), transfer.GetTransactionId());
    EXPECT_EQ(twin.GetTypeId(), TypeKey(Type::kTypeDeposit));
    EXPECT_EQ(twin.GetSourceSplitIndex(), CTransaction::kNoSourceSplit);
    EXPECT_EQ(Balance(*checking), -2500);
    EXPECT_EQ(Balance(*savings), 2500);

    const CTransaction& split = AddSplit();
    ASSERT_EQ(savings->Transactions().Count(), 2u);
    ASSERT_EQ(visa->Transactions().Count(), 1u);
    const CTransaction& lineTwin = *savings->FindById(split.GetSplit(0).GetLinkedTransactionId());
    EXPECT_EQ(lineTwin.GetAmount(), 3000);
    EXPECT_EQ(lineTwin.GetSourceSplitIndex(), 0);
    EXPECT_STREQ(lineTwin.GetMemo(), "to savings");
    EXPECT_TRUE(lineTwin.IsSplitTransferTwin());
    EXPECT_TRUE(split.GetSplit(1).GetLinkedTransactionId().IsNull());  // a category: no twin
    EXPECT_EQ(visa->Transactions().At(0)->GetSourceSplitIndex(), 2);
    EXPECT_EQ(Balance(*visa), 1000);

    // A category naming no account makes no twin; no transaction is refused.
    auto plain = Txn(Day(2027, 3, 3), 100, Type::kTypeDeposit, "Plain");
    plain->SetCategoryId(kSomeCategory);
    EXPECT_EQ(host().AddTransactionWithTwins(*checking, std::move(plain)), 0);
    EXPECT_EQ(host().AddTransactionWithTwins(*checking, nullptr), 1);
}

TEST_F(AccountOperations, UpdateTwinFollowsTheSource) {
    list->GetCurrencies().FindByNumber(2)->SetRate(2.0);
    savings->Record().SetCurrency(2);
    CTransaction& transfer = AddTransfer(*savings, 1000);
    transfer.SetDate(Day(2027, 4, 1));
    transfer.SetAmount(3000);
    transfer.SetPayeeName("Landlord");
    transfer.SetTypeId(TypeKey(Type::kTypeDeposit));  // now both would be deposits
    CAccountOperations ops(*list);
    ASSERT_EQ(ops.UpdateTwin(*checking, transfer), 0);
    const CTransaction& twin = *savings->Transactions().At(0);
    EXPECT_EQ(twin.GetDate(), Day(2027, 4, 1));
    EXPECT_EQ(twin.GetAmount(), 1500);
    EXPECT_STREQ(twin.GetPayeeName(), "Landlord");
    EXPECT_EQ(twin.GetTypeId(), TypeKey(Type::kTypeWithdrawal));
    EXPECT_EQ(Balance(*savings), -1500);

    transfer.SetLinkedTransactionId(BuiltInKey(0x4321));  // a twin that is not there
    EXPECT_EQ(ops.UpdateTwin(*checking, transfer), 1);
}

// A twin step that fails part-way: the edit is kept, the error returned, and the transfer no
// longer points at the twin that is gone.
TEST_F(AccountOperations, EditOfATransferWhoseTwinIsGoneKeepsTheEditAndDropsTheLink) {
    CTransaction& transfer = AddTransfer(*savings, 1000);
    ASSERT_EQ(savings->DeleteTransactionAt(0), 0);  // gone behind the operations' back
    CTransaction edited(transfer);
    edited.SetAmount(2500);
    CAccountOperations ops(*list);
    EXPECT_NE(ops.UpdateTransactionWithTwins(*checking, transfer, edited), 0);
    EXPECT_EQ(transfer.GetAmount(), 2500);
    EXPECT_TRUE(transfer.GetLinkedTransactionId().IsNull());
    EXPECT_EQ(Balance(*checking), -2500);
}

TEST_F(AccountOperations, DeletingAndPurgingOneTransactionWithItsTwins) {
    CAccountOperations ops(*list);
    const CTransaction& deleted = AddTransfer(*savings, 1000);
    const CTransaction& purged = AddTransfer(*savings, 400);
    const RecordKey purgedTwinId = purged.GetLinkedTransactionId();
    EXPECT_EQ(CAccountOperations::CheckDeleteTransaction(deleted, false),
              EditOutcome::Ask(res::IDS_DELETE_ONE_QUESTION));
    EXPECT_EQ(CAccountOperations::CheckDeleteTransaction(purged, true),
              EditOutcome::Ask(res::IDS_PURGE_ONE_QUESTION));

    // A delete takes the twin with it, as if neither took place.
    ASSERT_EQ(ops.DeleteTransactionWithTwins(*checking, deleted, false), 0);
    EXPECT_EQ(checking->Transactions().Count(), 1u);
    EXPECT_EQ(savings->Transactions().Count(), 1u);
    EXPECT_EQ(Balance(*checking), -400);
    EXPECT_EQ(Balance(*savings), 400);

    // A purge keeps the balance and leaves the twin, unlinked.
    ASSERT_EQ(ops.DeleteTransactionWithTwins(*checking, purged, true), 0);
    EXPECT_EQ(checking->Transactions().Count(), 0u);
    EXPECT_EQ(Balance(*checking), -400);
    EXPECT_EQ(checking->Record().GetBeginningBalance(), -400);
    const CTransaction* twin = savings->FindById(purgedTwinId);
    ASSERT_NE(twin, nullptr);
    EXPECT_TRUE(twin->GetLinkedTransactionId().IsNull());
    EXPECT_EQ(Balance(*savings), 400);
}

TEST_F(AccountOperations, SplitTwinsAreRefusedAndGoWithTheirSource) {
    CAccountOperations ops(*list);
    const CTransaction& split = AddSplit();
    const CTransaction& lineTwin = *visa->Transactions().At(0);
    EXPECT_EQ(CAccountOperations::CheckDeleteTransaction(lineTwin, false),
              EditOutcome::Refused(res::IDS_SPLIT_TWIN_LOCKED));
    EXPECT_EQ(ops.DeleteTransactionWithTwins(*visa, lineTwin, false), 1);
    EXPECT_EQ(visa->Transactions().Count(), 1u);

    // The savings twin went earlier (its account's own delete): it is passed over.
    ASSERT_EQ(savings->DeleteTransactionAt(0), 0);
    ASSERT_EQ(ops.DeleteTransactionWithTwins(*checking, split, false), 0);
    EXPECT_EQ(checking->Transactions().Count(), 0u);
    EXPECT_EQ(visa->Transactions().Count(), 0u);
    EXPECT_EQ(Balance(*visa), 0);
    EXPECT_EQ(ops.DeleteTransactionWithTwins(*checking, split, false), 1);  // no longer there
}

TEST_F(AccountOperations, EditingATransferMovesOrDropsItsTwin) {
    CAccountOperations ops(*list);
    CTransaction& transfer = AddTransfer(*savings, 1000);

    // The same account: the twin follows.
    CTransaction edited(transfer);
    edited.SetAmount(1200);
    ASSERT_EQ(ops.UpdateTransactionWithTwins(*checking, transfer, edited), 0);
    ASSERT_EQ(savings->Transactions().Count(), 1u);
    EXPECT_EQ(savings->Transactions().At(0)->GetAmount(), 1200);
    EXPECT_EQ(Balance(*checking), -1200);

    // Another account: the old twin goes, a new one is made there.
    edited.SetCategoryId(visa->GetAccountId());
    ASSERT_EQ(ops.UpdateTransactionWithTwins(*checking, transfer, edited), 0);
    EXPECT_EQ(savings->Transactions().Count(), 0u);
    ASSERT_EQ(visa->Transactions().Count(), 1u);
    EXPECT_EQ(transfer.GetLinkedTransactionId(), visa->Transactions().At(0)->GetTransactionId());

    // No longer a transfer: the twin goes and the link with it.
    edited.SetCategoryId(kSomeCategory);
    ASSERT_EQ(ops.UpdateTransactionWithTwins(*checking, transfer, edited), 0);
    EXPECT_EQ(visa->Transactions().Count(), 0u);
    EXPECT_TRUE(transfer.GetLinkedTransactionId().IsNull());

    // A transfer again: a twin is made.
    CTransaction again(transfer);
    again.SetCategoryId(savings->GetAccountId());
    ASSERT_EQ(ops.UpdateTransactionWithTwins(*checking, transfer, again), 0);
    ASSERT_EQ(savings->Transactions().Count(), 1u);
    EXPECT_EQ(transfer.GetLinkedTransactionId(), savings->Transactions().At(0)->GetTransactionId());
    EXPECT_EQ(ops.UpdateTransactionWithTwins(*savings, transfer, again), 1);  // not its account
}

TEST_F(AccountOperations, EditingSplitLinesLineByLine) {
    CAccountOperations ops(*list);
    CTransaction& split = AddSplit();
    const RecordKey savingsTwin = split.GetSplit(0).GetLinkedTransactionId();
    CTransaction edited(split);
    CTransaction::SplitLines lines{};
    for (int i = 0; i < CTransaction::kSplitLines; ++i) lines[i] = split.GetSplit(i);
    lines[0].SetAmount(3500);                             // same account: updated
    lines[1].SetCategoryId(list->At(0)->GetAccountId());  // none to one: created
    lines[2].SetCategoryId(kSomeCategory);                // one to none: deleted
    edited.SetSplits(lines);
    edited.SetAmount(6500);

    ASSERT_EQ(ops.UpdateTransactionWithTwins(*checking, split, edited), 0);
    EXPECT_EQ(split.GetSplit(0).GetLinkedTransactionId(), savingsTwin);
    EXPECT_EQ(savings->FindById(savingsTwin)->GetAmount(), 3500);
    ASSERT_EQ(list->At(0)->Transactions().Count(), 1u);
    EXPECT_EQ(split.GetSplit(1).GetLinkedTransactionId(),
              list->At(0)->Transactions().At(0)->GetTransactionId());
    EXPECT_EQ(visa->Transactions().Count(), 0u);
    EXPECT_TRUE(split.GetSplit(2).GetLinkedTransactionId().IsNull());
    EXPECT_EQ(Balance(*checking), -6500);

    // No longer a split: every line's twin goes. The twin of a line cannot be edited itself.
    const CTransaction& lineTwin = *savings->FindById(savingsTwin);
    EXPECT_EQ(CAccountOperations::CheckEditTransaction(lineTwin),
              EditOutcome::Refused(res::IDS_SPLIT_TWIN_LOCKED));
    CTransaction whole(split);
    whole.SetCategoryId(kSomeCategory);
    ASSERT_EQ(ops.UpdateTransactionWithTwins(*checking, split, whole), 0);
    EXPECT_EQ(savings->Transactions().Count(), 0u);
    EXPECT_EQ(list->At(0)->Transactions().Count(), 0u);
}

TEST_F(AccountOperations, PurgeModesKeepTheCurrentBalance) {
    CAccountOperations ops(*list);
    checking->AddTransaction(
        Txn(Day(2027, 1, 5), 1000, Type::kTypeDeposit, "a", CTransaction::kReconciled));
    checking->AddTransaction(
        Txn(Day(2027, 1, 6), 300, Type::kTypeWithdrawal, "b", CTransaction::kCleared));
    checking->AddTransaction(Txn(Day(2027, 1, 7), 50, Type::kTypeDeposit, "c"));
    checking->AddTransaction(
        Txn(Day(2027, 1, 8), 99, Type::kTypeDeposit, "v", CTransaction::kVoid));
    const CTransaction& transfer = AddTransfer(*savings, 200);
    const Amount current = Balance(*checking);
    ASSERT_EQ(current, 1000 - 300 + 50 - 200);

    EXPECT_EQ(CAccountOperations::CheckPurgeTransactions(),
              EditOutcome::Ask(res::IDS_PURGE_QUESTION));
    ASSERT_EQ(
        ops.PurgeTransactions(*checking, CAccountOperations::kPurgeBeforeDate, Day(2027, 1, 1)), 0);
    EXPECT_EQ(checking->Transactions().Count(), 5u);  // nothing is that old
    EXPECT_EQ(ops.PurgeTransactions(*checking, 3, Day(2030, 1, 1)), 1);

    ASSERT_EQ(ops.PurgeTransactions(*checking, CAccountOperations::kPurgeReconciled, 0), 0);
    EXPECT_EQ(register_fixture::Payees(*checking),
              (std::vector<std::string>{"b", "c", "v", "Rent"}));
    ASSERT_EQ(ops.PurgeTransactions(*checking, CAccountOperations::kPurgeCleared, 0), 0);
    EXPECT_EQ(register_fixture::Payees(*checking), (std::vector<std::string>{"c", "v", "Rent"}));
    EXPECT_EQ(checking->Record().GetBeginningBalance(), 700);
    EXPECT_EQ(Balance(*checking), current);
    EXPECT_EQ(checking->DeletedTransactions().Count(true), 2u);

    // Before a date, whatever the state: the transfer's twin stays, unlinked; a void one moves
    // nothing into the beginning balance.
    const RecordKey twinId = transfer.GetLinkedTransactionId();
    ASSERT_EQ(
        ops.PurgeTransactions(*checking, CAccountOperations::kPurgeBeforeDate, Day(2027, 12, 1)),
        0);
    EXPECT_EQ(checking->Transactions().Count(), 0u);
    EXPECT_EQ(checking->Record().GetBeginningBalance(), current);
    EXPECT_EQ(Balance(*checking), current);
    ASSERT_NE(savings->FindById(twinId), nullptr);
    EXPECT_TRUE(savings->FindById(twinId)->GetLinkedTransactionId().IsNull());
    EXPECT_EQ(Balance(*savings), 200);
}

}  // namespace
