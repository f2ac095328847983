// The account list and the account editor as a person uses them: a new account with an opening
// balance and an icon, the checks of "Done" and where each leaves the focus, a rename that keeps
// the register's columns, and a delete that asks first (No by default).
#include "ScreenFixture.h"

#include <filesystem>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/IconGlyphs.h"
#include "shell/ViewNumbers.h"

namespace views_test {
namespace {

using Column = CCVPreferences::Column;

// Rows of the account editor, top to bottom.
constexpr int kBalanceField = 4;

class AccountScreensTest : public ScreenFixture {
  protected:
    void OpenAccountList() {
        Start();
        Choose({L"Edit Accounts"});
        ASSERT_EQ(CurrentView(), shell::kViewEditAccounts);
    }
    void OpenNewAccount() {
        OpenAccountList();
        Choose({L"New"});
        ASSERT_EQ(CurrentView(), shell::kViewNewAccount);
    }
    // From the name field down to field `index`.
    void FieldDown(int index) {
        for (int i = 0; i < index; ++i) Key(ui::VK_DOWN);
    }
    // "Done" with the answers to the boxes it opens typed ahead.
    void Done(std::initializer_list<unsigned> answers = {}) {
        m_screen.TypeKey(ui::VK_TSOFT1);
        for (unsigned key : answers) m_screen.TypeKey(key);
        Pump();
    }
    std::wstring LastBox() const { return m_screen.TextBeforeLastInput(); }
    std::string File(const char* name) const {
        return const_cast<AccountScreensTest*>(this)->Accounts().AccountFilePath(name);
    }
};

TEST_F(AccountScreensTest, ANewAccountWithAnOpeningBalanceAndAnIconReachesItsFile) {
    OpenNewAccount();
    EXPECT_TRUE(Shows(L"Account Info"));
    for (const wchar_t* label : {L"Name:", L"Type:", L"Bank:", L"Account #:", L"Beg. Bal.:",
                                 L"Currency:", L"Icon:", L"Include in Account View Total."}) {
        EXPECT_TRUE(Shows(label)) << sys::WideToUtf8(label);
    }
    EXPECT_FALSE(Shows(L"Online"));  // its set-up screen comes later
    Type(L"Wallet");
    Key(ui::VK_DOWN);
    Key(ui::VK_RIGHT);  // Savings
    Key(ui::VK_RIGHT);  // Cash
    FieldDown(kBalanceField - 1);
    Type(L"250.75");
    Choose({L"Icons"});
    ASSERT_EQ(CurrentView(), shell::kViewChooseIcon);
    Key(ui::VK_RIGHT);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewNewAccount);
    // What was typed survived the trip to the icon chooser, and the icon came back.
    EXPECT_TRUE(Shows(L"Wallet"));
    EXPECT_TRUE(Shows(L"250.75"));
    const wchar_t icon = res::IconGlyph(0, CCVAccount::kNewIcon + 1);
    EXPECT_NE(Line(LineOf(L"Icon:")).find(icon), std::wstring::npos);

    Done();
    EXPECT_EQ(CurrentView(), shell::kViewEditAccounts);
    EXPECT_EQ(m_screen.CellAt(5, LineOf(L"Wallet")).bg, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
    CCVAccount& wallet = Account("Wallet");
    EXPECT_EQ(wallet.Record().GetAccountType(), CCVAccount::kCash);
    EXPECT_EQ(wallet.GetBalance(CCVAccount::kBalanceCurrent), 25075);
    EXPECT_EQ(wallet.Record().GetIcon(), CCVAccount::kNewIcon + 1);
    EXPECT_TRUE(std::filesystem::exists(File("Wallet")));
    EXPECT_FALSE(wallet.HasUnsavedChanges());
}

TEST_F(AccountScreensTest, OnAShortOrWideTerminalEveryFieldStaysInView) {
    OpenNewAccount();
    // 80 x 24: a blank row between the fields.
    EXPECT_EQ(LineOf(L"Type:"), LineOf(L"Name:") + 2);
    m_screen.Resize(80, 14);
    Pump();
    // Too short for blank rows: one field under the other, the last above the soft keys.
    EXPECT_EQ(LineOf(L"Type:"), LineOf(L"Name:") + 1);
    EXPECT_GT(LineOf(L"Include in Account View Total."), 0);
    EXPECT_LT(LineOf(L"Include in Account View Total."), 13);
    m_screen.Resize(120, 40);
    Pump();
    EXPECT_EQ(LineOf(L"Type:"), LineOf(L"Name:") + 2);
    // The spinner's arrows stand at the right edge of the wider screen.
    EXPECT_EQ(Line(LineOf(L"Type:")).find_last_not_of(L' '), 118u);
}

TEST_F(AccountScreensTest, NameChecksSayWhatIsWrongAndKeepWhatWasTyped) {
    OpenNewAccount();
    FieldDown(kBalanceField);
    Type(L"12");
    Done({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"Enter a valid Account Name"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewNewAccount);

    Type(L"cHECKING");  // the focus is back on the name
    Done({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"An account with that name already exists"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewNewAccount);
    EXPECT_TRUE(Shows(L"cHECKING"));
    EXPECT_TRUE(Shows(L"12"));
    EXPECT_EQ(Accounts().Count(), 5u);
}

TEST_F(AccountScreensTest, APositiveCreditBalanceIsQuestionedAndNoKeepsTheScreen) {
    OpenNewAccount();
    Type(L"Store Card");
    Key(ui::VK_DOWN);
    for (int i = 0; i < CCVAccount::kCredit; ++i) Key(ui::VK_RIGHT);
    FieldDown(kBalanceField - 1);
    Type(L"100");
    Done({ui::VK_TSOFT2});  // No
    EXPECT_NE(LastBox().find(L"usually a negative amount"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewNewAccount);
    EXPECT_EQ(Accounts().FindAccountByName("Store Card"), nullptr);
    Type(L"0");             // the focus is back on the balance: 1000
    Done({ui::VK_RETURN});  // Yes
    EXPECT_EQ(CurrentView(), shell::kViewEditAccounts);
    EXPECT_EQ(Account("Store Card").GetBalance(CCVAccount::kBalanceCurrent), 100000);
}

TEST_F(AccountScreensTest, ARenameKeepsTheRegisterColumnsAndErasingANameStaysOnTheScreen) {
    CCVPreferences& preferences = Model().GetPreferences();
    preferences.SelectAccount(L"Checking");
    preferences.SetColumnShown(Column::Memo, true);
    preferences.SetColumnShown(Column::Category, false);
    OpenAccountList();
    Key(ui::VK_DOWN);  // Checking
    Choose({L"Edit"});
    ASSERT_EQ(CurrentView(), shell::kViewAccountInfo);
    EXPECT_NE(Line(LineOf(L"Name:")).find(L"Checking"), std::wstring::npos);
    // Regression: the release of the press that erased the last character went back.
    for (int i = 0; i < 8; ++i) Key(ui::VK_TBACK);
    EXPECT_EQ(CurrentView(), shell::kViewAccountInfo);
    EXPECT_EQ(Line(LineOf(L"Name:")).find(L"Checking"), std::wstring::npos);
    Type(L"Main");
    Done();
    EXPECT_EQ(CurrentView(), shell::kViewEditAccounts);
    EXPECT_EQ(m_screen.CellAt(5, LineOf(L"Main")).bg, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
    EXPECT_TRUE(std::filesystem::exists(File("Main")));
    EXPECT_FALSE(std::filesystem::exists(File("Checking")));
    preferences.SelectAccount(L"Main");
    EXPECT_TRUE(preferences.GetColumnShown(Column::Memo));
    EXPECT_FALSE(preferences.GetColumnShown(Column::Category));
}

TEST_F(AccountScreensTest, FromTheRegisterTheEditorEditsTheRegistersAccount) {
    Start();
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);  // Savings
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    Choose({L"Account", L"Account  Info"});
    ASSERT_EQ(CurrentView(), shell::kViewAccountInfo);
    EXPECT_NE(Line(LineOf(L"Name:")).find(L"Savings"), std::wstring::npos);
    for (int i = 0; i < 7; ++i) Key(ui::VK_TBACK);
    Type(L"Rainy Day");
    Done();
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_NE(Line(0).find(L"Rainy Day"), std::wstring::npos);
    EXPECT_STREQ(Model().GetCurrentAccount()->GetName(), "Rainy Day");
}

TEST_F(AccountScreensTest, DeleteAsksWithNoAsTheDefaultAndOffersTheScheduledTransactions) {
    auto* scheduled = new CScheduledItem();
    scheduled->SetAccountId(Account("Visa").GetAccountId());
    Accounts().GetScheduledTransactions()->Append(scheduled);
    OpenAccountList();
    Key(ui::VK_END);                       // Visa
    Choose({L"Delete"}, {ui::VK_RETURN});  // the default answer: No
    EXPECT_NE(LastBox().find(L"Are you sure you want to delete the selected item?"),
              std::wstring::npos);
    EXPECT_NE(Accounts().FindAccountByName("Visa"), nullptr);

    Choose({L"Delete"}, {ui::VK_TSOFT1, ui::VK_TSOFT1});  // Yes, and yes to the scheduled
    EXPECT_NE(LastBox().find(L"scheduled transactions"), std::wstring::npos);
    EXPECT_EQ(Accounts().FindAccountByName("Visa"), nullptr);
    EXPECT_FALSE(Shows(L"Visa"));
    EXPECT_EQ(Accounts().GetScheduledTransactions()->Count(), 0u);
    EXPECT_FALSE(std::filesystem::exists(File("Visa")));
    // The selection moved to the row before.
    EXPECT_EQ(m_screen.CellAt(5, LineOf(L"Savings")).bg, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
}

TEST_F(AccountScreensTest, EditAndDeleteWithoutASelectionSaySo) {
    while (Accounts().Count() > 0) ASSERT_EQ(Accounts().DeleteAccount(0), 0);
    OpenAccountList();
    Choose({L"Delete"}, {ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"There are no accounts in list"), std::wstring::npos);
    Choose({L"Edit"}, {ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"There are no accounts in list"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewEditAccounts);
    Key(ui::VK_TSOFT1);  // Done
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
}

}  // namespace
}  // namespace views_test
