// Preferences and About as a person uses them: switching the year and decimals, a folder that is
// refused without losing anything, a new data folder opening its own summary, and what About
// tells.
#include "ScreenFixture.h"

#include <chrono>
#include <filesystem>

#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/FolderLock.h"
#include "platform/sys/Registry.h"
#include "shell/CCVApplication.h"
#include "shell/ViewNumbers.h"
#include "startup/ModelWiring.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;

class SettingsViewTest : public ScreenFixture {
  protected:
    void OpenPreferences() {
        Start();
        Key(ui::VK_DOWN);
        Key(ui::VK_RETURN);  // the register of Checking
        ASSERT_EQ(CurrentView(), shell::kViewRegister);
        Choose({L"Settings", L"Preferences"});
        ASSERT_EQ(CurrentView(), shell::kViewPreferences);
    }
    // Replaces the text of the field under the focus.
    void Retype(const std::wstring& text) {
        m_screen.TypeKey(ui::VK_END);
        for (int i = 0; i < 80; ++i) m_screen.TypeKey(ui::VK_BACK);
        m_screen.TypeText(text);
    }
};

TEST_F(SettingsViewTest, YearAndDecimalsAreSwitchedForTheRegister) {
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);
    OpenPreferences();
    EXPECT_TRUE(Shows(L"[x] Show Year"));
    EXPECT_TRUE(Shows(L"[x] Show Decimal"));
    m_screen.TypeKey(ui::VK_SPACE);  // Show Year off
    m_screen.TypeKey(ui::VK_DOWN);
    m_screen.TypeKey(ui::VK_SPACE);  // Show Decimal off
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_FALSE(Model().GetPreferences().GetShowYear());
    EXPECT_FALSE(Model().GetPreferences().GetShowDecimal());

    Choose({L"Settings", L"Preferences"});
    EXPECT_TRUE(Shows(L"[ ] Show Year"));
    Key(ui::VK_SPACE);
    Key(ui::VK_TSOFT2);  // Cancel keeps it off
    EXPECT_FALSE(Model().GetPreferences().GetShowYear());
}

TEST_F(SettingsViewTest, ARefusedFolderSaysWhyAndStoresNothing) {
    OpenPreferences();
    const std::wstring importPath = Model().GetPreferences().GetImportPath();
    m_screen.TypeKey(ui::VK_SPACE);  // Show Year off, not to be stored
    for (int i = 0; i < 3; ++i) m_screen.TypeKey(ui::VK_DOWN);
    Retype(L"Import");  // a relative folder
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"A folder must be a full path"),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewPreferences);
    EXPECT_TRUE(Shows(L"Import")) << "what was typed stays";
    EXPECT_TRUE(Model().GetPreferences().GetShowYear());
    EXPECT_EQ(Model().GetPreferences().GetImportPath(), importPath);

    m_screen.TypeKey(ui::VK_DOWN);
    m_screen.TypeText(L"/no/such/file.txt");
    m_screen.TypeKey(ui::VK_UP);
    Retype(importPath);
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"institution directory must be"),
              std::wstring::npos);
    EXPECT_EQ(Model().GetPreferences().GetInstitutionDirectory(), L"");
}

TEST_F(SettingsViewTest, ANewDataFolderOpensItsOwnSummary) {
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);
    OpenPreferences();
    const std::string folder = m_home.Path() + "Money";
    m_screen.TypeKey(ui::VK_DOWN);
    m_screen.TypeKey(ui::VK_DOWN);
    Retype(sys::Utf8ToWide(folder));
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);  // Yes: a new set of accounts there
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"holds no Coinvale data"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(shell::CCVApplication::Instance().StackDepth(), 0);
    EXPECT_EQ(Model().GetDataFolder(), folder + "/");
    EXPECT_TRUE(std::filesystem::exists(folder + "/Checking.cvl"));
    const int checking = LineOf(L"Checking");
    ASSERT_GE(checking, 0);
    EXPECT_NE(Line(checking).find(L"0.00"), std::wstring::npos) << "the new folder's Checking";
}

// Fault mended: a data folder held by a command was taken without its lock being had (or refused
// as a folder that cannot be written); a mistyped folder quietly opened an empty set of accounts.
TEST_F(SettingsViewTest, AHeldOrEmptyFolderIsNotTakenUnasked) {
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);
    const std::string old = Model().GetDataFolder();
    const std::string held = m_home.Path() + "Held";
    {
        CVModel other;
        startup::WireModel(other);
        ASSERT_EQ(other.InitForCommand(held, CVModel::kCreate), 0);
        other.SaveAndRelease();
    }
    Model().SetLockWait(std::chrono::milliseconds(50));
    OpenPreferences();
    m_screen.TypeKey(ui::VK_SPACE);  // Show Year off: stored only with the folder
    m_screen.TypeKey(ui::VK_DOWN);
    m_screen.TypeKey(ui::VK_DOWN);
    {
        sys::FolderLock command;
        ASSERT_EQ(command.Acquire(held, std::chrono::milliseconds(0)), sys::FolderLock::kAcquired);
        Retype(sys::Utf8ToWide(held));
        m_screen.TypeKey(ui::VK_TSOFT1);
        m_screen.TypeKey(ui::VK_RETURN);
        Pump();
        EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Another program (Coinvale or one of"),
                  std::wstring::npos);
        EXPECT_EQ(CurrentView(), shell::kViewPreferences);
        EXPECT_EQ(Model().GetDataFolder(), old);
        EXPECT_EQ(Account("Checking").Transactions().Count(), 1u) << "the old data stays";
        EXPECT_TRUE(Model().GetPreferences().GetShowYear()) << "a refusal stores nothing";
    }

    // A folder without data: No keeps the screen and makes nothing.
    const std::string typo = m_home.Path() + "Mony";
    Retype(sys::Utf8ToWide(typo));
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_TSOFT2);  // No
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"holds no Coinvale data"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewPreferences);
    EXPECT_FALSE(std::filesystem::exists(typo));
    EXPECT_EQ(Model().GetPreferences().GetUserPath(), sys::Utf8ToWide(old));

    // Once the command is done, the folder it held opens without a question.
    Retype(sys::Utf8ToWide(held));
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(Model().GetDataFolder(), held + "/");
    EXPECT_FALSE(Model().GetPreferences().GetShowYear());
    sys::FolderLock probe;
    EXPECT_EQ(probe.Acquire(held, std::chrono::milliseconds(0)), sys::FolderLock::kHeldElsewhere);
    EXPECT_EQ(probe.Acquire(old, std::chrono::milliseconds(0)), sys::FolderLock::kAcquired);
}

TEST_F(SettingsViewTest, AboutTellsTheVersionAndWhereThingsAre) {
    Start();
    Choose({L"Settings", L"About"});
    ASSERT_EQ(CurrentView(), shell::kViewAbout);
    EXPECT_TRUE(Shows(L"Coinvale 0."));
    EXPECT_TRUE(Shows(sys::Utf8ToWide(Model().GetDataFolder())));
    EXPECT_TRUE(Shows(sys::Utf8ToWide(sys::RegistryFilePath())));
    EXPECT_TRUE(Shows(L"Licence"));
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
}

}  // namespace
}  // namespace views_test
