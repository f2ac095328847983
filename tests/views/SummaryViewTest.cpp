// The accounts summary as a person sees it: the first accounts of a fresh folder, balances and
// the total in the home currency, the cleared total, sorting, opening a register and coming back
// to the same row, the menu's routes, and Exit.
#include "ScreenFixture.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CCurrencyItem.h"
#include "model/CCurrencyList.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "preferences/CCVTodayPlugIn.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "shell/ViewNumbers.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;

class SummaryViewTest : public ScreenFixture {};

TEST_F(SummaryViewTest, AFreshFolderShowsItsFiveAccountsAndAZeroTotal) {
    Start();
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_TRUE(Shows(L"Accounts Summary"));
    for (const wchar_t* name :
         {L"American Express", L"Checking", L"Master Card", L"Savings", L"Visa"}) {
        EXPECT_TRUE(Shows(name)) << name;
    }
    const int total = LineOf(L"Balance:");
    ASSERT_EQ(total, 22);  // the line above the soft keys
    EXPECT_NE(Line(total).find(L" 0.00 "), std::wstring::npos) << Utf8Line(total);
    EXPECT_NE(Line(23).find(L"New"), std::wstring::npos);
    EXPECT_NE(Line(23).find(L"Menu"), std::wstring::npos);
}

TEST_F(SummaryViewTest, BalancesTheTotalItsColourAndTheClearedTotal) {
    Add("Checking", 3, 120000, "Salary", Type::kTypeDeposit, 1);  // cleared
    Add("Checking", 2, 2550, "Corner Shop", Type::kTypeWithdrawal);
    Add("Visa", 1, 200000, "Car Repair", Type::kTypeWithdrawal);
    Start();
    const int checking = LineOf(L"Checking");
    EXPECT_NE(Line(checking).find(L"1174.50"), std::wstring::npos) << Utf8Line(checking);
    const int visa = LineOf(L"Visa");
    const std::size_t at = Line(visa).find(L"-2000.00");
    ASSERT_NE(at, std::wstring::npos);
    EXPECT_EQ(m_screen.CellAt(static_cast<int>(at), visa).fg, ui::RGB(255, 0, 0));

    const int total = LineOf(L"Balance:");
    const std::size_t totalAt = Line(total).find(L"-825.50");
    ASSERT_NE(totalAt, std::wstring::npos) << Utf8Line(total);
    EXPECT_EQ(m_screen.CellAt(static_cast<int>(totalAt), total).fg, ui::RGB(255, 0, 0));

    Choose({L"Balance Types", L"Cleared"});
    const int cleared = LineOf(L"Cleared:");
    ASSERT_EQ(cleared, 22);
    EXPECT_NE(Line(cleared).find(L"1200.00"), std::wstring::npos);
    EXPECT_EQ(m_screen.CellAt(static_cast<int>(Line(cleared).find(L"1200.00")), cleared).fg,
              ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    // The rows keep showing current balances.
    EXPECT_NE(Line(LineOf(L"Checking")).find(L"1174.50"), std::wstring::npos);
}

TEST_F(SummaryViewTest, AForeignAccountCountsAtItsRateTruncatedAndAnExcludedOneNotAtAll) {
    CCVAccountList& accounts = Accounts();
    CCurrencyItem* euro = nullptr;
    for (std::uint32_t i = 0; i < accounts.GetCurrencies().Count(); ++i) {
        auto* item = static_cast<CCurrencyItem*>(accounts.GetCurrencies().GetAt(i));
        if (item != accounts.GetCurrencies().GetBase()) euro = item;
    }
    ASSERT_NE(euro, nullptr);
    euro->SetRate(1.5);
    Account("Savings").Record().SetCurrency(euro->GetNumber());
    Add("Savings", 1, 1001, "Interest", Type::kTypeDeposit);
    Add("Visa", 1, 1001, "Refund", Type::kTypeWithdrawal);
    Account("Visa").Record().SetIncludeInTotal(false);
    Start();
    // 10.01 at 1.5 is 15.015, cut to 15.01; Visa's -10.01 is not counted.
    EXPECT_NE(Line(LineOf(L"Balance:")).find(L"15.01"), std::wstring::npos)
        << Utf8Line(LineOf(L"Balance:"));
    EXPECT_NE(Line(LineOf(L"Visa")).find(L"-10.01"), std::wstring::npos);
}

TEST_F(SummaryViewTest, SortingByAmountTwiceReversesAndNameSortComesBack) {
    Add("Checking", 1, 50000, "Pay", Type::kTypeDeposit);
    Add("Visa", 1, 30000, "Shop", Type::kTypeWithdrawal);
    Start();
    Choose({L"Sort By", L"Amount"});
    const int checking = LineOf(L"Checking");
    const int visa = LineOf(L"Visa");
    const bool checkingFirst = checking < visa;
    Choose({L"Sort By", L"Amount"});
    EXPECT_NE(LineOf(L"Checking") < LineOf(L"Visa"), checkingFirst);
    Choose({L"Sort By", L"Accounts"});
    EXPECT_LT(LineOf(L"American Express"), LineOf(L"Visa"));
}

TEST_F(SummaryViewTest, TheActionKeyOpensTheRegisterAndBackReturnsToTheSameRow) {
    Start();
    Key(ui::VK_DOWN);  // Checking, the second row
    Key(ui::VK_RETURN);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_TRUE(Shows(L"Checking"));
    EXPECT_EQ(Model().GetPreferences().GetLastActiveAccount(), L"Checking");
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    const int checking = LineOf(L"Checking");
    EXPECT_EQ(m_screen.CellAt(3, checking).bg, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
}

TEST_F(SummaryViewTest, MovingTheSelectionDoesNotChangeTheLastActiveAccount) {
    Model().GetPreferences().SetLastActiveAccount(L"Savings");
    Start();
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    EXPECT_EQ(Model().GetPreferences().GetLastActiveAccount(), L"Savings");
}

TEST_F(SummaryViewTest, MenuItemsWhoseScreenIsNotThereAreGreyAndDoNothing) {
    // Every item of the summary has its screen now: one is taken away to see the rule.
    shell::CCVApplication::Instance().Catalog().Remove(shell::kViewBudgets);
    Start();
    Key(ui::VK_TSOFT2);
    const int budgets = LineOf(L"Budgets");
    ASSERT_GE(budgets, 0);
    const auto x = static_cast<int>(Line(budgets).find(L"Budgets"));
    EXPECT_EQ(m_screen.CellAt(x, budgets).fg, ui::GetSysColor(ui::COLOR_GRAYTEXT));
    Key(ui::VK_ESCAPE);
    EXPECT_FALSE(Shows(L"Budgets"));
    // Choosing a grey item does nothing: the menu stays open.
    Key(ui::VK_TSOFT2);
    for (int i = 0; i < 3; ++i) Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_TRUE(Shows(L"Edit Accounts"));
    // The upcoming transactions have their screen: the item is live.
    const int upcoming = LineOf(L"Upcoming Transactions");
    ASSERT_GE(upcoming, 0);
    const auto live = static_cast<int>(Line(upcoming).find(L"Upcoming Transactions"));
    EXPECT_NE(m_screen.CellAt(live, upcoming).fg, ui::GetSysColor(ui::COLOR_GRAYTEXT));
}

TEST_F(SummaryViewTest, ExitHandsTheRemindersOverAndEndsTheProgram) {
    Start();
    CCVTodayPlugIn::WriteReminderStatus(0);
    Choose({L"Exit"});
    EXPECT_EQ(CCVTodayPlugIn::ReadReminderStatus(), 1u);
    EXPECT_FALSE(shell::CCVProgram::PumpUntilIdle());  // the loop ends
}

}  // namespace
}  // namespace views_test
