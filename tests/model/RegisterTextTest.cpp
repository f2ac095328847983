// The texts of a register row: what the category column shows for a transfer, a split, a
// category and nothing; the check number only where the type carries one; the amount signed by
// the type's direction; the state; and the mark of a transaction still awaiting review.
#include "model/CRegisterText.h"

#include <gtest/gtest.h>

#include "AccountListFixture.h"
#include "RegisterFixture.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "model/CCVCategoryText.h"

namespace {

using register_fixture::Txn;
using register_fixture::Type;

class RegisterText : public ::testing::Test {
  protected:
    RegisterText() {
        list = folder.Load();
        checking = list->At(1);
        savings = list->At(3);
    }

    CRegisterText::Fields Of(std::unique_ptr<CTransaction> transaction) {
        CTransaction& t = *transaction;
        checking->AddTransaction(std::move(transaction));
        return CRegisterText(*list, *checking).Of(t);
    }

    account_list_fixture::DataFolder folder;
    std::unique_ptr<CCVAccountList> list;
    CCVAccount* checking = nullptr;
    CCVAccount* savings = nullptr;
};

TEST_F(RegisterText, CategoryColumnForATransferASplitACategoryAndNone) {
    savings->Record().SetIcon(12);  // an account's icon is not a category's
    auto transfer = Txn(Day(2027, 3, 1), 2500, Type::kTypeWithdrawal, "To savings");
    transfer->SetCategoryId(savings->GetAccountId());
    const CRegisterText::Fields toSavings = Of(std::move(transfer));
    EXPECT_EQ(toSavings.category, "[Savings]");
    EXPECT_EQ(toSavings.categoryIcon, 0);
    EXPECT_FALSE(toSavings.hasCategoryIcon);

    auto split = Txn(Day(2027, 3, 2), 6000, Type::kTypeWithdrawal, "Split");
    split->SetCategoryId(CTransaction::SplitCategoryId());
    const CRegisterText::Fields splitFields = Of(std::move(split));
    EXPECT_EQ(splitFields.category, "-SPLIT-");
    EXPECT_EQ(splitFields.categoryIcon, 0);
    EXPECT_FALSE(splitFields.hasCategoryIcon);

    CCVCategoryList& categories = list->GetCategories();
    const RecordKey fuel = categories.FindOrCreate("Auto:Fuel", true);
    static_cast<CCVCategoryItem*>(categories.FindByKey(fuel))->SetIcon(17);
    RecordKey business;  // a class of every fresh data folder
    ASSERT_EQ(list->GetClasses().KeyOfName("Business", business), 1);
    auto fill = Txn(Day(2027, 3, 3), 4012, Type::kTypeAtm, "Gas \xE9tang");  // é in Windows-1252
    fill->SetCategoryId(fuel);
    fill->SetClassId(business);
    fill->SetMemo("full tank");
    const CRegisterText::Fields fuelFields = Of(std::move(fill));
    EXPECT_EQ(fuelFields.category, "Auto:Fuel");
    EXPECT_EQ(fuelFields.categoryIcon, 17);
    EXPECT_TRUE(fuelFields.hasCategoryIcon);
    EXPECT_EQ(fuelFields.className, "Business");
    EXPECT_EQ(fuelFields.memo, "full tank");
    EXPECT_EQ(fuelFields.payee, "Gas \xE9tang");
    EXPECT_EQ(fuelFields.type, "ATM");

    const CRegisterText::Fields none = Of(Txn(Day(2027, 3, 4), 100, Type::kTypeDeposit));
    EXPECT_EQ(none.category, "");
    EXPECT_EQ(none.categoryIcon, 0);
    EXPECT_FALSE(none.hasCategoryIcon);
    EXPECT_EQ(none.className, "");
    EXPECT_EQ(none.type, "Deposit");

    // The account a transfer named is gone: no text, and no icon of anything else.
    auto orphan = Txn(Day(2027, 3, 5), 100, Type::kTypeDeposit);
    orphan->SetCategoryId(BuiltInKey(0x7777));
    const CRegisterText::Fields gone = Of(std::move(orphan));
    EXPECT_EQ(gone.category, "");
    EXPECT_EQ(gone.categoryIcon, 0);
}

TEST_F(RegisterText, CheckNumberOnlyWhereTheTypeCarriesOne) {
    auto check = Txn(Day(2027, 3, 1), 120000, Type::kTypeCheck, "Landlord");
    check->SetCheckNumber(1001);
    const CRegisterText::Fields checkFields = Of(std::move(check));
    EXPECT_EQ(checkFields.checkNumber, 1001u);
    EXPECT_EQ(checkFields.type, "Check #");

    // A number left in a transaction whose type changed to one without numbers is not shown.
    auto withdrawal = Txn(Day(2027, 3, 2), 5000, Type::kTypeWithdrawal);
    withdrawal->SetCheckNumber(1002);
    EXPECT_EQ(Of(std::move(withdrawal)).checkNumber, 0u);
}

TEST_F(RegisterText, AmountSignedByTheTypesDirection) {
    EXPECT_EQ(Of(Txn(Day(2027, 3, 1), 2500, Type::kTypeWithdrawal)).signedAmount, -2500);
    EXPECT_EQ(Of(Txn(Day(2027, 3, 1), 2500, Type::kTypeCharge)).signedAmount, -2500);
    EXPECT_EQ(Of(Txn(Day(2027, 3, 1), 2500, Type::kTypeDeposit)).signedAmount, 2500);
    EXPECT_EQ(Of(Txn(Day(2027, 3, 1), 2500, Type::kTypePayment)).signedAmount, 2500);
}

TEST_F(RegisterText, StatesAndTheirNames) {
    const CRegisterText::Fields voided =
        Of(Txn(Day(2027, 3, 1), 2500, Type::kTypeWithdrawal, "", CTransaction::kVoid));
    EXPECT_EQ(voided.state, CTransaction::kVoid);
    EXPECT_EQ(voided.signedAmount, -2500);  // shown, though it counts in no balance
    EXPECT_EQ(Of(Txn(Day(2027, 3, 1), 1, Type::kTypeDeposit, "", CTransaction::kReconciled)).state,
              CTransaction::kReconciled);

    EXPECT_EQ(CRegisterText::StateNameId(CTransaction::kUncleared), res::IDS_CLI_STATE_UNCLEARED);
    EXPECT_EQ(CRegisterText::StateNameId(CTransaction::kCleared), res::IDS_CLI_STATE_CLEARED);
    EXPECT_EQ(CRegisterText::StateNameId(CTransaction::kReconciled), res::IDS_CLI_STATE_RECONCILED);
    EXPECT_EQ(CRegisterText::StateNameId(CTransaction::kVoid), res::IDS_CLI_STATE_VOID);
    EXPECT_EQ(CRegisterText::StateNameId(-1), res::IDS_NONE);
    EXPECT_EQ(CRegisterText::StateNameId(4), res::IDS_NONE);
}

TEST_F(RegisterText, AwaitingReviewUntilAccepted) {
    auto downloaded = Txn(Day(2027, 3, 1), 100, Type::kTypeDeposit);
    downloaded->SetOnlineOrigin(CTransaction::kAwaitingReview);
    downloaded->SetOnlineId("FITID-1");
    EXPECT_TRUE(Of(std::move(downloaded)).awaitingReview);

    auto imported = Txn(Day(2027, 3, 1), 100, Type::kTypeDeposit);
    imported->SetOnlineOrigin(CTransaction::kAwaitingReview);
    EXPECT_TRUE(Of(std::move(imported)).awaitingReview);

    auto accepted = Txn(Day(2027, 3, 1), 100, Type::kTypeDeposit);
    accepted->SetOnlineOrigin(CTransaction::kAccepted);
    accepted->SetOnlineId("FITID-2");
    EXPECT_FALSE(Of(std::move(accepted)).awaitingReview);
    EXPECT_FALSE(Of(Txn(Day(2027, 3, 1), 100, Type::kTypeDeposit)).awaitingReview);
}

}  // namespace
