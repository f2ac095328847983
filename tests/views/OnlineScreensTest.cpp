// Online banking on screen against the fake bank: setting an account up from the account editor
// (bank, customer id, the bank's account list), "Go online" with its progress window and password
// prompt, the online summary, the review and the match screens; the failures each say what went
// wrong and change nothing; a cancel while the bank does not answer ends quietly, and the
// progress thread is always gone afterwards.
#include "ScreenFixture.h"

#include <chrono>
#include <thread>

#include "Typist.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "online/BankDirectory.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/WindowApi.h"
#include "shell/ViewNumbers.h"
#include "support/FakeBank.h"

namespace views_test {
namespace {

using testing_support::FakeBank;
using Type = CTransactionTypeList::BuiltInType;

bool Holds(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

class OnlineScreensTest : public ScreenFixture {
  protected:
    OnlineScreensTest() {
        m_bank.AddCustomer("alice", "secret1");
        m_bank.AddBankAccount("123456789", "1001", "CHECKING");
        m_bank.AddBankAccount("123456789", "2002", "SAVINGS");
        m_bank.AddLine({"1001", "20261204", "-42.50", "DEBIT", "Grocer", "", "F1", ""});
        m_bank.SetLedgerBalance("1001", "2,000.00");
        Model().GetPreferences().SetInstitutionDirectory(sys::Utf8ToWide(m_directory.Path()));
    }

    CCVAccount& Checking() { return Account("Checking"); }
    // Checking set up for the bank without going through the screens.
    void SetOnline(const char* password) {
        CCVAccountRecord& record = Checking().Record();
        record.SetOnlineEnabled(true);
        record.SetFiId(online_testing::BankDirectory::kBankId);
        record.SetBankName("Seven");
        record.SetCustomerId("alice");
        record.SetRoutingNumber("123456789");
        record.SetAccountNumber("1001");
        record.SetOnlinePassword(password);
    }
    void OpenChecking() {
        Start();
        Key(ui::VK_DOWN);
        Key(ui::VK_RETURN);
        ASSERT_EQ(CurrentView(), shell::kViewRegister);
    }
    // "Go online" from the register, with the steps of what comes up during the run.
    std::vector<std::wstring> GoOnline(std::vector<Typist::Step> steps) {
        Typist typist(m_screen, std::move(steps));
        Choose({L"Account", L"Go online"});
        typist.Join();
        Pump();
        EXPECT_FALSE(typist.missed);
        return typist.seen;
    }
    static bool ProgressWindowGone() { return ui::FindWindow(L"OnlineProgress", L"") == nullptr; }

    FakeBank m_bank;
    online_testing::BankDirectory m_directory{m_bank.OfxUrl()};
};

TEST_F(OnlineScreensTest, SetUpFromTheAccountEditorThenDownloadReviewAndAccept) {
    Start();
    Choose({L"Edit Accounts"});
    Key(ui::VK_DOWN);  // Checking
    Choose({L"Edit"});
    ASSERT_EQ(CurrentView(), shell::kViewAccountInfo);
    Choose({L"Online"});
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);
    EXPECT_TRUE(Shows(L"Enable account access"));
    Key(ui::VK_SPACE);  // ticks "Enable account access"
    EXPECT_TRUE(Shows(L"--Select--"));
    EXPECT_TRUE(Shows(L"--Will Prompt--"));

    // "Done" before a bank is chosen is refused with its message.
    Key(ui::VK_DOWN);  // the bank
    Key(ui::VK_DOWN);
    Type(L"alice");
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_TRUE(Holds(m_screen.TextBeforeLastInput(), L"Please select bank."));
    EXPECT_EQ(CurrentView(), shell::kViewOnlineSetup);

    Choose({L"Select bank"});
    ASSERT_EQ(CurrentView(), shell::kViewSelectBank);
    EXPECT_TRUE(Shows(L"Bank Name"));
    EXPECT_TRUE(Shows(L"Seven"));
    EXPECT_TRUE(ProgressWindowGone());
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);
    EXPECT_TRUE(Shows(L"Seven"));

    // The password is asked (not typed on the screen) and not kept.
    {
        Typist typist(m_screen, {{L"Please enter your password.", L"secret1", {ui::VK_TSOFT1}}});
        Key(ui::VK_TSOFT2);
        Type(L"3");
        typist.Join();
        Pump();
        ASSERT_FALSE(typist.missed) << sys::WideToUtf8(typist.seen.back());
        EXPECT_TRUE(Holds(typist.seen[0], L"Online Password"));
        EXPECT_TRUE(Holds(typist.seen[0], L"alice"));
    }
    ASSERT_EQ(CurrentView(), shell::kViewSelectAccount);
    EXPECT_TRUE(Shows(L"1001"));
    EXPECT_TRUE(Shows(L"2002"));
    Key(ui::VK_TSOFT1);  // the first: 1001
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);
    EXPECT_TRUE(Shows(L"1001"));
    // Nothing reaches the account before the editor saves.
    EXPECT_FALSE(Checking().Record().GetOnlineEnabled());
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewAccountInfo);
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewEditAccounts);
    const CCVAccountRecord& record = Checking().Record();
    EXPECT_TRUE(record.GetOnlineEnabled());
    EXPECT_EQ(record.GetFiId(), online_testing::BankDirectory::kBankId);
    EXPECT_EQ(record.GetBankName(), "Seven");
    EXPECT_EQ(record.GetCustomerId(), "alice");
    EXPECT_EQ(record.GetAccountNumber(), "1001");
    EXPECT_EQ(record.GetRoutingNumber(), "123456789");
    EXPECT_EQ(record.GetOnlinePassword(), "");

    // Download from the register: the prompt, then the online summary.
    Key(ui::VK_TSOFT1);  // the account list's "Done"
    ASSERT_EQ(CurrentView(), shell::kViewAccountsSummary);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    ASSERT_TRUE(Shows(L"Checking"));
    const auto seen = GoOnline({{L"Please enter your password.", L"secret1", {ui::VK_TSOFT1}}});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(Holds(seen[0], L"1001")) << sys::WideToUtf8(seen[0]);
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSummary);
    EXPECT_TRUE(Shows(L"Transaction Download Completed :"));
    EXPECT_TRUE(Shows(L"Downloaded : 1"));
    EXPECT_TRUE(Shows(L"Match : 0"));
    EXPECT_TRUE(Shows(L"New : 1"));
    EXPECT_TRUE(ProgressWindowGone());

    Key(ui::VK_TSOFT1);  // "Review"
    ASSERT_EQ(CurrentView(), shell::kViewReviewTransaction);
    EXPECT_TRUE(Shows(L"Do you want to accept the new Transaction?"));
    EXPECT_TRUE(Shows(L"Grocer"));
    EXPECT_TRUE(Shows(L"(No Match)"));
    EXPECT_TRUE(Shows(L" 1 of 1 "));
    Key(ui::VK_TSOFT1);  // "Accept": the last one, so the review closes
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    ASSERT_EQ(Checking().Transactions().Count(), 1u);
    EXPECT_EQ(Checking().Transactions().At(0)->GetOnlineOrigin(), 2);
    // An account that held nothing takes the bank's ledger balance, the downloaded line in it.
    EXPECT_EQ(Checking().GetBalance(CCVAccount::kBalanceCleared), 200000);
}

TEST_F(OnlineScreensTest, ANewAccountSetUpOnlineAndACancelledSetUpLeavesNothing) {
    Start();
    Choose({L"Edit Accounts"});
    Choose({L"New"});
    ASSERT_EQ(CurrentView(), shell::kViewNewAccount);
    Type(L"Joint");
    Choose({L"Online"});
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);
    Key(ui::VK_SPACE);
    Choose({L"Select bank"});
    Key(ui::VK_TSOFT1);
    Key(ui::VK_DOWN);  // the bank
    Key(ui::VK_DOWN);
    Type(L"alice");
    Key(ui::VK_DOWN);  // the password field: "--Will Prompt--" goes, the typed one is kept
    Type(L"secret1");
    Choose({L"Select Account"});  // no prompt: the password was typed
    ASSERT_EQ(CurrentView(), shell::kViewSelectAccount);
    Key(ui::VK_DOWN);  // 2002
    Key(ui::VK_TSOFT1);
    Key(ui::VK_TSOFT1);  // set-up "Done"
    ASSERT_EQ(CurrentView(), shell::kViewNewAccount);
    Key(ui::VK_TSOFT1);  // the editor's "Done" adds the account with its online fields
    ASSERT_EQ(CurrentView(), shell::kViewEditAccounts);
    const CCVAccountRecord& joint = Account("Joint").Record();
    EXPECT_TRUE(joint.GetOnlineEnabled());
    EXPECT_EQ(joint.GetAccountNumber(), "2002");
    EXPECT_EQ(joint.GetAccountType(), 1);  // the bank's "SAVINGS"
    EXPECT_EQ(joint.GetOnlinePassword(), "secret1");

    // Fault mended: a set-up left with "Cancel" could leave a backup of one account's online
    // fields that a later set-up wrote into another account. "Cancel" drops the working copy:
    // the editor's "Done" then saves the account without any of it.
    Key(ui::VK_HOME);
    Key(ui::VK_DOWN);  // Checking
    Choose({L"Edit"});
    ASSERT_EQ(CurrentView(), shell::kViewAccountInfo);
    ASSERT_TRUE(Shows(L"Checking"));
    Choose({L"Online"});
    Key(ui::VK_SPACE);
    Choose({L"Select bank"});
    Key(ui::VK_TSOFT1);
    Choose({L"Cancel"});
    ASSERT_EQ(CurrentView(), shell::kViewAccountInfo);
    Key(ui::VK_TSOFT1);
    EXPECT_FALSE(Checking().Record().GetOnlineEnabled());
    EXPECT_EQ(Checking().Record().GetFiId(), 0u);
}

// Fault mended: the rows below "Enable account access" were shown and took keys while it was
// unticked, and the action key on the bank or the account did nothing.
TEST_F(OnlineScreensTest, TheTickShowsItsRowsAndTheActionKeyChoosesBankAndAccount) {
    Start();
    Choose({L"Edit Accounts"});
    Key(ui::VK_DOWN);  // Checking
    Choose({L"Edit"});
    Choose({L"Online"});
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);
    EXPECT_TRUE(Shows(L"Enable account access"));
    for (const wchar_t* hidden : {L"Bank :", L"Customer ID", L"--Select--", L"--Will Prompt--"}) {
        EXPECT_FALSE(Shows(hidden)) << sys::WideToUtf8(hidden);
    }
    Key(ui::VK_DOWN);  // nowhere to go: the tick keeps the focus
    Type(L"alice");
    EXPECT_FALSE(Shows(L"alice"));

    Key(ui::VK_SPACE);
    EXPECT_TRUE(Shows(L"Customer ID"));
    EXPECT_TRUE(Shows(L"--Will Prompt--"));
    // The action key on the account before a bank is chosen: the menu item's message.
    Key(ui::VK_UP);  // round to the account
    m_screen.TypeKey(ui::VK_RETURN);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_TRUE(Holds(m_screen.TextBeforeLastInput(), L"Please select bank."));
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);

    Key(ui::VK_DOWN);  // the tick
    Key(ui::VK_DOWN);  // the bank
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewSelectBank);
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);
    EXPECT_TRUE(Shows(L"Seven"));
    Key(ui::VK_DOWN);
    Type(L"alice");
    Key(ui::VK_DOWN);
    Type(L"secret1");
    Key(ui::VK_DOWN);  // the account
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewSelectAccount);
    Key(ui::VK_TSOFT1);  // 1001
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSetup);
    EXPECT_TRUE(Shows(L"1001"));

    // Unticked, the rows go and Up and Down pass them; ticked again, they come back as they were.
    Key(ui::VK_DOWN);  // round to the tick
    Key(ui::VK_SPACE);
    EXPECT_FALSE(Shows(L"Seven"));
    EXPECT_FALSE(Shows(L"1001"));
    Key(ui::VK_DOWN);
    Key(ui::VK_SPACE);
    EXPECT_TRUE(Shows(L"Seven"));
    EXPECT_TRUE(Shows(L"1001"));
    EXPECT_TRUE(Shows(L"alice"));
}

TEST_F(OnlineScreensTest, MatchNoMatchAndAcceptFoldIntoTheEnteredTransaction) {
    SetOnline("secret1");
    Add("Checking", 1, 4250, "Corner Shop", Type::kTypeWithdrawal);
    OpenChecking();
    GoOnline({});  // the password is stored: no prompt
    ASSERT_EQ(CurrentView(), shell::kViewOnlineSummary);
    EXPECT_TRUE(Shows(L"Match : 1"));
    EXPECT_TRUE(Shows(L"New : 0"));
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewReviewTransaction);
    EXPECT_TRUE(Shows(L"Do you want to accept the Match Transaction?"));
    EXPECT_TRUE(Shows(L"Corner Shop"));

    Choose({L"Change Match"});
    ASSERT_EQ(CurrentView(), shell::kViewMatchTransaction);
    EXPECT_TRUE(Shows(L"Bank Entry :"));
    EXPECT_TRUE(Shows(L"Corner Shop"));
    Choose({L"No Match"});
    ASSERT_EQ(CurrentView(), shell::kViewReviewTransaction);
    EXPECT_TRUE(Shows(L"(No Match)"));
    Choose({L"Change Match"});
    Key(ui::VK_TSOFT1);  // "Match" with the selected row
    ASSERT_EQ(CurrentView(), shell::kViewReviewTransaction);
    EXPECT_TRUE(Shows(L"Corner Shop"));

    Key(ui::VK_TSOFT1);  // "Accept"
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    ASSERT_EQ(Checking().Transactions().Count(), 1u);
    const CTransaction& kept = *Checking().Transactions().At(0);
    EXPECT_STREQ(kept.GetPayeeName(), "Corner Shop");
    EXPECT_STREQ(kept.GetOnlineId(), "F1");
    EXPECT_EQ(kept.GetOnlineOrigin(), 2);
    EXPECT_TRUE(kept.IsCleared());
}

TEST_F(OnlineScreensTest, FailuresAreSaidAndChangeNothing) {
    struct Case {
        FakeBank::Failure failure;
        const char* password;
        std::wstring message;
    };
    const Case cases[] = {
        {FakeBank::Failure::kNone, "wrong",
         L"The Customer ID or Password for this account is invalid."},
        {FakeBank::Failure::kDroppedConnection, "secret1", L"OFX Error"},
        {FakeBank::Failure::kMalformedReply, "secret1", L"The Data could not be parsed."},
    };
    SetOnline("");
    OpenChecking();
    for (const Case& c : cases) {
        m_bank.SetFailure(c.failure, "STMTRQ>");
        Checking().Record().SetOnlinePassword(c.password);
        const auto seen = GoOnline({{L"OFX Error", L"", {ui::VK_RETURN}}});
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_TRUE(Holds(seen[0], c.message)) << sys::WideToUtf8(seen[0]);
        EXPECT_EQ(CurrentView(), shell::kViewRegister);
        EXPECT_EQ(Checking().Transactions().Count(), 0u);
        EXPECT_EQ(Checking().GetBalance(CCVAccount::kBalanceCleared), 0);
        EXPECT_TRUE(ProgressWindowGone());
    }
}

TEST_F(OnlineScreensTest, CancelWhileTheBankDoesNotAnswerEndsQuietly) {
    SetOnline("secret1");
    m_bank.SetFailure(FakeBank::Failure::kSlowReply, "STMTRQ>");
    m_bank.SetSlowReplyMs(60000);
    OpenChecking();
    // Once the statement request waits at the bank, the person presses Back on the progress
    // window. Should an error box come instead, it is answered, so that the test never hangs.
    bool errorShown = false;
    bool requested = false;
    std::thread person([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!requested && std::chrono::steady_clock::now() < deadline) {
            for (const std::string& request : m_bank.Requests()) {
                if (request.find("STMTRQ>") != std::string::npos) requested = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_screen.TypeKey(ui::VK_TBACK);
        errorShown = m_screen.WaitFor(
            [](const std::vector<std::wstring>& lines) {
                for (const std::wstring& line : lines) {
                    if (line.find(L"OFX Error") != std::wstring::npos) return true;
                }
                return false;
            },
            online_testing::BankDirectory::kTimeoutMs);
        if (errorShown) m_screen.TypeKey(ui::VK_RETURN);
    });
    const auto started = std::chrono::steady_clock::now();
    Choose({L"Account", L"Go online"});
    const auto took = std::chrono::steady_clock::now() - started;
    person.join();
    Pump();
    EXPECT_TRUE(requested);
    EXPECT_FALSE(errorShown);  // no message for a cancel, and no time-out either
    EXPECT_LT(took, std::chrono::milliseconds(online_testing::BankDirectory::kTimeoutMs));
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(Checking().Transactions().Count(), 0u);
    EXPECT_TRUE(ProgressWindowGone());
}

TEST_F(OnlineScreensTest, GoOnlineOnTheSummaryGivesOneMessage) {
    SetOnline("secret1");
    Start();
    Typist typist(m_screen, {{L"Online Summary", L"", {ui::VK_RETURN}}});
    Choose({L"Go Online"});
    typist.Join();
    Pump();
    ASSERT_FALSE(typist.missed);
    EXPECT_TRUE(Holds(typist.seen[0], L"1 transaction was downloaded from 1 bank."));
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(Checking().Transactions().Count(), 1u);
    EXPECT_TRUE(ProgressWindowGone());
}

}  // namespace
}  // namespace views_test
