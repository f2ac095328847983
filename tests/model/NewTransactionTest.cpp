// Entering a new transaction: refusals change nothing (no payee made), a transfer gets its twin,
// a known payee fills in what was left empty, check numbers follow the type and advance the
// account's last number, and the day gets the current time.
#include "model/CNewTransaction.h"

#include <gtest/gtest.h>

#include "AccountListFixture.h"
#include "RegisterFixture.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "platform/sys/Clock.h"

namespace {

using register_fixture::Type;
using Request = CNewTransaction::Request;

class NewTransaction : public ::testing::Test {
  protected:
    NewTransaction() {
        sys::SetTestTime(sys::MakeSystemTime(2027, 3, 10, 14, 30, 0));
        list = folder.Load();
        checking = list->At(1);
        savings = list->At(3);
        groceries = list->GetCategories().FindOrCreate("Groceries", true);
        // Two classes of every fresh data folder.
        EXPECT_EQ(list->GetClasses().KeyOfName("Personal", personal), 1);
        EXPECT_EQ(list->GetClasses().KeyOfName("Business", business), 1);
    }
    ~NewTransaction() override { sys::ClearTestTime(); }

    static Request Spend(Amount amount, const char* payee = "") {
        Request request;
        request.date = Day(2027, 3, 1);
        request.typeId = BuiltInKey(Type::kTypeWithdrawal);
        request.amount = amount;
        request.payee = payee;
        return request;
    }
    // The payee remembers a transaction entered for it earlier.
    void Remember(const char* payee, const RecordKey& category, const RecordKey& classId,
                  const char* memo) {
        ASSERT_EQ(list->GetPayees().NewPayee(payee), EditOutcome::Done());
        CTransaction earlier;
        earlier.SetPayeeName(payee);
        earlier.SetAmount(999);
        earlier.SetCategoryId(category);
        earlier.SetClassId(classId);
        earlier.SetMemo(memo);
        ASSERT_EQ(list->MemorizePayee(earlier), 0);
    }

    account_list_fixture::DataFolder folder;
    std::unique_ptr<CCVAccountList> list;
    CCVAccount* checking = nullptr;
    CCVAccount* savings = nullptr;
    RecordKey groceries;
    RecordKey personal;
    RecordKey business;
};

TEST_F(NewTransaction, ARefusedEntryMakesNoPayeeAndChangesNothing) {
    CNewTransaction entry(*list);
    Request toItself = Spend(500, "Newcomer");
    toItself.categoryId = checking->GetAccountId();
    EXPECT_EQ(entry.Enter(*checking, toItself),
              EditOutcome::Refused(res::IDS_TRANSFER_SAME_ACCOUNT));
    EXPECT_EQ(entry.Entered(), nullptr);
    EXPECT_EQ(entry.Error(), 0);
    EXPECT_EQ(list->GetPayees().FindPayee("Newcomer"), nullptr);
    EXPECT_EQ(checking->Transactions().Count(), 0u);

    // The payee's memory names the account itself (it last moved money from savings into
    // checking): filled in, then refused, and the memory stays as it was.
    Remember("Piggy bank", checking->GetAccountId(), RecordKey{}, "");
    EXPECT_EQ(entry.Enter(*checking, Spend(700, "Piggy bank")),
              EditOutcome::Refused(res::IDS_TRANSFER_SAME_ACCOUNT));
    EXPECT_EQ(list->GetPayees().FindPayee("Piggy bank")->GetAmount(), 999);
    EXPECT_EQ(checking->Transactions().Count(), 0u);
}

TEST_F(NewTransaction, ANewPayeeJoinsTheListAndRemembersTheEntry) {
    CNewTransaction entry(*list);
    Request request = Spend(8215, "Corner Shop");
    request.categoryId = groceries;
    request.memo = "bread";
    ASSERT_EQ(entry.Enter(*checking, request), EditOutcome::Done());
    ASSERT_NE(entry.Entered(), nullptr);
    EXPECT_EQ(checking->FindById(entry.Entered()->GetTransactionId()), entry.Entered());
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), -8215);
    const CCVPayeeItem* payee = list->GetPayees().FindPayee("Corner Shop");
    ASSERT_NE(payee, nullptr);
    EXPECT_EQ(payee->GetAmount(), 8215);
    EXPECT_EQ(payee->GetCategoryKey(), groceries);
    EXPECT_STREQ(payee->GetMemo(), "bread");

    // Letter case does not make a second payee.
    ASSERT_EQ(entry.Enter(*checking, Spend(100, "CORNER SHOP")), EditOutcome::Done());
    EXPECT_EQ(list->GetPayees().Count(), 1u);
    // No payee, no payee made.
    ASSERT_EQ(entry.Enter(*checking, Spend(100)), EditOutcome::Done());
    EXPECT_EQ(list->GetPayees().Count(), 1u);
}

TEST_F(NewTransaction, ATransferGetsItsTwin) {
    CNewTransaction entry(*list);
    Request request = Spend(25000, "To savings");
    request.categoryId = savings->GetAccountId();
    request.state = CTransaction::kCleared;
    ASSERT_EQ(entry.Enter(*checking, request), EditOutcome::Done());
    const CTransaction& entered = *entry.Entered();
    const CTransaction* twin = savings->FindById(entered.GetLinkedTransactionId());
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->GetLinkedTransactionId(), entered.GetTransactionId());
    EXPECT_EQ(twin->GetCategoryId(), checking->GetAccountId());
    EXPECT_EQ(twin->GetSignedAmount(), 25000);
    EXPECT_EQ(twin->GetState(), CTransaction::kCleared);
    EXPECT_EQ(savings->GetBalance(CCVAccount::kBalanceCurrent), 25000);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), -25000);
}

// Fault: only the account's own balance was checked, so the twin of a transfer (or of a split
// line) took the other account's balance past its limit, where it stayed at the limit.
TEST_F(NewTransaction, ATwinThatWouldTakeItsBalancePastTheLimitIsRefused) {
    savings->AddTransaction(register_fixture::Txn(Day(2027, 2, 1), kMaxAmountMagnitude - 100));
    CNewTransaction entry(*list);
    Request request = Spend(101, "To savings");
    request.categoryId = savings->GetAccountId();
    EXPECT_EQ(entry.Enter(*checking, request), EditOutcome::Refused(res::IDS_BALANCE_LIMIT));
    EXPECT_EQ(checking->Transactions().Count(), 0u);
    EXPECT_EQ(savings->Transactions().Count(), 1u);
    EXPECT_EQ(list->GetPayees().FindPayee("To savings"), nullptr);
    // A deposit from savings takes money out of it: fine; and 100 still fits.
    Request from = request;
    from.typeId = BuiltInKey(Type::kTypeDeposit);
    ASSERT_EQ(entry.Enter(*checking, from), EditOutcome::Done());
    request.amount = 201;  // 101 came out: 201 fits exactly
    ASSERT_EQ(entry.Enter(*checking, request), EditOutcome::Done());
    EXPECT_EQ(savings->GetBalance(CCVAccount::kBalanceCurrent), kMaxAmountMagnitude);

    // A split line naming savings is checked the same way.
    Request split = Spend(1, "Split");
    split.categoryId = CTransaction::SplitCategoryId();
    split.splits[0].SetCategoryId(groceries);
    split.splits[0].SetAmount(0);
    split.splits[1].SetCategoryId(savings->GetAccountId());
    split.splits[1].SetAmount(1);
    EXPECT_EQ(entry.Enter(*checking, split), EditOutcome::Refused(res::IDS_BALANCE_LIMIT));
    EXPECT_EQ(savings->Transactions().Count(), 3u);
}

TEST_F(NewTransaction, AKnownPayeeFillsInTheFieldsLeftEmpty) {
    Remember("Corner Shop", groceries, personal, "weekly");
    CNewTransaction entry(*list);

    Request request = Spend(1250, "Corner Shop");
    request.classId = business;  // given: stays
    ASSERT_EQ(entry.Enter(*checking, request), EditOutcome::Done());
    const CTransaction& filled = *entry.Entered();
    EXPECT_EQ(filled.GetCategoryId(), groceries);
    EXPECT_EQ(filled.GetClassId(), business);
    EXPECT_STREQ(filled.GetMemo(), "weekly");
    EXPECT_EQ(filled.GetAmount(), 1250);  // the amount is never the payee's
    EXPECT_TRUE(filled.IsDebit());
    // The payee now remembers this entry.
    EXPECT_EQ(list->GetPayees().FindPayee("Corner Shop")->GetClassKey(), business);

    // As entered: nothing filled in.
    Request plain = Spend(300, "Corner Shop");
    plain.payeeMemory = CNewTransaction::PayeeMemory::kAsEntered;
    ASSERT_EQ(entry.Enter(*checking, plain), EditOutcome::Done());
    EXPECT_TRUE(entry.Entered()->GetCategoryId().IsNull());
    EXPECT_TRUE(entry.Entered()->GetClassId().IsNull());
    EXPECT_STREQ(entry.Entered()->GetMemo(), "");
}

TEST_F(NewTransaction, ARememberedSplitComesWithItsLinesAndTheirTwins) {
    ASSERT_EQ(list->GetPayees().NewPayee("Payday"), EditOutcome::Done());
    CTransaction earlier;
    earlier.SetPayeeName("Payday");
    earlier.SetCategoryId(CTransaction::SplitCategoryId());
    CTransaction::SplitLines lines{};
    lines[0].SetCategoryId(savings->GetAccountId());
    lines[0].SetAmount(30000);
    lines[1].SetCategoryId(groceries);
    lines[1].SetAmount(20000);
    earlier.SetSplits(lines);
    ASSERT_EQ(list->MemorizePayee(earlier), 0);

    CNewTransaction entry(*list);
    ASSERT_EQ(entry.Enter(*checking, Spend(50000, "Payday")), EditOutcome::Done());
    const CTransaction& split = *entry.Entered();
    EXPECT_TRUE(split.IsSplit());
    EXPECT_EQ(split.GetSplit(1).GetCategoryId(), groceries);
    EXPECT_EQ(split.GetSplit(1).GetAmount(), 20000);
    ASSERT_NE(savings->FindById(split.GetSplit(0).GetLinkedTransactionId()), nullptr);
    EXPECT_EQ(savings->GetBalance(CCVAccount::kBalanceCurrent), 30000);
}

TEST_F(NewTransaction, CheckNumbersFollowTheType) {
    CNewTransaction entry(*list);
    Request check = Spend(120000, "Landlord");
    check.typeId = BuiltInKey(Type::kTypeCheck);
    check.checkNumber = 1001;
    ASSERT_EQ(entry.Enter(*checking, check), EditOutcome::Done());
    EXPECT_EQ(entry.Entered()->GetCheckNumber(), 1001u);
    EXPECT_EQ(checking->Record().GetLastCheckNumber(), 1001u);

    // An older check entered late keeps the last number.
    check.checkNumber = 990;
    ASSERT_EQ(entry.Enter(*checking, check), EditOutcome::Done());
    EXPECT_EQ(entry.Entered()->GetCheckNumber(), 990u);
    EXPECT_EQ(checking->Record().GetLastCheckNumber(), 1001u);

    // A type without numbers drops the number and leaves the last one alone.
    Request withdrawal = Spend(500);
    withdrawal.checkNumber = 5000;
    ASSERT_EQ(entry.Enter(*checking, withdrawal), EditOutcome::Done());
    EXPECT_EQ(entry.Entered()->GetCheckNumber(), 0u);
    EXPECT_EQ(checking->Record().GetLastCheckNumber(), 1001u);
}

TEST_F(NewTransaction, TheDayGetsTheCurrentTimeOfDay) {
    CNewTransaction entry(*list);
    ASSERT_EQ(entry.Enter(*checking, Spend(100)), EditOutcome::Done());
    EXPECT_EQ(entry.Entered()->GetDate(), Day(2027, 3, 1, 14, 30));
}

}  // namespace
