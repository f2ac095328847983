// The report and budget screens as a person uses them: budgets scaled to the period and a
// budget amount set from the screen, the report defined and its preferences, the chart with its
// keys and taps in small and large terminals, and the way from the chart to the transactions
// behind a slice, into the editor and back, with nothing stale on the screen afterwards.
#include "ScreenFixture.h"

#include <set>

#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CCVCategoryList.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "reports/CReportSettings.h"
#include "shell/CCVApplication.h"
#include "shell/CCVView.h"
#include "shell/CTransactionRequest.h"
#include "shell/ViewNumbers.h"

namespace views_test {
namespace {

// The editor's report mode, which the details open through the navigation table.
constexpr int kViewEditReportTransaction = 74;

// Stands for the transaction editor in its report and budget modes: it takes the transaction
// the request names, does what the test asks (a delete, a new amount) and goes back, as the
// editor does when its change is done.
class CFakeEditor : public shell::CCVView {
  public:
    enum class Action { kDelete, kHalve };
    static Action& NextAction() {
        static Action action = Action::kDelete;
        return action;
    }
    static ui::LPARAM& LastParam() {
        static ui::LPARAM param = -1;
        return param;
    }

  protected:
    Frame Describe(ui::LPARAM) override { return Frame{L"EditTransactionsView", L"Editor", 0}; }
    bool OnCreate(ui::LPARAM param) override {
        LastParam() = param;
        std::unique_ptr<shell::CNavigationPayload> payload = TakePayload();
        const auto* request = dynamic_cast<const shell::CTransactionRequest*>(payload.get());
        if (request == nullptr) return false;
        CCVAccount* account = Model().GetAccountList()->FindAccountById(request->AccountId());
        CTransaction* transaction =
            account != nullptr ? account->FindById(request->TransactionId()) : nullptr;
        if (transaction == nullptr || account->Transactions().At(param) != transaction) {
            return false;
        }
        if (NextAction() == Action::kDelete) {
            account->DeleteTransaction(transaction, false);
        } else {
            transaction->SetAmount(transaction->GetAmount() / 2);
            account->RecomputeBalances();
        }
        PostBack(0);
        return true;
    }
};

class ReportViewsTest : public ScreenFixture {
  protected:
    RecordKey Category(const char* path) {
        return Accounts().GetCategories().FindOrCreate(path, true);
    }
    // A withdrawal of `amount` (hundredths, positive) `daysAgo` days before today.
    CTransaction& Spend(const char* account, int daysAgo, Amount amount, const char* payee,
                        const char* category) {
        auto t = std::make_unique<CTransaction>();
        t->SetDate(::Now() - static_cast<DateTime>(daysAgo) * kSecondsPerDay);
        t->SetAmount(amount);
        t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeWithdrawal));
        t->SetPayeeName(payee);
        t->SetCategoryId(Category(category));
        CTransaction& added = *t;
        EXPECT_EQ(Account(account).AddTransaction(std::move(t)), 0);
        return added;
    }
    void DefineReport(int by, int period, int direction) {
        CReportSettings settings = CReportSettings::ReadReport(Model().GetPreferences());
        settings.by = static_cast<std::uint8_t>(by);
        settings.period = static_cast<std::uint8_t>(period);
        settings.direction = static_cast<std::uint8_t>(direction);
        ASSERT_TRUE(settings.WriteReport(Model().GetPreferences()));
    }
    void DefineBudget(int by, int period) {
        CReportSettings settings = CReportSettings::ReadBudget(Model().GetPreferences());
        settings.by = static_cast<std::uint8_t>(by);
        settings.period = static_cast<std::uint8_t>(period);
        settings.showEmpty = false;
        ASSERT_TRUE(settings.WriteBudget(Model().GetPreferences()));
    }
    // The screen line that shows `text`, or an empty line.
    std::wstring LineWith(const std::wstring& text) const {
        const int y = LineOf(text);
        return y >= 0 ? Line(y) : std::wstring{};
    }
    void WithEditor() {
        shell::CCVApplication::Instance().Catalog().Register(
            kViewEditReportTransaction, [] { return std::make_unique<CFakeEditor>(); });
    }
    // Groceries 100.00 twice and Dining 300.00 this year, charted by category.
    void OpenChart() {
        Spend("Checking", 3, 10000, "Grocer", "Groceries");
        Spend("Visa", 2, 10000, "Grocer", "Groceries");
        Spend("Checking", 1, 30000, "Bistro", "Dining");
        DefineReport(report::kByCategory, report::kThisYear, report::kAllAmounts);
        Start();
        Choose({L"Reports"});
        ASSERT_EQ(CurrentView(), shell::kViewReports);
        Choose({L"Chart"});
        ASSERT_EQ(CurrentView(), shell::kViewReportChart);
    }
};

TEST_F(ReportViewsTest, ABudgetOf200AMonthShows600ForThisQuarterAndTakesANewAmount) {
    Spend("Checking", 10, 25000, "Grocer", "Groceries");
    Accounts().GetCategories().SetBudget(Category("Groceries"), 20000);
    DefineBudget(report::kByCategory, report::kThisQuarter);
    Start();
    Choose({L"Budgets"});
    ASSERT_EQ(CurrentView(), shell::kViewBudgets);
    EXPECT_TRUE(Shows(L"Budget by Category: This Quarter"));
    EXPECT_TRUE(Shows(L"Difference"));
    std::wstring row = LineWith(L"Groceries");
    // Budget, actual and difference.
    EXPECT_NE(row.find(L"600.00"), std::wstring::npos) << sys::WideToUtf8(row);
    EXPECT_NE(row.find(L"-250.00"), std::wstring::npos) << sys::WideToUtf8(row);
    EXPECT_NE(row.find(L"-850.00"), std::wstring::npos) << sys::WideToUtf8(row);
    const std::wstring total = LineWith(L"Total:");
    EXPECT_NE(total.find(L"600.00"), std::wstring::npos) << sys::WideToUtf8(total);

    // A new monthly amount, through "Budget Amount".
    Choose({L"Budget Amount"});
    ASSERT_EQ(CurrentView(), shell::kViewBudgetAmount);
    EXPECT_TRUE(Shows(L"Enter Monthly Budget Amount for Groceries"));
    EXPECT_TRUE(Shows(L"200.00"));
    for (int i = 0; i < 5; ++i) Key(ui::VK_BACK);
    // Fault mended: the Back key (pressed, then released) that erased the last character of a
    // field also left the screen on its release, and the entry with it.
    Key(ui::VK_TBACK);
    EXPECT_EQ(CurrentView(), shell::kViewBudgetAmount);
    EXPECT_FALSE(Shows(L" 2"));
    // An amount that is not one is refused, and nothing changes.
    Type(L"12-x");
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);  // the box
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Enter a valid amount."), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewBudgetAmount);
    EXPECT_EQ(Accounts().GetCategories().GetBudget(Category("Groceries")), 20000);
    for (int i = 0; i < 4; ++i) Key(ui::VK_BACK);
    Type(L"150");
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewBudgets);
    EXPECT_EQ(Accounts().GetCategories().GetBudget(Category("Groceries")), 15000);
    row = LineWith(L"Groceries");
    EXPECT_NE(row.find(L"450.00"), std::wstring::npos) << sys::WideToUtf8(row);
    EXPECT_NE(row.find(L"-700.00"), std::wstring::npos) << sys::WideToUtf8(row);
}

TEST_F(ReportViewsTest, TheBudgetsKeepTheirSortOrderAndSelectionAcrossAVisitToTheDetails) {
    Spend("Checking", 3, 10000, "Grocer", "Groceries");
    Spend("Checking", 1, 30000, "Bistro", "Dining");
    DefineBudget(report::kByCategory, report::kThisQuarter);
    Start();
    Choose({L"Budgets"});
    ASSERT_EQ(CurrentView(), shell::kViewBudgets);
    // By name, Dining comes first; the same sort key chosen again turns the order round.
    ASSERT_LT(LineOf(L"Dining"), LineOf(L"Groceries"));
    Choose({L"Sort By", L"Actual"});
    const bool groceriesFirst = LineOf(L"Groceries") < LineOf(L"Dining");
    Choose({L"Sort By", L"Actual"});
    ASSERT_NE(LineOf(L"Groceries") < LineOf(L"Dining"), groceriesFirst);
    if (groceriesFirst) Choose({L"Sort By", L"Actual"});
    ASSERT_LT(LineOf(L"Groceries"), LineOf(L"Dining"));
    // The second row (Dining) opens its details; back on the budgets, the order and the
    // selection are those it had, not the name order and the first row.
    Key(ui::VK_HOME);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewBudgetDetails);
    EXPECT_TRUE(Shows(L"Bistro"));
    Key(ui::VK_ESCAPE);
    ASSERT_EQ(CurrentView(), shell::kViewBudgets);
    EXPECT_LT(LineOf(L"Groceries"), LineOf(L"Dining"));
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewBudgetDetails);
    EXPECT_TRUE(Shows(L"Bistro"));
    EXPECT_FALSE(Shows(L"Grocer"));
}

TEST_F(ReportViewsTest, ARowWithoutABudgetOfItsOwnSaysSo) {
    Spend("Checking", 10, 25000, "Grocer", "Groceries");
    Spend("Checking", 5, 1000, "", "Groceries");
    DefineBudget(report::kByPayee, report::kThisMonth);
    Start();
    Choose({L"Budgets"});
    ASSERT_EQ(CurrentView(), shell::kViewBudgets);
    // The payee row takes a budget; "<Unassigned>" of payees does not.
    Key(ui::VK_END);
    ASSERT_NE(LineWith(L"<Unassigned>"), L"");
    Choose({L"Budget Amount"}, {ui::VK_RETURN});
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"no budget of its own"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewBudgets);
}

TEST_F(ReportViewsTest, DefineReportKeepsTheDefinitionAndRefusesAReversedPeriod) {
    Spend("Checking", 3, 4200, "Grocer", "Groceries");
    Start();
    Choose({L"Reports"});
    ASSERT_EQ(CurrentView(), shell::kViewReports);
    EXPECT_TRUE(Shows(L"All Amounts by Payee: Last 30 Days"));
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewDefineReport);
    Key(ui::VK_RIGHT);  // By: Category
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);  // Start Date
    Key(ui::VK_RIGHT);
    Key(ui::VK_RIGHT);  // its year
    Type(L"+");         // a year after the end
    EXPECT_TRUE(Shows(L"Custom"));
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"End Date is before the Start Date"),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewDefineReport);
    EXPECT_EQ(CReportSettings::ReadReport(Model().GetPreferences()).by, report::kByPayee);
    // The end date has the focus now; the start date's year goes back.
    Key(ui::VK_UP);
    Type(L"-");        // a custom period of the last 30 days
    Key(ui::VK_DOWN);  // End Date
    Key(ui::VK_DOWN);  // Account
    Key(ui::VK_RIGHT);
    Key(ui::VK_RIGHT);  // the second account: Checking
    Key(ui::VK_DOWN);   // Amounts
    Key(ui::VK_LEFT);   // Expenses
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewReports);
    const CReportSettings kept = CReportSettings::ReadReport(Model().GetPreferences());
    EXPECT_EQ(kept.by, report::kByCategory);
    EXPECT_EQ(kept.period, report::kCustom);
    EXPECT_EQ(kept.direction, report::kExpenses);
    EXPECT_EQ(kept.account, Account("Checking").GetAccountId());
    EXPECT_TRUE(Shows(L"Expenses by Category: Custom, Checking"));
    EXPECT_NE(LineWith(L"Groceries").find(L"-42.00"), std::wstring::npos);

    // "Cancel" keeps what there was.
    Key(ui::VK_TSOFT1);
    Key(ui::VK_RIGHT);
    Key(ui::VK_TSOFT2);
    ASSERT_EQ(CurrentView(), shell::kViewReports);
    EXPECT_EQ(CReportSettings::ReadReport(Model().GetPreferences()).by, report::kByCategory);
}

TEST_F(ReportViewsTest, PreferencesTellReportsFromBudgetsByTheParameter) {
    Start();
    Choose({L"Budgets"});
    Choose({L"Preferences"});
    ASSERT_EQ(CurrentView(), shell::kViewReportPreferences);
    EXPECT_TRUE(Shows(L"Budget Preferences"));
    EXPECT_TRUE(Shows(L"Show empty items"));
    EXPECT_FALSE(Shows(L"Pie Chart Labels"));
    const bool before = CReportSettings::ReadBudget(Model().GetPreferences()).showEmpty;
    Key(ui::VK_SPACE);
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewBudgets);
    EXPECT_EQ(CReportSettings::ReadBudget(Model().GetPreferences()).showEmpty, !before);
    EXPECT_EQ(CReportSettings::ReadReport(Model().GetPreferences()).showEmpty, false);

    Key(ui::VK_ESCAPE);
    Choose({L"Reports"});
    Choose({L"Preferences"});
    ASSERT_EQ(CurrentView(), shell::kViewReportPreferences);
    EXPECT_TRUE(Shows(L"Report Preferences"));
    EXPECT_TRUE(Shows(L"Show Empty Items"));
    EXPECT_TRUE(Shows(L"Pie Chart Labels"));
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    Key(ui::VK_SPACE);  // the amount on the labels
    Key(ui::VK_TSOFT1);
    const CReportSettings report = CReportSettings::ReadReport(Model().GetPreferences());
    EXPECT_TRUE(report.labelAmount);
    EXPECT_TRUE(report.labelName);
    EXPECT_EQ(CReportSettings::ReadBudget(Model().GetPreferences()).showEmpty, !before);
}

TEST_F(ReportViewsTest, TheChartsSlicesKeysAndLabels) {
    OpenChart();
    // A report of all amounts is charted as expenses, and says so from then on.
    EXPECT_TRUE(Shows(L"Expenses by Category: This Year"));
    EXPECT_EQ(CReportSettings::ReadReport(Model().GetPreferences()).direction, report::kExpenses);
    EXPECT_TRUE(Shows(L"Dining 60%"));
    EXPECT_TRUE(Shows(L"Groceries 40%"));
    EXPECT_NE(Line(22).find(L"Dining  -300.00   60%"), std::wstring::npos) << Utf8Line(22);
    Key(ui::VK_UP);  // the first stays selected
    EXPECT_NE(Line(22).find(L"Dining"), std::wstring::npos);
    Key(ui::VK_DOWN);
    EXPECT_NE(Line(22).find(L"Groceries  -200.00   40%"), std::wstring::npos) << Utf8Line(22);
    Key(ui::VK_DOWN);  // the last stays selected
    EXPECT_NE(Line(22).find(L"Groceries"), std::wstring::npos);
    // The pie is drawn in braille dots, in two colours.
    std::set<ui::COLORREF> colours;
    for (int y = 1; y < 22; ++y) {
        for (int x = 0; x < 80; ++x) {
            const ui::Cell cell = m_screen.CellAt(x, y);
            if (cell.dots != 0) colours.insert(cell.fg);
        }
    }
    EXPECT_GE(colours.size(), 2u);
    // "Reports" opens the chart from now on, also after "Done" went back to the list.
    EXPECT_EQ(Model().GetPreferences().GetLastReportType(), 1);
    Key(ui::VK_TSOFT1);  // Done
    Key(ui::VK_ESCAPE);
    ASSERT_EQ(CurrentView(), shell::kViewAccountsSummary);
    Choose({L"Reports"});
    EXPECT_EQ(CurrentView(), shell::kViewReportChart);
    // Incomes: nothing to chart here.
    Choose({L"Incomes"});
    EXPECT_TRUE(Shows(L"Incomes by Category: This Year"));
    EXPECT_TRUE(Shows(L"Nothing to chart"));
    Key(ui::VK_RETURN);
    EXPECT_EQ(CurrentView(), shell::kViewReportChart);
}

TEST_F(ReportViewsTest, TheChartReadsAt40x20AndAt200x60) {
    OpenChart();
    for (const auto& [width, height] : {std::pair{40, 20}, std::pair{200, 60}}) {
        m_screen.Resize(width, height);
        Pump();
        SCOPED_TRACE(::testing::Message() << width << " x " << height);
        EXPECT_TRUE(Shows(L"Dining 60%"));
        EXPECT_TRUE(Shows(L"Groceries 40%"));
        int dotted = 0;
        for (int y = 1; y < height - 2; ++y) {
            for (int x = 0; x < width; ++x) dotted += m_screen.CellAt(x, y).dots != 0 ? 1 : 0;
        }
        EXPECT_GT(dotted, width * height / 20);
    }
}

TEST_F(ReportViewsTest, ATapSelectsASliceAndATapOnTheSelectedOneOpensIt) {
    OpenChart();
    // Dining runs from 300 round to 156 degrees, Groceries from 156 to 300: the left of the
    // centre is Groceries'.
    const int centreRow = 11;  // the pie's middle row in a 80 x 24 terminal
    m_screen.Tap(30, centreRow);
    Pump();
    EXPECT_EQ(CurrentView(), shell::kViewReportChart);
    EXPECT_NE(Line(22).find(L"Groceries"), std::wstring::npos) << Utf8Line(22);
    m_screen.Tap(30, centreRow);
    Pump();
    ASSERT_EQ(CurrentView(), shell::kViewReportDetails);
    EXPECT_TRUE(Shows(L"Groceries"));
}

// The details rebuild the report when they are made again: after the editor deleted a
// transaction or changed its amount, the list shows what the registers hold.
TEST_F(ReportViewsTest, FromTheChartToTheDetailsToTheEditorAndBackLeavesNoStaleRow) {
    WithEditor();
    OpenChart();
    Key(ui::VK_DOWN);    // Groceries
    Key(ui::VK_RETURN);  // its transactions
    ASSERT_EQ(CurrentView(), shell::kViewReportDetails);
    EXPECT_TRUE(Shows(L"Checking"));
    EXPECT_TRUE(Shows(L"Visa"));
    EXPECT_NE(LineWith(L"Total:").find(L"-200.00"), std::wstring::npos);

    // The editor halves the first one's amount.
    CFakeEditor::NextAction() = CFakeEditor::Action::kHalve;
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewReportDetails);
    EXPECT_NE(LineWith(L"Total:").find(L"-150.00"), std::wstring::npos)
        << sys::WideToUtf8(LineWith(L"Total:"));
    EXPECT_NE(LineWith(L"Checking").find(L"-50.00"), std::wstring::npos);

    // Then deletes the selected one (still the first row).
    CFakeEditor::NextAction() = CFakeEditor::Action::kDelete;
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewReportDetails);
    EXPECT_FALSE(Shows(L"Checking"));
    EXPECT_TRUE(Shows(L"Visa"));
    EXPECT_NE(LineWith(L"Total:").find(L"-100.00"), std::wstring::npos);

    // And the last: the row is gone from the report, and the details list nothing.
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewReportDetails);
    EXPECT_FALSE(Shows(L"Visa"));
    EXPECT_TRUE(Shows(L"No transactions."));
    Key(ui::VK_RETURN);  // nothing to open
    EXPECT_EQ(CurrentView(), shell::kViewReportDetails);

    // Back on the chart, Dining is all there is.
    Key(ui::VK_ESCAPE);
    ASSERT_EQ(CurrentView(), shell::kViewReportChart);
    EXPECT_TRUE(Shows(L"Dining 100%"));
    EXPECT_FALSE(Shows(L"Groceries"));
}

TEST_F(ReportViewsTest, TheListOpensTheDetailsOfItsRowsAndTheChartGoesBackToIt) {
    WithEditor();
    Spend("Checking", 3, 10000, "Grocer", "Groceries");
    Spend("Checking", 1, 30000, "Bistro", "Dining");
    DefineReport(report::kByPayee, report::kLast30Days, report::kExpenses);
    Start();
    Choose({L"Reports"});
    ASSERT_EQ(CurrentView(), shell::kViewReports);
    EXPECT_NE(LineWith(L"Bistro").find(L"-300.00"), std::wstring::npos);
    EXPECT_NE(LineWith(L"Total:").find(L"-400.00"), std::wstring::npos);
    // Sorted by amount, the largest expense first; again, the other way round.
    Choose({L"Sort By", L"Icon"});
    Choose({L"Sort By", L"Name"});
    EXPECT_LT(LineOf(L"Bistro"), LineOf(L"Grocer"));
    // A tap on the amount's header sorts by it.
    const int amountHeader = static_cast<int>(Line(1).find(L"Amount"));
    m_screen.Tap(amountHeader, 1);
    Pump();
    EXPECT_LT(LineOf(L"Bistro"), LineOf(L"Grocer"));
    m_screen.Tap(amountHeader, 1);
    Pump();
    EXPECT_GT(LineOf(L"Bistro"), LineOf(L"Grocer"));
    Key(ui::VK_HOME);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewReportDetails);
    EXPECT_TRUE(Shows(L"Grocer"));
    CFakeEditor::NextAction() = CFakeEditor::Action::kDelete;
    Key(ui::VK_RETURN);
    Key(ui::VK_ESCAPE);
    ASSERT_EQ(CurrentView(), shell::kViewReports);
    // The list is built again too, in the order it had.
    EXPECT_EQ(LineOf(L"Grocer"), -1);
    EXPECT_NE(LineWith(L"Total:").find(L"-300.00"), std::wstring::npos);

    // Chart, then "List View": back to this list, not a new one on top of the chart.
    const int depth = shell::CCVApplication::Instance().StackDepth();
    Choose({L"Chart"});
    ASSERT_EQ(CurrentView(), shell::kViewReportChart);
    EXPECT_EQ(Model().GetPreferences().GetLastReportType(), 1);
    Choose({L"List View"});
    EXPECT_EQ(CurrentView(), shell::kViewReports);
    EXPECT_EQ(shell::CCVApplication::Instance().StackDepth(), depth);
    // "Reports" opens what was chosen last, the list again.
    EXPECT_EQ(Model().GetPreferences().GetLastReportType(), 0);
}

}  // namespace
}  // namespace views_test
