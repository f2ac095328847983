// The download runs against the fake bank: which failures stop a run and which go on, the
// progress indicator around every run, the summaries, the password prompt, and the online error
// messages.
#include "online/COnlineDownload.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <tuple>
#include <vector>

#include "model/AccountListFixture.h"
#include "model/RegisterFixture.h"
#include "ofx/CFidbClient.h"
#include "ofx/OfxTransport.h"
#include "online/BankDirectory.h"
#include "online/CFiList.h"
#include "online/OnlineError.h"
#include "online/ScriptedOnline.h"
#include "platform/sys/CodePage.h"
#include "support/FakeBank.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using Events = std::vector<std::string>;
using testing_support::FakeBank;
using testing_support::TempFolder;

constexpr std::uint32_t kBankId = online_testing::BankDirectory::kBankId;
constexpr const char* kOneLine =
    "caller information Online Summary: 1 transaction was downloaded from 2 banks.\n\nSelect an "
    "online banking account to review the downloaded transactions";
constexpr const char* kNothingNew =
    "caller information Online Summary: No new transactions were available at this time";
constexpr const char* kWrongPassword =
    "OFX Error: The Customer ID or Password for this account is invalid.";
constexpr const char* kNoConnection =
    "progress stop OFX Error: Your Internet connection is not configured properly.  Please "
    "verify your settings in Connections.";

// A data folder of three accounts: Checking (online, no stored password), Savings (online, its
// password stored, one transaction entered) and Visa (not online); the fake bank knows the first
// two and has one new line for Checking.
class OnlineDownloadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_bank.AddCustomer("alice", "secret1");
        m_bank.AddBankAccount("123456789", "1001", "CHECKING");
        m_bank.AddBankAccount("123456789", "2002", "SAVINGS");
        m_bank.AddLine({"1001", "20240228", "-42.50", "DEBIT", "Grocer", "", "F1", ""});
        m_bank.SetLedgerBalance("1001", "2,000.00");
        m_bank.SetLedgerBalance("2002", "9,999.00");

        m_accounts = m_folder.Load();
        // Of the five first accounts keep Checking, Savings and Visa.
        ASSERT_EQ(m_accounts->DeleteAccount(0), 0);  // American Express
        ASSERT_EQ(m_accounts->DeleteAccount(1), 0);  // Master Card
        ASSERT_EQ(m_accounts->Count(), 3u);
        SetOnline(Checking(), "1001");
        SetOnline(Savings(), "2002");
        Savings().Record().SetOnlinePassword("secret1");
        Savings().AddTransaction(register_fixture::Txn(
            COfxClient::OfxDateTimeToPalmDateTime("20240201"), 500,
            register_fixture::Type::kTypeDeposit, "Interest", CTransaction::kCleared));
    }
    static void SetOnline(CCVAccount& account, const char* number) {
        CCVAccountRecord& record = account.Record();
        record.SetOnlineEnabled(true);
        record.SetFiId(kBankId);
        record.SetCustomerId("alice");
        record.SetRoutingNumber("123456789");
        record.SetAccountNumber(number);
        record.SetBankName("Seven Bank");
    }
    CCVAccount& Checking() { return *m_accounts->At(0); }
    CCVAccount& Savings() { return *m_accounts->At(1); }
    CCVAccount& Visa() { return *m_accounts->At(2); }
    COnlineDownload Run() { return COnlineDownload(*m_accounts, m_ui, m_ui, m_ui); }
    long StatementRequests(const char* account) const {
        const std::vector<std::string> requests = m_bank.Requests();
        return std::count_if(requests.begin(), requests.end(), [&](const std::string& r) {
            return r.find(std::string("STMTRQ>")) != std::string::npos &&
                   r.find(std::string("<ACCTID>") + account) != std::string::npos;
        });
    }
    // A run over all accounts with the passwords the prompt will be given; its events.
    Events DownloadAll(int expected, std::deque<std::string> passwords = {}) {
        m_ui.events.clear();
        m_ui.passwords = std::move(passwords);
        EXPECT_EQ(Run().DownloadAll(), expected);
        return m_ui.events;
    }

    FakeBank m_bank;
    online_testing::BankDirectory m_directory{m_bank.OfxUrl()};
    account_list_fixture::DataFolder m_folder;
    std::unique_ptr<CCVAccountList> m_accounts;
    online_testing::ScriptedOnline m_ui;
};

TEST_F(OnlineDownloadTest, ThreeAccountsTwoOnlineOneLine) {
    // One progress window around the whole run, the prompt only for the account without a stored
    // password, and the one-transaction summary (two accounts tried: "banks") after the end.
    EXPECT_EQ(DownloadAll(1, {"secret1"}),
              (Events{"start", "prompt Seven Bank / 1001", "end", kOneLine}));
    EXPECT_GT(m_ui.steps, 0);
    ASSERT_EQ(Checking().Transactions().Count(), 1u);
    EXPECT_TRUE(Checking().Transactions().At(0)->IsDownloaded());
    // The first download of an account that held nothing takes the bank's ledger balance; an
    // account with a transaction ignores it.
    EXPECT_EQ(Checking().GetBalance(CCVAccount::kBalanceCleared), 200000);
    EXPECT_EQ(Savings().GetBalance(CCVAccount::kBalanceCleared), 500);
    EXPECT_EQ(StatementRequests("2002"), 1);

    EXPECT_EQ(DownloadAll(1, {"secret1"}).back(), kNothingNew);
    m_bank.AddLine({"2002", "20240305", "12.00", "CREDIT", "Interest", "", "S1", ""});
    m_bank.AddLine({"2002", "20240305", "13.00", "CREDIT", "Interest", "", "S2", ""});
    EXPECT_EQ(DownloadAll(1),  // the prompt is cancelled: Checking is passed over, yet tried
              (Events{"start", "prompt Seven Bank / 1001", "end",
                      "caller information Online Summary: 2 transactions were downloaded from 2 "
                      "banks.\n\nSelect an online banking account to review the downloaded "
                      "transactions"}));
    Checking().Record().SetOnlineEnabled(false);
    m_bank.AddLine({"2002", "20240306", "1.00", "CREDIT", "Interest", "", "S3", ""});
    EXPECT_EQ(DownloadAll(1).back(),
              "caller information Online Summary: 1 transaction was downloaded from 1 bank.\n\n"
              "Select an online banking account to review the downloaded transactions");
    Savings().Record().SetOnlineEnabled(false);
    EXPECT_EQ(DownloadAll(1), (Events{"start", "end",
                                      "caller information Coinvale: None of your accounts are "
                                      "setup for online access."}));
}

TEST_F(OnlineDownloadTest, CancelDuringARunEndsItQuietly) {
    m_ui.cancelAfterPrompt = true;
    // No error message and no summary; the next account is not tried.
    EXPECT_EQ(DownloadAll(0, {"secret1"}), (Events{"start", "prompt Seven Bank / 1001", "end"}));
    EXPECT_EQ(StatementRequests("2002"), 0);
    EXPECT_EQ(Checking().Transactions().Count(), 0u);
    m_ui.events.clear();
    m_ui.passwords = {"secret1"};
    EXPECT_EQ(Run().DownloadAccount(Checking()), 0);
    EXPECT_EQ(m_ui.events, (Events{"start", "prompt Seven Bank / 1001", "end"}));
}

TEST_F(OnlineDownloadTest, NoUsableConnectionEndsTheRun) {
    // The institution directory at an address whose secure connection cannot be set up: the bank
    // list's update fails with 20000 for the first account, and the run stops there.
    ofx::OfxTransportSettings settings = ofx::OfxTransport::Settings();
    settings.caFile = m_directory.Folder().File("missing-authorities.pem");
    ofx::OfxTransport::SetSettings(settings);
    std::string secure = m_bank.DirectoryUrl();
    CFidbClient::SetDirectoryLocation(secure.replace(0, 4, "https"));
    EXPECT_EQ(DownloadAll(0), (Events{"start", kNoConnection, "end"}));

    // The same failure from the bank itself, after the list was updated, stops the run too: the
    // message is not repeated for every account.
    CFidbClient::SetDirectoryLocation(m_directory.Path());
    std::string bank = m_bank.OfxUrl();
    m_directory.Write(bank.replace(0, 4, "https"), 1);
    EXPECT_EQ(DownloadAll(0, {"secret1"}),
              (Events{"start", "prompt Seven Bank / 1001", kNoConnection, "end"}));
    EXPECT_EQ(StatementRequests("2002"), 0);
}

TEST_F(OnlineDownloadTest, FailuresOfOneAccount) {
    // A wrong password: the register's message comes after the progress window is gone.
    m_ui.passwords = {"wrong"};
    const CCVAccountRecord before = Checking().Record();
    EXPECT_EQ(Run().DownloadAccount(Checking()), 0);
    EXPECT_EQ(m_ui.events, (Events{"start", "prompt Seven Bank / 1001", "end",
                                   std::string("caller stop ") + kWrongPassword}));
    EXPECT_TRUE(Checking().Record() == before);
    // In a run over all accounts it belongs to the progress window and the run goes on.
    EXPECT_EQ(DownloadAll(1, {"wrong"}),
              (Events{"start", "prompt Seven Bank / 1001",
                      std::string("progress stop ") + kWrongPassword, "end", kNothingNew}));
    EXPECT_EQ(StatementRequests("2002"), 1);

    // A bank the directory no longer lists: no prompt, and the owner learns why.
    Checking().Record().SetFiId(99);
    const std::string notListed =
        "exclamation Coinvale: The bank of the account \"Checking\" no longer offers online "
        "access here. Set the account up for online access again.";
    EXPECT_EQ(DownloadAll(1), (Events{"start", "progress " + notListed, "end", kNothingNew}));
    m_ui.events.clear();
    EXPECT_EQ(Run().DownloadAccount(Checking()), 0);
    EXPECT_EQ(m_ui.events, (Events{"start", "end", "caller " + notListed}));

    m_ui.events.clear();
    EXPECT_EQ(Run().DownloadAccount(Visa()), 0);
    EXPECT_EQ(m_ui.events, (Events{"caller exclamation Coinvale: This account is not setup for "
                                   "online access."}));

    // The bank list outlives the runs: it keeps no reference to their progress indicator.
    auto* banks = dynamic_cast<CFiList*>(m_accounts->GetInstitutionList());
    ASSERT_NE(banks, nullptr);
    EXPECT_TRUE(banks->OnProgress(0));
    EXPECT_TRUE(banks->FindById(kBankId)->OnProgress(0));
}

// Fault: a download said nothing of lines whose texts were changed to be stored (a payee cut to
// 32 characters, a memo to 160), which the statement-file import reports.
TEST_F(OnlineDownloadTest, LinesWhoseTextsWereChangedAreReportedAsTheFileImportReportsThem) {
    const std::string note =
        "Transactions whose texts were changed to be stored (characters the data files cannot "
        "hold, control characters, texts too long for their field): ";
    m_bank.AddLine({"1001", "20240229", "-1.00", "DEBIT", std::string(40, 'P'), "", "F2", ""});
    m_bank.AddLine({"1001", "20240229", "-2.00", "DEBIT", "Shop", std::string(161, 'm'), "F3", ""});
    m_bank.AddLine({"1001", "20240229", "-3.00", "DEBIT", std::string(32, 'P'), "", "F4", ""});
    m_ui.passwords = {"secret1"};
    EXPECT_EQ(Run().DownloadAccount(Checking()), 1);
    EXPECT_EQ(m_ui.events, (Events{"start", "prompt Seven Bank / 1001", "end",
                                   "caller information Online Summary: " + note + "2."}));
    EXPECT_EQ(Checking().Transactions().Count(), 4u);

    // Nothing changed: no note, also after a run that had one.
    m_ui.events.clear();
    m_ui.passwords = {"secret1"};
    EXPECT_EQ(Run().DownloadAccount(Checking()), 0);
    EXPECT_EQ(m_ui.events.back(), kNothingNew);

    // Over all accounts the note follows the summary.
    m_bank.AddLine({"2002", "20240305", "12.00", "CREDIT", std::string(33, 'I'), "", "S1", ""});
    EXPECT_EQ(DownloadAll(1, {"secret1"}).back(),
              "caller information Online Summary: 1 transaction was downloaded from 2 banks.\n\n"
              "Select an online banking account to review the downloaded transactions\n\n" +
                  note + "1.");
}

TEST_F(OnlineDownloadTest, APasswordTypedAtThePromptIsNeverStored) {
    const TempFolder home;
    const testing_support::ScopedEnvironment registry("COINVALE_HOME", home.Path());
    m_bank.AddCustomer("bob", "Unguessable-7");
    Checking().Record().SetCustomerId("bob");
    m_ui.passwords = {"Unguessable-7"};
    ASSERT_EQ(Run().DownloadAccount(Checking()), 1);
    EXPECT_EQ(Checking().Record().GetOnlinePassword(), "");
    ASSERT_EQ(m_accounts->SaveAll(), 0);
    for (const std::string& folder : {m_folder.Path(), home.Path()}) {
        for (const std::string& name : testing_support::ListFolder(folder)) {
            const auto bytes = testing_support::ReadBytes(folder + name);
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find("Unguessable-7"),
                      std::string::npos)
                << name;
        }
    }
}

TEST(OnlineError, MessagesOfTheErrorTable) {
    const std::vector<std::tuple<int, const char*, std::string>> cases = {
        {52, "detail", ""},
        {53, "", "The Data could not be parsed."},
        {54, "Bad amount", "The Data could not be parsed. (Bad amount)"},
        {12150, "x", "You need to have an internet connection to use this command."},
        {12152, "HTTP 500.", "Error 12152 HTTP 500."},
        {2000, "", "An unexpected error ocurred (2000)."},
        {-1, nullptr, "An unexpected error ocurred (-1)."},
    };
    for (const auto& [code, message, text] : cases) {
        EXPECT_EQ(sys::WideToAnsi(OnlineErrorText(code, message)), text) << code;
    }
    // The bank's message is 8-bit text; the whole message is cut to 260 characters.
    EXPECT_EQ(OnlineErrorText(3000, "Caf\xE9"), L"Error 3000 Caf\u00E9");
    EXPECT_EQ(OnlineErrorText(3000, std::string(400, 'x').c_str()).size(), kMaxOnlineErrorText);
    online_testing::ScriptedOnline ui;
    ShowOnlineError(ui, MOnlineMessages::kOwnerCaller, 1223, "cancelled");
    EXPECT_TRUE(ui.events.empty());
}

}  // namespace
