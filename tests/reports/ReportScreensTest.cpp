// How the report screens build their reports (list, chart, budget), the row that is found again
// after the registers change, and the transactions behind a row with their accounts.
#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "model/ScheduleDay.h"
#include "preferences/PreferencesHome.h"
#include "reports/CReportDetails.h"
#include "reports/CReportRowRef.h"
#include "reports/ReportScreens.h"
#include "resources/ScreenIds.h"

namespace {

using report::Screen;
using report_fixture::FindRow;
using report_fixture::Row;

class ReportScreens : public report_fixture::ReportTest {
  protected:
    ReportScreens() {
        checking = &AddAccount("Checking");
        savings = &AddAccount("Savings");
        Add(*checking, Day(2027, 3, 2), -12000, "Grocer", Category("Groceries"));
        Add(*checking, Day(2027, 3, 1), -3000, "Grocer", Category("Groceries"));
        Add(*savings, Day(2027, 3, 3), -4000, "Grocer", Category("Groceries"));
        Add(*checking, Day(2027, 3, 4), 250000, "Employer", Category("Salary"));
        Add(*savings, Day(2027, 3, 5), -10, "Kiosk", Category("Dining"));
        AddTransfer(*checking, *savings, Day(2027, 3, 6), 50000);
        settings.by = report::kByCategory;
        settings.period = report::kThisMonth;
    }

    CCVAccount* checking = nullptr;
    CCVAccount* savings = nullptr;
    CReportSettings settings;
};

TEST_F(ReportScreens, TheListReportsItsAccountOrAllAccounts) {
    settings.account = checking->GetAccountId();
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    EXPECT_EQ(report.GetAccount(), checking);
    EXPECT_EQ(FindRow(report, "Groceries")->GetAmount(), -15000);
    // Counted on one account, the transfer has its row.
    EXPECT_NE(FindRow(report, "[Savings]"), nullptr);

    // An account deleted since it was chosen leaves the report on all accounts.
    settings.account.bytes = {9, 9, 9, 9, 9, 9, 9, 9};
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    EXPECT_EQ(report.GetAccount(), nullptr);
    EXPECT_EQ(FindRow(report, "Groceries")->GetAmount(), -19000);
    EXPECT_FALSE(report.GetGroupSmall());

    settings.by = report::kByCount;
    EXPECT_EQ(report::BuildFor(report, Screen::kList, settings), 1);
}

TEST_F(ReportScreens, TheChartShowsOneSideAndGathersSmallRows) {
    // A report of all amounts is charted as expenses.
    ASSERT_EQ(report::BuildFor(report, Screen::kChart, settings), 0);
    EXPECT_EQ(report.GetDirection(), report::kExpenses);
    EXPECT_TRUE(report.GetGroupSmall());
    EXPECT_EQ(FindRow(report, "Salary"), nullptr);
    // 0.10 of 190.10 is below half a percent: it goes into "Other".
    EXPECT_EQ(FindRow(report, "Dining"), nullptr);
    ASSERT_NE(FindRow(report, "Other"), nullptr);
    EXPECT_EQ(FindRow(report, "Other")->GetAmount(), -10);
    EXPECT_EQ(report.GetTotal(), -19010);

    settings.direction = report::kIncomes;
    ASSERT_EQ(report::BuildFor(report, Screen::kChart, settings), 0);
    EXPECT_EQ(report.GetDirection(), report::kIncomes);
    EXPECT_EQ(report.GetTotal(), 250000);

    CReportSettings all;
    EXPECT_TRUE(report::ChooseChartSide(all));
    EXPECT_EQ(all.direction, report::kExpenses);
    EXPECT_FALSE(report::ChooseChartSide(all));
    all.direction = report::kIncomes;
    EXPECT_FALSE(report::ChooseChartSide(all));
    EXPECT_EQ(all.direction, report::kIncomes);
}

TEST_F(ReportScreens, TheBudgetIsOnAllAccountsWithItsPeriod) {
    list.GetCategories().SetBudget(Category("Groceries"), 20000);
    settings.account = checking->GetAccountId();
    settings.period = report::kThisQuarter;
    settings.direction = report::kExpenses;
    ASSERT_EQ(report::BuildFor(report, Screen::kBudget, settings), 0);
    EXPECT_TRUE(report.IsBudgetMode());
    EXPECT_EQ(report.GetAccount(), nullptr);
    EXPECT_EQ(report.GetDirection(), report::kAllAmounts);
    // 200.00 a month is 600.00 for the quarter.
    const CCVReportItem* groceries = FindRow(report, "Groceries");
    ASSERT_NE(groceries, nullptr);
    EXPECT_EQ(report.GetBudget(*groceries, true), 60000);
    EXPECT_EQ(groceries->GetAmount(), -19000);
}

TEST_F(ReportScreens, ADefinitionMustNotEndBeforeItStarts) {
    settings.period = report::kCustom;
    settings.startDate = Day(2027, 3, 10);
    settings.endDate = Day(2027, 3, 9, 23, 59, 59);
    EXPECT_EQ(report::CheckDefinition(settings), res::IDS_PERIOD_REVERSED);
    settings.endDate = Day(2027, 3, 10, 23, 59, 59);
    EXPECT_EQ(report::CheckDefinition(settings), res::IDS_NONE);
    // Another period takes its own days: the stored ones do not matter.
    settings.endDate = 0;
    settings.period = report::kLastMonth;
    EXPECT_EQ(report::CheckDefinition(settings), res::IDS_NONE);
}

TEST_F(ReportScreens, TheChartsSideIsWrittenBackToThePreferences) {
    testing_support::PreferencesHome home;
    CCVPreferences preferences;
    ASSERT_EQ(preferences.SelectUser(), 0);
    ASSERT_TRUE(settings.WriteReport(preferences));
    EXPECT_EQ(report::ReadSettings(Screen::kList, preferences).direction, report::kAllAmounts);
    EXPECT_EQ(CReportSettings::ReadReport(preferences).direction, report::kAllAmounts);
    EXPECT_EQ(report::ReadSettings(Screen::kChart, preferences).direction, report::kExpenses);
    EXPECT_EQ(CReportSettings::ReadReport(preferences).direction, report::kExpenses);
    // The budget reads its own record.
    CReportSettings budget;
    budget.by = report::kByClass;
    budget.period = report::kThisYear;
    ASSERT_TRUE(budget.WriteBudget(preferences));
    EXPECT_EQ(report::ReadSettings(Screen::kBudget, preferences).by, report::kByClass);
    EXPECT_EQ(report::ReadSettings(Screen::kList, preferences).by, report::kByCategory);
}

TEST_F(ReportScreens, ARowIsFoundAgainAfterTheRegistersChange) {
    settings.showEmpty = true;
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    const CReportRowRef groceries = CReportRowRef::Of(*FindRow(report, "Groceries"));
    const CReportRowRef unassigned = CReportRowRef::Of(*FindRow(report, "<Unassigned>"));
    const CReportRowRef transfer = CReportRowRef::Of(*FindRow(report, "[Savings]"));

    // A new category before it moves the row; the row is found by its key, not its place.
    Add(*checking, Day(2027, 3, 7), -700, "Baker", Category("Bakery"));
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    EXPECT_EQ(report.At(groceries.FindIn(report))->Name(), "Groceries");
    EXPECT_EQ(report.At(unassigned.FindIn(report))->Name(), "<Unassigned>");
    EXPECT_EQ(report.At(transfer.FindIn(report))->Name(), "[Savings]");

    // Gone from the report: not found, never another row in its place.
    for (std::int64_t i = checking->Transactions().Count() - 1; i >= 0; --i) {
        if (checking->Transactions().At(i)->GetCategoryId() == savings->GetAccountId()) {
            checking->DeleteTransactionAt(i);
        }
    }
    settings.showEmpty = false;
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    EXPECT_EQ(transfer.FindIn(report), -1);

    // Payee rows are their payee's, whatever the case of its letters; totals their category's.
    settings.by = report::kByPayee;
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    CReportRowRef grocer = CReportRowRef::Of(*FindRow(report, "Grocer"));
    grocer.name = "GROCER";
    EXPECT_EQ(report.At(grocer.FindIn(report))->Name(), "Grocer");
    grocer.name = "Grocers";
    EXPECT_EQ(grocer.FindIn(report), -1);
}

TEST_F(ReportScreens, TheTransactionsBehindARowWithTheirAccounts) {
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    const CReportDetails details(*FindRow(report, "Groceries"), list);
    ASSERT_EQ(details.Count(), 3u);
    // Oldest first, each with the register that holds it and its place there.
    EXPECT_EQ(details.Lines()[0].part, -3000);
    EXPECT_EQ(details.Lines()[0].account, checking);
    EXPECT_EQ(details.Lines()[1].part, -12000);
    EXPECT_EQ(details.Lines()[2].account, savings);
    for (const CReportDetails::Line& line : details.Lines()) {
        EXPECT_EQ(line.account->Transactions().At(line.registerIndex), line.transaction);
    }
    EXPECT_EQ(details.Total(), -19000);

    // A split adds its lines in the row as one transaction with their sum.
    AddSplit(*checking, Day(2027, 3, 8), -9000,
             {{Category("Groceries"), -2000},
              {Category("Groceries"), -3000},
              {Category("Dining"), -4000}});
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    const CReportDetails withSplit(*FindRow(report, "Groceries"), list);
    ASSERT_EQ(withSplit.Count(), 4u);
    EXPECT_EQ(withSplit.Lines()[3].part, -5000);
    EXPECT_EQ(withSplit.Total(), FindRow(report, "Groceries")->GetAmount());

    // A row with nothing behind it lists nothing.
    settings.showEmpty = true;
    ASSERT_EQ(report::BuildFor(report, Screen::kList, settings), 0);
    EXPECT_EQ(CReportDetails(*FindRow(report, "Auto"), list).Count(), 0u);
}

}  // namespace
