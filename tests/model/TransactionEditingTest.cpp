// The transaction editor's rules without a screen: reading the fields (the amount check, a
// negative amount, the category text, check numbers), payee memory, and what "Done", "Delete" and
// "Purge" do in each mode: the same-account refusal, the reconciled question, moving a
// transaction to another account, twins following, the split-twin refusal.
#include "model/CTransactionEditing.h"

#include <gtest/gtest.h>

#include "AccountListFixture.h"
#include "RegisterFixture.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "model/CAccountOperations.h"
#include "model/CCVTxnList.h"
#include "model/CTxnSortOrder.h"
#include "platform/sys/Clock.h"
#include "resources/ScreenIds.h"

namespace {

using register_fixture::Type;
using Fields = CTransactionEditing::Fields;
using EditMode = CTransactionEditing::EditMode;

class TransactionEditing : public ::testing::Test {
  protected:
    TransactionEditing() {
        sys::SetTestTime(sys::MakeSystemTime(2027, 3, 10, 14, 30, 0));
        list = folder.Load();
        checking = list->At(1);
        savings = list->At(3);
        visa = list->At(4);
        groceries = list->GetCategories().FindOrCreate("Groceries", true);
    }
    ~TransactionEditing() override { sys::ClearTestTime(); }

    Fields Typed(const char* amount, const char* payee = "Grocer",
                 const char* category = "Groceries") const {
        Fields fields;
        fields.amount = amount;
        fields.date = Day(2027, 3, 1);
        fields.payee = payee;
        fields.category = category;
        fields.typeId = BuiltInKey(Type::kTypeWithdrawal);
        return fields;
    }
    // A transaction entered into the account through the editor's "Done".
    CTransaction& Enter(CCVAccount& account, const Fields& fields) {
        CTransaction working;
        EXPECT_TRUE(editing().ReadFields(fields, working).IsDone());
        EXPECT_TRUE(editing().SaveNew(account, working).IsDone());
        return *account.FindById(LastOf(account));
    }
    static RecordKey LastOf(const CCVAccount& account) {
        return account.Transactions().At(account.Transactions().Count() - 1)->GetTransactionId();
    }
    CTransactionEditing editing() { return CTransactionEditing(*list); }

    account_list_fixture::DataFolder folder;
    std::unique_ptr<CCVAccountList> list;
    CCVAccount* checking = nullptr;
    CCVAccount* savings = nullptr;
    CCVAccount* visa = nullptr;
    RecordKey groceries;
};

TEST_F(TransactionEditing, AmountCheckRefusesBadTextsAndNegativeAmounts) {
    for (const char* bad : {"", "-", ".", "-.", "abc"}) {
        Amount amount = 77;
        EXPECT_EQ(CTransactionEditing::ReadAmount(bad, amount).message, res::IDS_ENTER_VALID_AMOUNT)
            << bad;
        EXPECT_EQ(amount, 77) << bad;
    }
    // A typed negative amount is refused rather than stored as a negative magnitude.
    Amount amount = 77;
    EXPECT_EQ(CTransactionEditing::ReadAmount("-25.00", amount).message,
              res::IDS_EDITOR_NEGATIVE_AMOUNT);
    EXPECT_EQ(amount, 77);
    EXPECT_TRUE(CTransactionEditing::ReadAmount("1,234.5", amount).IsDone());
    EXPECT_EQ(amount, 123450);
}

// Fault: the editor stored "1,50" as 150.00, "1,2,3" as 123.00 and "12.345" as 12.34.
TEST_F(TransactionEditing, TypedAmountsFollowTheCommandLinesRule) {
    struct Case {
        const char* text;
        res::StringId message;
    };
    const Case refused[] = {
        {"1,50", res::IDS_ENTER_VALID_AMOUNT},
        {"1,2,3", res::IDS_ENTER_VALID_AMOUNT},
        {"12,34", res::IDS_ENTER_VALID_AMOUNT},
        {"12.", res::IDS_ENTER_VALID_AMOUNT},
        {"12.345", res::IDS_AMOUNT_TOO_PRECISE},
        {"72057594037927937", res::IDS_AMOUNT_TOO_LARGE},
        {"12345678901234567890", res::IDS_AMOUNT_TOO_LARGE},
    };
    for (const Case& c : refused) {
        Amount amount = 77;
        EXPECT_EQ(CTransactionEditing::ReadAmount(c.text, amount).message, c.message) << c.text;
        EXPECT_EQ(amount, 77) << c.text;
    }
    CTransaction working;
    working.SetAmount(500);
    CTransactionEditing::Fields fields;
    fields.amount = "1,50";
    EXPECT_EQ(editing().ReadFields(fields, working).message, res::IDS_ENTER_VALID_AMOUNT);
    EXPECT_EQ(working.GetAmount(), 500);
    // What was accepted stays accepted.
    const std::pair<const char*, Amount> accepted[] = {
        {"1,234.56", 123456}, {".5", 50}, {"72,057,594,037,927,936.99", kMaxAmountMagnitude}};
    for (const auto& [text, value] : accepted) {
        Amount amount = 0;
        EXPECT_TRUE(CTransactionEditing::ReadAmount(text, amount).IsDone()) << text;
        EXPECT_EQ(amount, value) << text;
    }
}

TEST_F(TransactionEditing, ReadingFieldsStopsAtTheAmountAndMakesNoPayee) {
    CTransaction working;
    working.SetPayeeName("Before");
    EXPECT_FALSE(editing().ReadFields(Typed("-3", "Brand New Payee"), working).IsDone());
    EXPECT_STREQ(working.GetPayeeName(), "Before");

    ASSERT_TRUE(editing().ReadFields(Typed("12.50", "Brand New Payee"), working).IsDone());
    EXPECT_EQ(working.GetAmount(), 1250);
    EXPECT_STREQ(working.GetPayeeName(), "Brand New Payee");
    EXPECT_EQ(working.GetCategoryId(), groceries);
    // Reading the fields is not saving: the payee list gains nothing.
    EXPECT_EQ(list->GetPayees().FindPayee("Brand New Payee"), nullptr);
}

TEST_F(TransactionEditing, CategoryTextsActionEntriesClassStateAndCheckNumber) {
    CTransaction working;
    working.SetCategoryId(groceries);
    Fields fields = Typed("1", "", "[Savings]");
    fields.className = "Business";
    fields.state = CTransaction::kCleared;
    fields.checkNumber = "1234567890";  // only eight digits are read
    ASSERT_TRUE(editing().ReadFields(fields, working).IsDone());
    EXPECT_EQ(working.GetCategoryId(), savings->GetAccountId());
    EXPECT_FALSE(working.GetClassId().IsNull());
    EXPECT_EQ(working.GetState(), CTransaction::kCleared);
    EXPECT_EQ(working.GetCheckNumber(), 0u);  // a withdrawal carries no number

    fields.typeId = BuiltInKey(Type::kTypeCheck);
    fields.category = "-SPLIT-";
    ASSERT_TRUE(editing().ReadFields(fields, working).IsDone());
    EXPECT_EQ(working.GetCheckNumber(), 12345678u);
    EXPECT_TRUE(working.IsSplit());

    // "Edit Category..." and "Edit Class..." leave what was there.
    fields.category = "Edit Category...";
    fields.categoryIsAction = true;
    fields.className = "Edit Class...";
    fields.classIsAction = true;
    const RecordKey classBefore = working.GetClassId();
    ASSERT_TRUE(editing().ReadFields(fields, working).IsDone());
    EXPECT_TRUE(working.IsSplit());
    EXPECT_EQ(working.GetClassId(), classBefore);
    // The day of the date field, the time of day kept.
    EXPECT_EQ(DateToParts(working.GetDate()).day, 1);
}

TEST_F(TransactionEditing, PayeeMemoryFillsOnlyWithoutAWholeAmount) {
    for (const char* empty : {"", "0", "0.50", ".75", "-0.5", " 0"}) {
        EXPECT_TRUE(CTransactionEditing::PayeeMayFill(empty)) << empty;
    }
    for (const char* typed : {"25", "10.00", "-3", "0.5x1", "100"}) {
        EXPECT_EQ(CTransactionEditing::PayeeMayFill(typed), std::string(typed) == "0.5x1") << typed;
    }
    Enter(*checking, Typed("42.00", "Grocer"));
    CTransaction working;
    EXPECT_FALSE(editing().FillFromPayee("Nobody", working));
    ASSERT_TRUE(editing().FillFromPayee("grocer", working));
    EXPECT_EQ(working.GetAmount(), 4200);
    EXPECT_EQ(working.GetCategoryId(), groceries);
}

TEST_F(TransactionEditing, NewTransactionSameAccountRefusedTransferGetsItsTwin) {
    CTransaction working;
    ASSERT_TRUE(editing().ReadFields(Typed("10", "Self", "[Checking]"), working).IsDone());
    EXPECT_EQ(editing().SaveNew(*checking, working).message, res::IDS_TRANSFER_SAME_ACCOUNT);
    EXPECT_EQ(checking->Transactions().Count(), 0u);
    EXPECT_EQ(list->GetPayees().FindPayee("Self"), nullptr);

    CTransaction& sent = Enter(*checking, Typed("10", "Move", "[Savings]"));
    ASSERT_EQ(savings->Transactions().Count(), 1u);
    EXPECT_EQ(savings->Transactions().At(0)->GetLinkedTransactionId(), sent.GetTransactionId());
    EXPECT_EQ(savings->GetBalance(CCVAccount::kBalanceCurrent), 1000);
    // The payee is made at the save.
    EXPECT_NE(list->GetPayees().FindPayee("Move"), nullptr);
}

TEST_F(TransactionEditing, ReconciledEditAsksOnlyForStateAmountOrType) {
    CTransaction& stored = Enter(*checking, Typed("20"));
    stored.SetReconciled();
    CTransaction working = stored;
    working.SetMemo("only the memo");
    EXPECT_TRUE(editing()
                    .SaveEdit(*checking, stored, working, checking, EditMode::kRegister, false)
                    .IsDone());
    EXPECT_STREQ(stored.GetMemo(), "only the memo");

    working = stored;
    working.SetAmount(2500);
    const EditOutcome ask =
        editing().SaveEdit(*checking, stored, working, checking, EditMode::kRegister, false);
    EXPECT_EQ(ask, EditOutcome::Ask(res::IDS_RECONCILED_EDIT_QUESTION));
    EXPECT_EQ(stored.GetAmount(), 2000);  // No keeps the account as it was
    EXPECT_TRUE(editing()
                    .SaveEdit(*checking, stored, working, checking, EditMode::kRegister, true)
                    .IsDone());
    EXPECT_EQ(stored.GetAmount(), 2500);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), -2500);

    // From a report, a budget or the review there is no question.
    working.SetAmount(3000);
    EXPECT_TRUE(editing()
                    .SaveEdit(*checking, stored, working, nullptr, EditMode::kElsewhere, false)
                    .IsDone());
    EXPECT_EQ(stored.GetAmount(), 3000);
}

TEST_F(TransactionEditing, EditingTheTwinOfASplitLineIsRefusedWithTheMessage) {
    // Fault mended: the edit of such a twin used to be dropped without a word.
    CTransaction working;
    Fields fields = Typed("30", "Split", "-SPLIT-");
    ASSERT_TRUE(editing().ReadFields(fields, working).IsDone());
    CSplitLine line;
    line.SetCategoryId(savings->GetAccountId());
    line.SetAmount(3000);
    working.SetSplit(0, line);
    ASSERT_TRUE(editing().SaveNew(*checking, working).IsDone());
    ASSERT_EQ(savings->Transactions().Count(), 1u);
    CTransaction& twin = *savings->Transactions().At(0);
    ASSERT_TRUE(twin.IsSplitTransferTwin());
    CTransaction changed = twin;
    changed.SetAmount(1);
    EXPECT_EQ(editing().SaveEdit(*savings, twin, changed, savings, EditMode::kRegister, false),
              EditOutcome::Refused(res::IDS_SPLIT_TWIN_LOCKED));
    EXPECT_EQ(twin.GetAmount(), 3000);
    // Delete and purge refuse it too.
    EXPECT_EQ(CTransactionEditing::CheckRemove(twin, false).message, res::IDS_SPLIT_TWIN_LOCKED);
    EXPECT_EQ(editing().Remove(*savings, twin, true).message, res::IDS_SPLIT_TWIN_LOCKED);
    EXPECT_EQ(savings->Transactions().Count(), 1u);
}

TEST_F(TransactionEditing, MovingToAnotherAccountAddsTheCopyBeforeRemovingTheOriginal) {
    CTransaction& stored = Enter(*checking, Typed("15", "Moved", "[Visa]"));
    ASSERT_EQ(visa->Transactions().Count(), 1u);
    const RecordKey originalId = stored.GetTransactionId();
    CTransaction working = stored;
    working.SetCategoryId(groceries);
    ASSERT_TRUE(editing()
                    .SaveEdit(*checking, stored, working, savings, EditMode::kRegister, false)
                    .IsDone());
    EXPECT_EQ(checking->FindById(originalId), nullptr);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), 0);
    ASSERT_EQ(savings->Transactions().Count(), 1u);
    EXPECT_EQ(savings->Transactions().At(0)->GetAmount(), 1500);
    EXPECT_EQ(savings->Transactions().At(0)->GetCategoryId(), groceries);
    // The old transfer's twin went with the original.
    EXPECT_EQ(visa->Transactions().Count(), 0u);

    // A move that cannot be made (a transfer to the target itself) leaves the original.
    CTransaction& second = Enter(*checking, Typed("5"));
    CTransaction toItself = second;
    toItself.SetCategoryId(savings->GetAccountId());
    EXPECT_EQ(editing()
                  .SaveEdit(*checking, second, toItself, savings, EditMode::kRegister, false)
                  .message,
              res::IDS_TRANSFER_SAME_ACCOUNT);
    EXPECT_NE(checking->FindById(second.GetTransactionId()), nullptr);
    EXPECT_EQ(savings->Transactions().Count(), 1u);
}

TEST_F(TransactionEditing, DeleteTakesTheTwinPurgeKeepsTheBalance) {
    CTransaction& transfer = Enter(*checking, Typed("40", "Out", "[Savings]"));
    EXPECT_EQ(CTransactionEditing::CheckRemove(transfer, false),
              EditOutcome::Ask(res::IDS_DELETE_ONE_QUESTION));
    ASSERT_TRUE(editing().Remove(*checking, transfer, false).IsDone());
    EXPECT_EQ(savings->Transactions().Count(), 0u);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), 0);

    CTransaction& spent = Enter(*checking, Typed("7"));
    EXPECT_EQ(CTransactionEditing::CheckRemove(spent, true),
              EditOutcome::Ask(res::IDS_PURGE_ONE_QUESTION));
    ASSERT_TRUE(editing().Remove(*checking, spent, true).IsDone());
    EXPECT_EQ(checking->Transactions().Count(), 0u);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), -700);
}

}  // namespace

namespace {

// An edit puts the one changed transaction where a stable sort of the whole register would: the
// others stay, and among equals it keeps its former place.
TEST(Reposition, PutsOneChangedTransactionWhereASortWould) {
    const CTxnSortOrder order(CTxnSortOrder::kColumnDate, true);
    for (int moved = 0; moved < 7; ++moved) {
        for (DateTime to : {DateTime{5}, DateTime{20}, DateTime{20} + 1, DateTime{35}, DateTime{1},
                            DateTime{99}}) {
            CCVTxnList quick;
            CCVTxnList sorted;
            sorted.SetBorrowing();
            const DateTime dates[] = {10, 20, 20, 20, 30, 30, 40};
            for (DateTime date : dates) {
                auto t = std::make_unique<CTransaction>();
                t->SetDate(date);
                sorted.Append(t.get());
                quick.Append(t.release());
            }
            CTransaction* changed = quick.At(moved);
            changed->SetDate(to);
            sorted.Resort(order);
            ASSERT_EQ(quick.Reposition(changed, order), 0);
            for (std::int64_t i = 0; i < 7; ++i) {
                EXPECT_EQ(quick.At(i), sorted.At(i)) << "moved " << moved << " to " << to;
            }
        }
    }
    CCVTxnList list;
    CTransaction stranger;
    EXPECT_EQ(list.Reposition(&stranger, order), 1);
}

}  // namespace
