// Preferences and About as a person uses them: switching the year and decimals, a folder that is
// refused without losing anything, a new data folder opening its own summary, and what About
// tells.
#include "ScreenFixture.h"

#include <filesystem>

#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Registry.h"
#include "shell/CCVApplication.h"
#include "shell/ViewNumbers.h"

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
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(shell::CCVApplication::Instance().StackDepth(), 0);
    EXPECT_EQ(Model().GetDataFolder(), folder + "/");
    EXPECT_TRUE(std::filesystem::exists(folder + "/Checking.cvl"));
    const int checking = LineOf(L"Checking");
    ASSERT_GE(checking, 0);
    EXPECT_NE(Line(checking).find(L"0.00"), std::wstring::npos) << "the new folder's Checking";
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
