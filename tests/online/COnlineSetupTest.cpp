// Setting an account up for online access against the fake bank, and changing the online
// password there: the checks of each screen in their order, the working copy that nothing writes
// into an account before the editor saves it, and the failures that must be said.
#include "online/COnlineSetup.h"

#include <gtest/gtest.h>

#include "model/AccountListFixture.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "online/BankDirectory.h"
#include "online/CFiList.h"
#include "online/COnlinePassword.h"
#include "online/ScriptedOnline.h"
#include "resources/ScreenIds.h"
#include "support/FakeBank.h"

namespace {

using testing_support::FakeBank;
using Events = std::vector<std::string>;

constexpr std::uint32_t kBankId = online_testing::BankDirectory::kBankId;
constexpr const char* kWrongPassword =
    "caller stop OFX Error: The Customer ID or Password for this account is invalid.";

class OnlineSetupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_bank.AddCustomer("alice", "secret1");
        m_bank.AddBankAccount("123456789", "1001", "CHECKING");
        m_bank.AddBankAccount("123456789", "2002", "SAVINGS");
        m_accounts = m_folder.Load();
        ASSERT_EQ(Bank().UpdateBanks(m_ui, m_ui), 0);
        ASSERT_EQ(m_ui.events, (Events{"start", "end"}));
        m_ui.events.clear();
    }
    CCVAccount& Named(const char* name) {
        return *m_accounts->At(m_accounts->FindAccount(m_accounts->FindAccountByName(name)));
    }
    CCVAccount& Checking() { return Named("Checking"); }
    COnlineSetup::WorkingCopy CopyOfChecking() {
        return COnlineSetup::CopyOf(Checking().Record(), Checking().GetAccountId());
    }
    COnlineSetup Bank() { return COnlineSetup(*m_accounts); }
    CFiList& Banks() { return *dynamic_cast<CFiList*>(m_accounts->GetInstitutionList()); }

    FakeBank m_bank;
    online_testing::BankDirectory m_directory{m_bank.OfxUrl()};
    account_list_fixture::DataFolder m_folder;
    std::unique_ptr<CCVAccountList> m_accounts;
    online_testing::ScriptedOnline m_ui;
};

TEST_F(OnlineSetupTest, BankThenAccountFromTheBanksListIntoTheWorkingCopyOnly) {
    COnlineSetup::WorkingCopy copy = CopyOfChecking();
    EXPECT_EQ(COnlineSetup::CheckSelectAccount(copy, "alice"), res::IDS_PLEASE_SELECT_BANK);
    ASSERT_TRUE(Bank().ChooseBank(copy, "Seven"));
    EXPECT_FALSE(Bank().ChooseBank(copy, "seven"));  // names compare exactly
    EXPECT_EQ(copy.fiId, kBankId);
    EXPECT_EQ(COnlineSetup::CheckSelectAccount(copy, ""), res::IDS_PLEASE_ENTER_CUSTOMER_ID);
    EXPECT_EQ(COnlineSetup::CheckSelectAccount(copy, "alice"), res::IDS_NONE);

    // No password typed: the prompt asks, with the bank's name and the customer id, and the
    // password given there is not kept.
    m_ui.passwords = {"secret1"};
    ASSERT_EQ(Bank().FetchAccounts(copy, "alice", "", m_ui, m_ui, m_ui), 0);
    EXPECT_EQ(m_ui.events, (Events{"prompt Seven / alice", "start", "end"}));
    ASSERT_EQ(copy.reported.size(), 2u);
    EXPECT_EQ(copy.reported[1].accountNumber, "2002");
    EXPECT_EQ(copy.reported[1].routingNumber, "123456789");
    EXPECT_EQ(copy.reported[1].accountType, 1);
    EXPECT_EQ(copy.customerId, "alice");
    EXPECT_EQ(copy.password, "");

    EXPECT_EQ(Bank().ChooseReported(copy, 0), res::IDS_NONE);
    EXPECT_EQ(copy.accountNumber, "1001");
    EXPECT_EQ(copy.routingNumber, "123456789");
    copy.enabled = true;
    EXPECT_EQ(Bank().Finish(copy, "alice", "--Will Prompt--", true), res::IDS_NONE);
    EXPECT_EQ(copy.bankName, "Seven");
    EXPECT_EQ(copy.password, "");  // "--Will Prompt--": asked at every download

    // Nothing reached the account before the editor writes the copy.
    EXPECT_FALSE(Checking().Record().GetOnlineEnabled());
    EXPECT_EQ(Checking().Record().GetFiId(), 0u);
    COnlineSetup::WriteOnlineFields(copy, Checking().Record());
    EXPECT_TRUE(Checking().Record().GetOnlineEnabled());
    EXPECT_EQ(Checking().Record().GetFiId(), kBankId);
    EXPECT_EQ(Checking().Record().GetCustomerId(), "alice");
    EXPECT_EQ(Checking().Record().GetRoutingNumber(), "123456789");
}

TEST_F(OnlineSetupTest, ATypedPasswordIsKeptAndAWrongOneIsSaidAndChangesNothing) {
    COnlineSetup::WorkingCopy copy = CopyOfChecking();
    ASSERT_TRUE(Bank().ChooseBank(copy, "Seven"));
    // Fault mended: the failure of the account-information call was passed over and the details
    // screen opened as if the bank listed no account.
    EXPECT_EQ(Bank().FetchAccounts(copy, "alice", "wrong", m_ui, m_ui, m_ui), 1);
    EXPECT_EQ(m_ui.events, (Events{"start", "end", kWrongPassword}));
    EXPECT_EQ(copy.customerId, "");
    EXPECT_TRUE(copy.reported.empty());

    m_ui.events.clear();
    ASSERT_EQ(Bank().FetchAccounts(copy, "alice", "secret1", m_ui, m_ui, m_ui), 0);
    EXPECT_EQ(m_ui.events, (Events{"start", "end"}));  // no prompt
    EXPECT_EQ(copy.password, "secret1");

    // A cancelled prompt stops quietly.
    m_ui.events.clear();
    EXPECT_EQ(Bank().FetchAccounts(copy, "alice", "", m_ui, m_ui, m_ui), 1);
    EXPECT_EQ(m_ui.events, (Events{"prompt Seven / alice"}));
}

TEST_F(OnlineSetupTest, AnAccountAtTheBankServesOneAccountOnly) {
    CCVAccount& savings = Named("Savings");
    savings.Record().SetRoutingNumber("123456789");
    savings.Record().SetAccountNumber("2002");
    COnlineSetup::WorkingCopy copy = CopyOfChecking();
    copy.reported = {{0, "1001", "123456789"}, {1, "2002", "123456789"}};
    EXPECT_EQ(Bank().ChooseReported(copy, 1), res::IDS_ACCOUNT_IN_USE);
    EXPECT_EQ(copy.accountNumber, Checking().Record().GetAccountNumber());
    EXPECT_EQ(Bank().ChooseReported(copy, 5), res::IDS_NONE);  // no such row: nothing
    // Fault mended: choosing again the bank account this same account already uses was refused
    // as "in use", so an account set up once could not be set up again.
    Checking().Record().SetRoutingNumber("123456789");
    Checking().Record().SetAccountNumber("1001");
    EXPECT_EQ(Bank().ChooseReported(copy, 0), res::IDS_NONE);
    // A new account (no identifier yet) is refused for every account already in use.
    copy.accountId = RecordKey{};
    EXPECT_EQ(Bank().ChooseReported(copy, 0), res::IDS_ACCOUNT_IN_USE);
}

TEST_F(OnlineSetupTest, TypedDetailsAreCheckedInOrder) {
    COnlineSetup::WorkingCopy copy = CopyOfChecking();
    EXPECT_EQ(Bank().EnterDetails(copy, 1, "", "12345678"), res::IDS_ACCOUNT_NUMBER_EMPTY);
    EXPECT_EQ(Bank().EnterDetails(copy, 1, "77", "12345678"), res::IDS_ROUTING_NUMBER_LENGTH);
    EXPECT_EQ(Bank().EnterDetails(copy, 1, "77", "1234567890"), res::IDS_ROUTING_NUMBER_LENGTH);
    Named("Savings").Record().SetRoutingNumber("000000000");
    Named("Savings").Record().SetAccountNumber("77");
    EXPECT_EQ(Bank().EnterDetails(copy, 1, "77", "000000000"), res::IDS_ACCOUNT_IN_USE);
    EXPECT_EQ(Bank().EnterDetails(copy, 2, "78", "000000000"), res::IDS_NONE);
    EXPECT_EQ(copy.accountType, 3);  // "Credit"
    EXPECT_EQ(copy.accountNumber, "78");
    EXPECT_EQ(copy.routingNumber, "000000000");
}

TEST_F(OnlineSetupTest, DoneChecksBankCustomerAndAccountOnlyWhenEnabled) {
    COnlineSetup::WorkingCopy copy = CopyOfChecking();
    copy.accountNumber.clear();
    EXPECT_EQ(Bank().Finish(copy, "", "", true), res::IDS_NONE);  // not ticked: nothing to check
    copy.enabled = true;
    EXPECT_EQ(Bank().Finish(copy, "alice", "", true), res::IDS_PLEASE_SELECT_BANK);
    ASSERT_TRUE(Bank().ChooseBank(copy, "Seven"));
    EXPECT_EQ(Bank().Finish(copy, "", "", true), res::IDS_PLEASE_ENTER_CUSTOMER_ID);
    EXPECT_EQ(Bank().Finish(copy, "alice", "", true), res::IDS_PLEASE_ASSIGN_ACCOUNT);
    copy.accountNumber = "1001";
    EXPECT_EQ(Bank().Finish(copy, "alice", "pw", false), res::IDS_NONE);
    EXPECT_EQ(copy.password, "pw");
}

class OnlinePasswordTest : public OnlineSetupTest {
  protected:
    void SetUp() override {
        OnlineSetupTest::SetUp();
        SetOnline(Checking(), "1001", "secret1");
        SetOnline(Named("Savings"), "2002", "secret1");
        SetOnline(Named("Visa"), "3003", "");
    }
    static void SetOnline(CCVAccount& account, const char* number, const char* password) {
        CCVAccountRecord& record = account.Record();
        record.SetOnlineEnabled(true);
        record.SetFiId(kBankId);
        record.SetCustomerId("alice");
        record.SetRoutingNumber("123456789");
        record.SetAccountNumber(number);
        record.SetOnlinePassword(password);
    }
    COnlinePassword Password() { return COnlinePassword(*m_accounts, m_ui, m_ui); }
};

TEST_F(OnlinePasswordTest, TheBanksRulesThenTheChangeAndTheStoredPasswordsFollow) {
    FakeBank::PasswordRules rules;
    rules.minimum = 4;
    rules.maximum = 8;
    rules.special = true;
    m_bank.SetPasswordRules(rules);
    COnlinePassword::Criteria criteria{};
    ASSERT_EQ(Password().FetchCriteria(Checking(), criteria), 0);
    EXPECT_EQ(m_ui.events, (Events{"start", "end"}));
    EXPECT_EQ(criteria[0], 4);
    EXPECT_EQ(criteria[1], 8);
    EXPECT_EQ(criteria[2], 3);
    EXPECT_EQ(criteria[4], 1);
    EXPECT_EQ(criteria[5], 0);

    m_ui.events.clear();
    EXPECT_EQ(Password().Change(Checking(), criteria, L"secret1", L"abcdef", L"abcdef"), 1);
    EXPECT_EQ(m_ui.events,
              (Events{"caller exclamation Coinvale: Your new password must contain both numeric "
                      "and non-numeric (eg \"Abc123\") characters."}));
    EXPECT_EQ(m_bank.PasswordOf("alice"), "secret1");

    m_ui.events.clear();
    ASSERT_EQ(Password().Change(Checking(), criteria, L"secret1", L"new#99", L"new#99"), 0);
    EXPECT_EQ(m_ui.events, (Events{"start", "end",
                                   "caller information Coinvale: Your password has been changed "
                                   "successfully"}));
    EXPECT_EQ(m_bank.PasswordOf("alice"), "new#99");
    // Fault mended: the stored password stayed the old one, so every later download failed.
    EXPECT_EQ(Checking().Record().GetOnlinePassword(), "new#99");
    EXPECT_EQ(Named("Savings").Record().GetOnlinePassword(), "new#99");
    // An account that asks every time keeps asking.
    EXPECT_EQ(Named("Visa").Record().GetOnlinePassword(), "");
}

TEST_F(OnlinePasswordTest, FailuresAreSaidAndChangeNothing) {
    COnlinePassword::Criteria criteria{};
    ASSERT_EQ(Password().FetchCriteria(Checking(), criteria), 0);
    m_ui.events.clear();
    // A wrong old password: the bank's refusal, the stored password as it was.
    EXPECT_EQ(Password().Change(Checking(), criteria, L"guess", L"abc123", L"abc123"), 1);
    EXPECT_EQ(m_ui.events, (Events{"start", "end", kWrongPassword}));
    EXPECT_EQ(Checking().Record().GetOnlinePassword(), "secret1");
    EXPECT_EQ(m_bank.PasswordOf("alice"), "secret1");

    // Fault mended: a bank that left the bank list was used through a null reference.
    ASSERT_EQ(Banks().OnFiRemoved(kBankId), 0);
    m_ui.events.clear();
    EXPECT_EQ(Password().Change(Checking(), criteria, L"secret1", L"abc123", L"abc123"), 1);
    ASSERT_EQ(m_ui.events.size(), 1u);
    EXPECT_NE(m_ui.events[0].find("caller exclamation Coinvale:"), std::string::npos);
    EXPECT_EQ(m_bank.PasswordOf("alice"), "secret1");

    Checking().Record().SetOnlineEnabled(false);
    m_ui.events.clear();
    EXPECT_EQ(Password().FetchCriteria(Checking(), criteria), 1);
    EXPECT_EQ(m_ui.events, (Events{"caller exclamation Coinvale: This account is not setup for "
                                   "online access."}));
}

}  // namespace
