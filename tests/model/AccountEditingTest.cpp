// The account screens' rules without a screen: the editor's checks in their order, saving a new
// and an edited account (a rename carries the account's settings), and deleting an account
// (the current account, the last active one and the scheduled transactions aiming at it).
#include "model/CAccountEditing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AccountListFixture.h"
#include "RegisterFixture.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CTransaction.h"
#include "preferences/CCVPreferences.h"
#include "resources/ScreenIds.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using Fields = CAccountEditing::Fields;
using Column = CCVPreferences::Column;

class AccountEditing : public ::testing::Test {
  protected:
    AccountEditing() {
        list = folder.Load();
        preferences.SelectUser();
    }

    CCVAccount& Named(const char* name) {
        return *list->At(list->FindAccount(list->FindAccountByName(name)));
    }
    Fields FieldsNamed(const char* name, std::uint8_t type = CCVAccount::kChecking,
                       const char* balance = "") {
        Fields fields = editing().FieldsOf(nullptr);
        fields.name = name;
        fields.type = type;
        fields.balanceText = balance;
        return fields;
    }
    CAccountEditing editing() { return CAccountEditing(*list, &preferences); }
    CScheduledItem& Schedule(const RecordKey& account, const RecordKey& category) {
        auto* item = new CScheduledItem();
        item->SetAccountId(account);
        item->Template().SetCategoryId(category);
        list->GetScheduledTransactions()->Append(item);
        return *item;
    }

    testing_support::TempFolder home;
    testing_support::ScopedEnvironment homeVariable{"COINVALE_HOME", home.Path()};
    account_list_fixture::DataFolder folder;
    std::unique_ptr<CCVAccountList> list;
    CCVPreferences preferences;
};

TEST_F(AccountEditing, ChecksComeInTheirOrderAndPointAtTheirField) {
    auto check = [&](const Fields& fields, const CCVAccount* edited = nullptr) {
        return editing().CheckFields(fields, edited, false);
    };
    // A name that is empty and a balance that is not an amount: the name is said first.
    EXPECT_EQ(check(FieldsNamed("", CCVAccount::kChecking, "12x")).outcome.message,
              res::IDS_ACCOUNT_NAME_EMPTY);
    EXPECT_EQ(check(FieldsNamed("A/B")).outcome.message, res::IDS_ACCOUNT_NAME_CHARACTERS);
    EXPECT_EQ(check(FieldsNamed("cHECKING")).outcome.message, res::IDS_ACCOUNT_NAME_EXISTS);
    // The edited account keeps its own name in other letter case, but not another's.
    EXPECT_TRUE(check(FieldsNamed("CHECKING"), &Named("Checking")).outcome.IsDone());
    EXPECT_EQ(check(FieldsNamed("visa"), &Named("Checking")).outcome.message,
              res::IDS_ACCOUNT_NAME_EXISTS);
    EXPECT_EQ(check(FieldsNamed(std::string(33, 'n').c_str())).outcome.message,
              res::IDS_ACCOUNT_NAME_TOO_LONG);

    Fields number = FieldsNamed("Cash box");
    number.accountNumber = std::string(20, '7');
    EXPECT_TRUE(check(number).outcome.IsDone());
    number.accountNumber += '7';
    const CAccountEditing::Check longNumber = check(number);
    EXPECT_EQ(longNumber.outcome.message, res::IDS_ACCOUNT_NUMBER_TOO_LONG);
    EXPECT_EQ(longNumber.field, CAccountEditing::Field::kAccountNumber);

    // Regression: a balance text that is not an amount used to stop the save without a word.
    const CAccountEditing::Check badBalance = check(FieldsNamed("Cash box", 0, "12x"));
    EXPECT_EQ(badBalance.outcome, EditOutcome::Refused(res::IDS_ENTER_VALID_AMOUNT));
    EXPECT_EQ(badBalance.field, CAccountEditing::Field::kBalance);
    EXPECT_TRUE(check(FieldsNamed("Cash box", 0, "")).outcome.IsDone());
}

// Fault: a beginning balance of "1,50" was stored as 150.00 and "0.125" as 0.12; one that took
// the account's balances past their limit left them at the limit.
TEST_F(AccountEditing, TheBeginningBalanceIsATypedAmountWithinTheLimit) {
    const auto check = [&](const char* balance, const CCVAccount* edited) {
        Fields fields = edited != nullptr ? editing().FieldsOf(edited) : FieldsNamed("Cash box");
        fields.balanceText = balance;
        return editing().CheckFields(fields, edited, true);
    };
    EXPECT_EQ(check("1,50", nullptr).outcome, EditOutcome::Refused(res::IDS_ENTER_VALID_AMOUNT));
    EXPECT_EQ(check("0.125", nullptr).outcome, EditOutcome::Refused(res::IDS_AMOUNT_TOO_PRECISE));
    EXPECT_EQ(check("72057594037927937", nullptr).outcome,
              EditOutcome::Refused(res::IDS_AMOUNT_TOO_LARGE));
    EXPECT_EQ(check("0.125", nullptr).field, CAccountEditing::Field::kBalance);
    EXPECT_TRUE(check("1,234.50", nullptr).outcome.IsDone());

    // Checking holds a deposit of kMax - 100: its balances may rise by 100 at most.
    CCVAccount& checking = Named("Checking");
    checking.AddTransaction(register_fixture::Txn(1000 * kSecondsPerDay, kMaxAmountMagnitude - 100,
                                                  register_fixture::Type::kTypeDeposit, "Pay",
                                                  CTransaction::kCleared));
    EXPECT_TRUE(check("1.00", &checking).outcome.IsDone());
    const CAccountEditing::Check past = check("1.01", &checking);
    EXPECT_EQ(past.outcome, EditOutcome::Refused(res::IDS_BALANCE_LIMIT));
    EXPECT_EQ(past.field, CAccountEditing::Field::kBalance);
    // Going down is fine; a new account has no balances to push.
    EXPECT_TRUE(check("-72057594037927936.99", &checking).outcome.IsDone());
    EXPECT_TRUE(check("72057594037927936.99", nullptr).outcome.IsDone());

    // Saved, the typed value is what the record holds.
    Fields fields = editing().FieldsOf(&checking);
    fields.balanceText = "1,000.25";
    ASSERT_EQ(editing().Save(fields, &checking, nullptr), 0);
    EXPECT_EQ(checking.Record().GetBeginningBalance(), 100025);
}

TEST_F(AccountEditing, APositiveBeginningBalanceOfADebtAccountIsQuestioned) {
    for (std::uint8_t type :
         {CCVAccount::kCredit, CCVAccount::kLiability, CCVAccount::kLineOfCredit}) {
        const Fields fields = FieldsNamed("Loan", type, "100.00");
        const CAccountEditing::Check asked = editing().CheckFields(fields, nullptr, false);
        EXPECT_EQ(asked.outcome, EditOutcome::Ask(res::IDS_BEGINNING_BALANCE_POSITIVE)) << +type;
        EXPECT_EQ(asked.field, CAccountEditing::Field::kBalance);
        EXPECT_TRUE(editing().CheckFields(fields, nullptr, true).outcome.IsDone());
        EXPECT_TRUE(editing()
                        .CheckFields(FieldsNamed("Loan", type, "-100.00"), nullptr, false)
                        .outcome.IsDone());
    }
    for (std::uint8_t type : {CCVAccount::kChecking, CCVAccount::kAsset, CCVAccount::kCash}) {
        EXPECT_TRUE(editing()
                        .CheckFields(FieldsNamed("Box", type, "100"), nullptr, false)
                        .outcome.IsDone());
    }
}

TEST_F(AccountEditing, ANewAccountTakesEveryFieldAndItsFileIsWritten) {
    Fields fields = FieldsNamed("Wallet", CCVAccount::kCash, "1,250.5");
    fields.bank = "Harbour Bank";
    fields.accountNumber = std::string(20, '9');
    fields.currency = 3;
    fields.icon = 17;
    fields.includeInTotal = false;
    CCVAccount* saved = nullptr;
    ASSERT_EQ(editing().Save(fields, nullptr, &saved), 0);
    ASSERT_NE(saved, nullptr);
    EXPECT_TRUE(std::filesystem::exists(folder.File("Wallet.cvl")));
    const CCVAccountRecord& record = saved->Record();
    EXPECT_EQ(record.GetAccountType(), CCVAccount::kCash);
    EXPECT_EQ(record.GetBankName(), "Harbour Bank");
    EXPECT_EQ(record.GetAccountNumber(), std::string(20, '9'));
    EXPECT_EQ(record.GetBeginningBalance(), 125050);
    EXPECT_EQ(saved->GetBalance(CCVAccount::kBalanceCurrent), 125050);
    EXPECT_EQ(record.GetCurrency(), 3);
    EXPECT_EQ(record.GetIcon(), 17);
    EXPECT_FALSE(record.GetIncludeInTotal());
    // In name order, after "Visa".
    EXPECT_EQ(list->FindAccount(saved), 5);
    // The fields read back as they were given.
    const Fields back = editing().FieldsOf(saved);
    EXPECT_EQ(back.name, "Wallet");
    EXPECT_EQ(back.balanceText, "1250.50");
    EXPECT_EQ(back.accountNumber, fields.accountNumber);
}

TEST_F(AccountEditing, ARenameMovesTheFileAndCarriesTheAccountsSettings) {
    preferences.SelectAccount(L"Checking");
    preferences.SetColumnShown(Column::Memo, true);
    preferences.SetColumnShown(Column::Payee, false);
    preferences.SetTransactionFilter(4);
    preferences.SetRowColor(0x00123456);
    list->SetCurrentAccount(1);  // Checking
    CCVAccount& checking = Named("Checking");

    Fields fields = editing().FieldsOf(&checking);
    fields.name = "Zebra Bank";
    ASSERT_EQ(editing().Save(fields, &checking), 0);

    EXPECT_FALSE(std::filesystem::exists(folder.File("Checking.cvl")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("Zebra Bank.cvl")));
    // Back in name order, and still the current account.
    EXPECT_EQ(list->FindAccount(&checking), 4);
    EXPECT_EQ(list->GetCurrentAccountIndex(), 4);
    EXPECT_EQ(preferences.GetLastActiveAccount(), L"Zebra Bank");
    EXPECT_EQ(preferences.CurrentSettingsKey(), CCVPreferences::AccountSettingsKey(L"Zebra Bank"));
    EXPECT_TRUE(preferences.GetColumnShown(Column::Memo));
    EXPECT_FALSE(preferences.GetColumnShown(Column::Payee));
    EXPECT_EQ(preferences.GetTransactionFilter(), 4u);
    EXPECT_EQ(preferences.GetRowColor(0), 0x00123456u);
}

TEST_F(AccountEditing, RenamingAnotherAccountLeavesTheSelectedSettingsAlone) {
    preferences.SelectAccount(L"Visa");
    ASSERT_EQ(editing().Save(FieldsNamed("Savings Plus"), &Named("Savings")), 0);
    EXPECT_EQ(preferences.GetLastActiveAccount(), L"Visa");
    EXPECT_EQ(preferences.CurrentSettingsKey(), CCVPreferences::AccountSettingsKey(L"Visa"));
}

TEST_F(AccountEditing, ARenameInOtherLetterCaseIsAcceptedAndTakesEffect) {
    CCVAccount& visa = Named("Visa");
    Fields fields = editing().FieldsOf(&visa);
    fields.name = "VISA";
    ASSERT_TRUE(editing().CheckFields(fields, &visa, false).outcome.IsDone());
    ASSERT_EQ(editing().Save(fields, &visa), 0);
    EXPECT_STREQ(visa.GetName(), "VISA");
    EXPECT_TRUE(std::filesystem::exists(folder.File("VISA.cvl")));
}

TEST_F(AccountEditing, ARenameThatTheFolderRefusesChangesNothing) {
    // A file of the new name that no account holds is never replaced.
    { std::ofstream(folder.File("Travel.cvl")) << "kept"; }
    CCVAccount& visa = Named("Visa");
    Fields fields = editing().FieldsOf(&visa);
    fields.name = "Travel";
    fields.bank = "Other";
    EXPECT_NE(editing().Save(fields, &visa), 0);
    EXPECT_STREQ(visa.GetName(), "Visa");
    EXPECT_EQ(visa.Record().GetBankName(), "");
}

TEST_F(AccountEditing, SelectionChecksOfTheAccountList) {
    EXPECT_EQ(editing().CheckSelection(-1), EditOutcome::Refused(res::IDS_SELECT_ITEM));
    EXPECT_EQ(editing().CheckSelection(5), EditOutcome::Refused(res::IDS_BAD_ACCOUNT_INDEX));
    EXPECT_TRUE(editing().CheckSelection(4).IsDone());
    while (list->Count() > 0) ASSERT_EQ(editing().DeleteAccount(0, false), 0);
    EXPECT_EQ(editing().CheckSelection(0), EditOutcome::Refused(res::IDS_NO_ACCOUNTS));
    EXPECT_EQ(editing().CheckSelection(-1), EditOutcome::Refused(res::IDS_NO_ACCOUNTS));
}

TEST_F(AccountEditing, DeletingLeavesNoCurrentIndexPointingAtAnotherAccount) {
    // Regression: deleting the current account left its index on the next one.
    list->SetCurrentAccount(1);  // Checking
    preferences.SelectAccount(L"Checking");
    ASSERT_EQ(editing().DeleteAccount(1, false), 0);
    EXPECT_EQ(list->GetCurrentAccountIndex(), -1);
    EXPECT_EQ(preferences.GetLastActiveAccount(), L"");
    EXPECT_TRUE(std::filesystem::exists(folder.File("XXXXXXXXXXXXXXXXXXXXXX0000.cvl")));

    // Deleting an account before the current one: the index follows the current account.
    list->SetCurrentAccount(3);  // Visa
    ASSERT_EQ(editing().DeleteAccount(0, false), 0);
    ASSERT_NE(list->At(list->GetCurrentAccountIndex()), nullptr);
    EXPECT_STREQ(list->At(list->GetCurrentAccountIndex())->GetName(), "Visa");
    EXPECT_EQ(editing().DeleteAccount(7, false), 1);
}

TEST_F(AccountEditing, ScheduledTransactionsAimingAtADeletedAccountGoWhenAsked) {
    const RecordKey savings = Named("Savings").GetAccountId();
    const RecordKey checking = Named("Checking").GetAccountId();
    Schedule(savings, RecordKey{});  // Savings' own
    Schedule(checking, savings);     // a transfer into Savings
    CScheduledItem& split = Schedule(checking, CTransaction::SplitCategoryId());
    CTransaction::SplitLine line;
    line.categoryKey = savings;
    line.amount = 500;
    split.Template().SetSplitLine(3, line);  // a split line transferring into Savings
    Schedule(checking, RecordKey{});         // Checking's own: stays
    CScheduledList& scheduled = *list->GetScheduledTransactions();

    EXPECT_EQ(editing().CountScheduledFor(3), 3u);
    EXPECT_EQ(editing().CountScheduledFor(1), 3u);  // Checking's own three
    // Kept when the person says no.
    CAccountEditing(*list, &preferences).DeleteAccount(3, false);
    EXPECT_EQ(scheduled.Count(), 4u);

    CCVAccount& visa = Named("Visa");
    Schedule(visa.GetAccountId(), RecordKey{});
    ASSERT_EQ(editing().DeleteAccount(list->FindAccount(&visa), true), 0);
    EXPECT_EQ(scheduled.Count(), 4u);
    EXPECT_EQ(editing().CountScheduledFor(list->FindAccount(list->FindAccountByName("Checking"))),
              3u);
}

}  // namespace
