// The lock password as a person meets it: setting, changing and removing it, the messages for a
// wrong entry, the start-up prompt before any data is read, "Lock Now", the lock that falls after
// the chosen delay without a key, the synchroniser served while locked, and the security options.
#include "ScreenFixture.h"

#include <filesystem>

#include "model/CCVAccount.h"
#include "model/CPasswordLock.h"
#include "model/CVModel.h"
#include "platform/sys/Clock.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "shell/RegisteredMessages.h"
#include "shell/ViewNumbers.h"
#include "storage/CCVPassword.h"
#include "storage/DateTime.h"
#include "views/ViewRegistry.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;

constexpr wchar_t kPassword[] = L"ab12";

class SecurityViewTest : public ScreenFixture {
  protected:
    ~SecurityViewTest() override { sys::ClearTestTickCount(); }

    bool PasswordSet() { return Model().PasswordState() == CCVPassword::kPasswordSet; }
    void SetPassword() { ASSERT_EQ(Model().ChangePassword("ab12", ""), CCVPassword::kRight); }
    // The password screen's fields, one under the other, then "Done"; `answers` for the box.
    void FillAndDone(const std::vector<std::wstring>& fields, std::vector<unsigned> answers = {}) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) m_screen.TypeKey(ui::VK_DOWN);
            m_screen.TypeText(fields[i]);
        }
        m_screen.TypeKey(ui::VK_TSOFT1);
        for (unsigned key : answers) m_screen.TypeKey(key);
        Pump();
    }
    // Types the password ahead, for a prompt that is about to open, and the action key.
    void TypePasswordAhead(const std::wstring& password = kPassword) {
        m_screen.TypeText(password);
        m_screen.TypeKey(ui::VK_RETURN);
    }
    void Command(int id) {
        ui::PostMessage(shell::CCVApplication::Instance().CurrentWindow(), ui::WM_COMMAND,
                        static_cast<ui::WPARAM>(id), 0);
        Pump();
    }
    std::wstring Before() const { return m_screen.TextBeforeLastInput(); }
    static bool Has(const std::wstring& text, const wchar_t* part) {
        return text.find(part) != std::wstring::npos;
    }
};

TEST_F(SecurityViewTest, SetChangeAndRemoveThePassword) {
    Start();
    Choose({L"Settings", L"Set Password"});
    ASSERT_EQ(CurrentView(), shell::kViewSetPassword);
    EXPECT_TRUE(Shows(L"Set/Change Password"));
    EXPECT_FALSE(Shows(L"Old Password:")) << "there is no old password yet";
    FillAndDone({kPassword, kPassword});
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_TRUE(PasswordSet());

    // Change: the old password is asked now.
    Choose({L"Settings", L"Set Password"});
    EXPECT_TRUE(Shows(L"Old Password:"));
    EXPECT_FALSE(Shows(kPassword)) << "the fields are masked";
    FillAndDone({kPassword, L"cd34", L"cd34"});
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(Model().CheckPassword("cd34"), CCVPassword::kRight);

    // Remove: the right old password and two empty fields; the next start asks nothing.
    Choose({L"Settings", L"Set Password"});
    FillAndDone({L"cd34", L"", L""});
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_FALSE(PasswordSet());
}

TEST_F(SecurityViewTest, WrongEntriesSayWhatIsWrongAndKeepTheOldPassword) {
    SetPassword();
    Start();
    Choose({L"Settings", L"Set Password"});
    FillAndDone({L"zz99", L"cd34", L"cd34"}, {ui::VK_RETURN});
    EXPECT_TRUE(Has(Before(), L"Your Old password is incorrect."));
    EXPECT_EQ(CurrentView(), shell::kViewSetPassword) << "the screen stays";
    EXPECT_EQ(Model().CheckPassword("ab12"), CCVPassword::kRight);

    Key(ui::VK_TSOFT2);  // Cancel
    Choose({L"Settings", L"Set Password"});
    FillAndDone({L"ab12", L"aa", L"aa"}, {ui::VK_RETURN});
    EXPECT_TRUE(Has(Before(), L"Passwords must be atleast two characters"));
    Key(ui::VK_TSOFT2);
    Choose({L"Settings", L"Set Password"});
    FillAndDone({L"ab12", L"cd34", L"cd35"}, {ui::VK_RETURN});
    EXPECT_TRUE(Has(Before(), L"Your New password doesn't Match with Confirm Password."));
    Key(ui::VK_TSOFT2);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(Model().CheckPassword("ab12"), CCVPassword::kRight);
}

TEST_F(SecurityViewTest, TheStartUpPromptReadsNoDataBeforeTheRightPassword) {
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);
    SetPassword();
    ASSERT_EQ(Model().SaveAndRelease(), 0);
    shell::CCVProgram program;
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    app.SetFirstScreenChooser([&program] { program.ChooseFirstScreen(); });
    ASSERT_EQ(app.CreateController(), 0);
    Pump();
    ASSERT_EQ(CurrentView(), shell::kViewPasswordPrompt);
    EXPECT_TRUE(Shows(L"Unlock"));
    EXPECT_TRUE(Shows(L"Please enter the password:"));
    EXPECT_FALSE(Model().IsInitialised());

    Key(ui::VK_TSOFT2);  // no "Cancel" and no way round
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(CurrentView(), shell::kViewPasswordPrompt);

    m_screen.TypeKey(ui::VK_TSOFT1);  // an empty entry
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_TRUE(Has(Before(), L"That password is incorrect."));
    TypePasswordAhead(L"AB12");  // the action key does what "Done" does
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_TRUE(Has(Before(), L"That password is incorrect."));
    EXPECT_FALSE(Model().IsInitialised());
    EXPECT_EQ(CurrentView(), shell::kViewPasswordPrompt);

    Model().GetPreferences().SetLockTime(8);
    TypePasswordAhead();
    Pump();
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_TRUE(Model().IsInitialised());
    EXPECT_TRUE(Shows(L"Checking"));
    EXPECT_NE(Line(LineOf(L"Checking")).find(L"-25.40"), std::wstring::npos);
    EXPECT_EQ(Model().GetPreferences().GetLockSecurityTime(), ::Now() + 1800);
}

TEST_F(SecurityViewTest, LockNowHidesEverythingUntilTheRightPassword) {
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);
    Start();
    Choose({L"Settings", L"Lock Now"}, {ui::VK_RETURN});
    EXPECT_TRUE(Has(Before(), L"You need to set password first."));

    SetPassword();
    Model().GetPreferences().SetLockTime(4);
    TypePasswordAhead(L"wrong");
    m_screen.TypeKey(ui::VK_RETURN);  // for "That password is incorrect."
    TypePasswordAhead();
    Command(res::IDC_SUMMARY_LOCK_NOW);
    const std::wstring locked = Before();
    EXPECT_TRUE(Has(locked, L"Please enter the password:"));
    EXPECT_TRUE(Has(locked, L"Unlock"));
    EXPECT_FALSE(Has(locked, L"Checking"));
    EXPECT_FALSE(Has(locked, L"Accounts Summary"));
    EXPECT_FALSE(Has(locked, L"25.40"));
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_TRUE(Shows(L"Checking"));
    EXPECT_FALSE(Shows(L"Please enter the password:"));
    EXPECT_EQ(Model().GetPreferences().GetLockSecurityTime(), ::Now() + 300);
}

TEST_F(SecurityViewTest, NoKeyForTheLockDelayLocksTheRegister) {
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);
    SetPassword();
    Model().GetPreferences().SetLockTime(1);  // "After 1 Minute"
    std::uint32_t tick = 5'000'000;
    sys::SetTestTickCount(tick);
    Start();
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);  // the register of Checking
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    ASSERT_TRUE(Shows(L"Corner Shop"));

    // A key a little before the minute is up starts the minute again.
    int prompts = 0;
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    app.SetUnlockPrompt([&prompts](ui::HWND) { ++prompts; });
    sys::SetTestTickCount(tick += 59'999);
    Pump();
    EXPECT_EQ(prompts, 0);
    Key(ui::VK_DOWN);
    sys::SetTestTickCount(tick += 59'999);
    Pump();
    EXPECT_EQ(prompts, 0);
    sys::SetTestTickCount(tick += 1);
    Pump();
    EXPECT_EQ(prompts, 1);
    views::RegisterViews(app.Catalog());  // the real prompt again

    // The typed keys would reach the register first (and count as keys): the check the timer
    // runs is made at once here, with the password typed ahead for the prompt it opens.
    sys::SetTestTickCount(tick += 60'000);
    TypePasswordAhead();
    app.CheckIdleLock();
    Pump();
    const std::wstring locked = Before();
    EXPECT_TRUE(Has(locked, L"Please enter the password:"));
    EXPECT_FALSE(Has(locked, L"Corner Shop"));
    EXPECT_FALSE(Has(locked, L"Checking"));
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_TRUE(Shows(L"Corner Shop"));

    // "Immediately" locks at a start or a relaunch, not while the program is used.
    app.SetUnlockPrompt([&prompts](ui::HWND) { ++prompts; });
    Model().GetPreferences().SetLockTime(0);
    sys::SetTestTickCount(tick += 600'000);
    Pump();
    EXPECT_EQ(prompts, 1);

    // Without a password the delay locks nothing.
    Model().GetPreferences().SetLockTime(1);
    ASSERT_EQ(Model().ChangePassword("", "ab12"), CCVPassword::kRight);
    sys::SetTestTickCount(tick += 600'000);
    Pump();
    EXPECT_EQ(prompts, 1);
}

TEST_F(SecurityViewTest, TheSynchroniserIsServedWhileLockedAndARelaunchDoesNotUnlock) {
    SetPassword();
    Start();
    const std::string file = Model().GetDataFolder() + "Checking.cvl";
    const auto before = std::filesystem::file_size(file);
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);  // not saved yet
    ASSERT_EQ(std::filesystem::file_size(file), before);

    shell::CCVApplication& app = shell::CCVApplication::Instance();
    const ui::HWND summary = app.CurrentWindow();
    ui::PostMessage(summary, ui::WM_COMMAND, res::IDC_SUMMARY_LOCK_NOW, 0);
    ui::PostMessage(summary, shell::RegisteredMessage(shell::kRunningInstanceMessage), 0, 0);
    ui::PostMessage(summary, shell::RegisteredMessage(shell::kSyncStartMessage), 0, 0);
    // The end: only the copy for the current screen counts.
    ui::PostMessage(app.Controller(), shell::RegisteredMessage(shell::kSyncEndMessage), 0, 0);
    ui::PostMessage(summary, shell::RegisteredMessage(shell::kSyncEndMessage), 0, 0);
    TypePasswordAhead();
    Pump();
    EXPECT_GT(std::filesystem::file_size(file), before) << "saved for the synchroniser";
    EXPECT_TRUE(Has(Before(), L"Please enter the password:")) << "the relaunch did not unlock";
    // Once unlocked: the synchroniser changed no file, so the summary is as it was.
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(app.CurrentWindow(), summary);
    EXPECT_FALSE(Model().IsReloadPending());
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), -2540);
}

TEST_F(SecurityViewTest, SecurityOptionsNeedAPasswordAndStoreTheDelay) {
    Start();
    Choose({L"Settings", L"Security Options"}, {ui::VK_RETURN});
    EXPECT_TRUE(Has(Before(), L"You need to set password first."));
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);

    SetPassword();
    Model().GetPreferences().SetLockTime(5);
    Choose({L"Settings", L"Security Options"});
    ASSERT_EQ(CurrentView(), shell::kViewSecurityOptions);
    EXPECT_TRUE(Shows(L"Lock On Exit or Poweroff:"));
    EXPECT_TRUE(Shows(L"After 10 Minutes"));
    Key(ui::VK_RIGHT);
    EXPECT_TRUE(Shows(L"After 15 Minutes"));
    Key(ui::VK_TSOFT2);  // Cancel
    EXPECT_EQ(Model().GetPreferences().GetLockTime(), 5u);

    Choose({L"Settings", L"Security Options"});
    Key(ui::VK_RIGHT);
    Key(ui::VK_RIGHT);
    Key(ui::VK_TSOFT1);  // OK
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(Model().GetPreferences().GetLockTime(), 7u);
    EXPECT_EQ(Model().GetPreferences().GetLockSecurityTime(), ::Now() + 1200);
}

}  // namespace
}  // namespace views_test
