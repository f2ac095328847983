// The font and column chooser and the colour chooser as a person uses them: the register's
// columns and style as the register then shows them, the summary's style, a refused choice with
// no column, and the row colour of the register, the reports and the budgets.
#include "ScreenFixture.h"

#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "reports/CReportSettings.h"
#include "shell/CColourSetting.h"
#include "shell/ViewNumbers.h"
#include "views/register/CRegisterColumns.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;

constexpr int kHeaderRow = 1;
constexpr int kFirstRow = 2;

class AppearanceViewTest : public ScreenFixture {
  protected:
    void OpenChecking() {
        Add("Checking", 2, 2540, "Corner Shop", Type::kTypeWithdrawal);
        Add("Checking", 1, 1200, "Bakery", Type::kTypeWithdrawal);
        Start();
        Key(ui::VK_DOWN);
        Key(ui::VK_RETURN);
        ASSERT_EQ(CurrentView(), shell::kViewRegister);
    }
    // The focus ring of the register's font screen: the style, then the ten columns.
    void ToColumn(int column) {
        for (int i = 0; i <= column; ++i) m_screen.TypeKey(ui::VK_DOWN);
    }
    bool Bold(int x, int y) const { return (m_screen.CellAt(x, y).attr & ui::kAttrBold) != 0; }
    bool Underlined(int x, int y) const {
        return (m_screen.CellAt(x, y).attr & ui::kAttrUnderline) != 0;
    }
};

TEST_F(AppearanceViewTest, TheRegisterShowsTheColumnsAndStyleChosenForIt) {
    OpenChecking();
    EXPECT_EQ(Line(kHeaderRow).find(L"Date"), std::wstring::npos);
    Choose({L"Settings", L"Font"});
    ASSERT_EQ(CurrentView(), shell::kViewColumns);
    EXPECT_TRUE(Shows(L"[x] Payee"));
    EXPECT_TRUE(Shows(L"[ ] Date"));
    m_screen.TypeKey(ui::VK_RIGHT);  // Bold
    ToColumn(2);                     // Date
    m_screen.TypeKey(ui::VK_SPACE);
    m_screen.TypeKey(ui::VK_DOWN);
    m_screen.TypeKey(ui::VK_DOWN);   // Payee
    m_screen.TypeKey(ui::VK_SPACE);  // off
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);

    // What the chooser stored is what the register reads.
    views::CRegisterColumns columns;
    columns.ReadShown(Model().GetPreferences());
    EXPECT_TRUE(columns.IsShown(views::kColumnDate));
    EXPECT_FALSE(columns.IsShown(views::kColumnPayee));
    EXPECT_TRUE(columns.IsShown(views::kColumnAmount));
    EXPECT_NE(Line(kHeaderRow).find(L"Date"), std::wstring::npos);
    EXPECT_EQ(Line(kHeaderRow).find(L"Payee"), std::wstring::npos);
    EXPECT_FALSE(Shows(L"Corner Shop"));
    const int bakery = LineOf(L"12.00");
    ASSERT_GE(bakery, kFirstRow);
    EXPECT_TRUE(Bold(static_cast<int>(Line(bakery).find(L"12.00")), bakery));

    // Another account keeps its own columns.
    Key(ui::VK_ESCAPE);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    EXPECT_NE(Line(kHeaderRow).find(L"Payee"), std::wstring::npos);
}

TEST_F(AppearanceViewTest, NoColumnAtAllIsRefusedAndCancelKeepsEverything) {
    OpenChecking();
    Choose({L"Settings", L"Font"});
    for (int column = 0; column < 10; ++column) {
        m_screen.TypeKey(ui::VK_DOWN);
        if (column == 0 || column == 1 || column == 4 || column == 8) {
            m_screen.TypeKey(ui::VK_SPACE);  // the four shown at first
        }
    }
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Choose at least one column"),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewColumns);
    Key(ui::VK_TSOFT2);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_TRUE(Model().GetPreferences().GetColumnShown(CCVPreferences::Column::Payee));
}

TEST_F(AppearanceViewTest, TheSummaryIsDrawnInItsOwnStyle) {
    Start();
    Choose({L"Settings", L"Font"});
    ASSERT_EQ(CurrentView(), shell::kViewFont);
    EXPECT_FALSE(Shows(L"Columns:")) << "columns belong to the register";
    m_screen.TypeKey(ui::VK_LEFT);  // Underlined (the spinner wraps round)
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewAccountsSummary);
    const int checking = LineOf(L"Checking");
    const int x = static_cast<int>(Line(checking).find(L"Checking"));
    EXPECT_TRUE(Underlined(x, checking));
    EXPECT_FALSE(Bold(x, checking));
}

TEST_F(AppearanceViewTest, TheRegisterRowColourIsChosenFromThePalette) {
    OpenChecking();
    Choose({L"Settings", L"Row Color"});
    ASSERT_EQ(CurrentView(), shell::kViewChooseColour);
    EXPECT_TRUE(Shows(L"Color of every other register row:"));
    // A new account's own light blue is on offer, and selected.
    EXPECT_TRUE(Shows(L"Current color"));
    EXPECT_EQ(m_screen.CellAt(10, LineOf(L"Current color")).bg,
              ui::GetSysColor(ui::COLOR_HIGHLIGHT));
    const int teal = LineOf(L"Teal");
    EXPECT_EQ(m_screen.CellAt(2, teal).bg, ui::RGB(0, 128, 128)) << "the swatch";
    Key(ui::VK_TSOFT2);  // Cancel
    const std::uint32_t before = Account("Checking").GetRowColor();

    Choose({L"Settings", L"Row Color"});
    for (int step = 0; step < 20 && m_screen.CellAt(10, LineOf(L"Teal")).bg !=
                                        ui::GetSysColor(ui::COLOR_HIGHLIGHT);
         ++step) {
        Key(ui::VK_DOWN);
    }
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_NE(before, ui::RGB(0, 128, 128));
    EXPECT_EQ(Account("Checking").GetRowColor(), ui::RGB(0, 128, 128));
    // Rows 0, 2, ... in the row colour; the first row is the selected one, so look at the third.
    Key(ui::VK_DOWN);
    EXPECT_EQ(m_screen.CellAt(40, kFirstRow).bg, ui::RGB(0, 128, 128));
    EXPECT_NE(m_screen.CellAt(40, kFirstRow + 1).bg, ui::RGB(0, 128, 128));
}

TEST_F(AppearanceViewTest, ReportAndBudgetColoursGoToTheirOwnSettings) {
    CVModel& model = Model();
    ASSERT_TRUE(shell::CColourSetting::Write(model, shell::CColourSetting::kReportRows,
                                             ui::RGB(255, 255, 0)));
    ASSERT_TRUE(shell::CColourSetting::Write(model, shell::CColourSetting::kBudgetRows,
                                             ui::RGB(0, 0, 128)));
    EXPECT_EQ(CReportSettings::ReadReport(model.GetPreferences()).screenColour,
              ui::RGB(255, 255, 0));
    EXPECT_EQ(CReportSettings::ReadBudget(model.GetPreferences()).screenColour, ui::RGB(0, 0, 128));
    EXPECT_EQ(shell::CColourSetting::Read(model, shell::CColourSetting::kReportRows),
              ui::RGB(255, 255, 0));
    EXPECT_FALSE(shell::CColourSetting::IsTarget(5));
}

}  // namespace
}  // namespace views_test
