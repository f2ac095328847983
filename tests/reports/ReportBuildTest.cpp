// Building a report: which transactions go into which row, splits and their remainder, transfers,
// currencies, category totals, empty rows, directions and the "Other" row.
#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "model/BuiltInKey.h"
#include "model/CCVPayeeItem.h"
#include "model/ScheduleDay.h"

namespace {

using report_fixture::FindRow;
using report_fixture::Row;
using report_fixture::Rows;
using RowList = std::vector<Row>;

class ReportBuild : public report_fixture::ReportTest {};

TEST_F(ReportBuild, SplitLinesGoToTheirCategoriesAndTheRestToUnassigned) {
    CCVAccount& checking = AddAccount("Checking");
    const RecordKey food = Category("Food");
    const RecordKey fuel = Category("Auto:Fuel");
    CTransaction& split =
        AddSplit(checking, Day(2027, 3, 10), -10000, {{food, -6000}, {fuel, -3000}}, "Market");

    const CCVReportList& r = Report(report::kByCategory);
    EXPECT_EQ(Rows(r), (RowList{{"Auto", 0},
                                {"Auto:Fuel", -3000},
                                {"Total Auto", -3000},
                                {"Food", -6000},
                                {"<Unassigned>", -1000}}));
    EXPECT_EQ(r.GetTotal(), -10000);
    for (const char* name : {"Auto:Fuel", "Food", "<Unassigned>"}) {
        const CCVReportItem* row = FindRow(r, name);
        ASSERT_EQ(row->TransactionCount(), 1u) << name;
        EXPECT_EQ(row->TransactionAt(0), &split) << name;
    }
    // A copy for the detail screen sums the parts: the line, not the whole split.
    const auto copy = r.CopyRow(3);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Name(), "Food");
    EXPECT_EQ(copy->GetAmount(), -6000);
    EXPECT_EQ(*copy->GetKey(), food);
    EXPECT_EQ(r.CopyRow(5), nullptr);

    // By payee the split counts whole.
    EXPECT_EQ(Rows(Report(report::kByPayee)), (RowList{{"Market", -10000}}));
}

TEST_F(ReportBuild, TwoLinesOfOneCategoryListTheTransactionOnceUnderTheWholeName) {
    CCVAccount& checking = AddAccount("Checking");
    const std::string name = "Subscriptions:Streaming, music and news";  // past 34 characters
    const RecordKey streaming = Category(name.c_str());
    AddSplit(checking, Day(2027, 3, 10), -6000, {{streaming, -4000}, {streaming, -2000}});
    const CCVReportItem* row = FindRow(Report(report::kByCategory), name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetAmount(), -6000);
    ASSERT_EQ(row->TransactionCount(), 1u);
    EXPECT_EQ(row->Entries()[0].part, -6000);
    EXPECT_EQ(FindRow(report, "<Unassigned>"), nullptr);
}

TEST_F(ReportBuild, ExpensesDropDepositsAndTheRowsTheyLeaveEmpty) {
    CCVAccount& checking = AddAccount("Checking");
    const RecordKey salary = Category("Salary");
    const RecordKey dining = Category("Dining");
    Add(checking, Day(2027, 3, 1), 200000, "Employer", salary);
    Add(checking, Day(2027, 3, 2), -5000, "Bistro", dining);
    Add(checking, Day(2027, 3, 3), 1000, "Bistro", dining);  // a refund
    Add(checking, Day(2027, 3, 4), -2500, "Grocer", Category("Groceries"));

    EXPECT_EQ(Rows(Report(report::kByCategory, false, report::kExpenses)),
              (RowList{{"Dining", -5000}, {"Groceries", -2500}}));
    EXPECT_EQ(report.GetTotal(), -7500);

    EXPECT_EQ(Rows(Report(report::kByCategory, false, report::kIncomes)),
              (RowList{{"Dining", 1000}, {"Salary", 200000}}));
    EXPECT_EQ(report.GetTotal(), 201000);

    // By payee too; all amounts keep both sides.
    EXPECT_EQ(Rows(Report(report::kByPayee, false, report::kExpenses)),
              (RowList{{"Bistro", -5000}, {"Grocer", -2500}}));
    EXPECT_EQ(Rows(Report(report::kByPayee)),
              (RowList{{"Bistro", -4000}, {"Employer", 200000}, {"Grocer", -2500}}));
    EXPECT_EQ(report.GetTotal(), 193500);
}

TEST_F(ReportBuild, SmallRowsOfAChartGoToOtherInTheHomeCurrency) {
    CCVAccount& checking = AddAccount("Checking");
    CCVAccount& euros = AddAccount("Euros", 3);
    list.GetCurrencies().FindByNumber(3)->SetRate(0.5);
    Add(checking, Day(2027, 3, 1), -99000, "Rent");
    Add(checking, Day(2027, 3, 2), -500, "Cafe");  // 5.00: at the threshold, stays
    Add(euros, Day(2027, 3, 3), -998, "Kiosk");    // 9.98 euros are 4.99: below it
    Add(checking, Day(2027, 3, 4), -1, "Tips");
    Add(checking, Day(2027, 3, 5), 0, "Nothing");

    ASSERT_EQ(report.SetReportOptions(true, report::kAllAmounts), 0);
    Report(report::kByPayee, true);
    EXPECT_EQ(report.GetTotal(), -100000);
    EXPECT_EQ(Rows(report), (RowList{{"Cafe", -500}, {"Rent", -99000}, {"Other", -500}}));
    const CCVReportItem& other = *report.At(2);
    EXPECT_EQ(other.GetRole(), CCVReportItem::kOtherRow);
    EXPECT_EQ(other.TransactionCount(), 3u);  // Tips, Kiosk and the empty one
    EXPECT_EQ(report.GetBudget(other, true), 0);

    // A total of 0 makes nothing small: no "Other", and the empty row stays.
    Add(checking, Day(2027, 3, 6), 100000, "Refund");
    Report(report::kByPayee, true);
    EXPECT_EQ(report.GetTotal(), 0);
    EXPECT_EQ(FindRow(report, "Other"), nullptr);
    EXPECT_NE(FindRow(report, "Nothing"), nullptr);
}

TEST_F(ReportBuild, TransfersLeftOutOfExpensesOnAllAccountsOnly) {
    CCVAccount& checking = AddAccount("Checking");
    CCVAccount& savings = AddAccount("Savings");
    const RecordKey dining = Category("Dining");
    Add(checking, Day(2027, 3, 2), -5000, "Bistro", dining);
    AddTransfer(checking, savings, Day(2027, 3, 3), 30000);
    // A split with a line to savings, entered with its twin.
    auto split = std::make_unique<CTransaction>();
    split->SetDate(Day(2027, 3, 4));
    split->SetAmount(10000);
    split->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeWithdrawal));
    split->SetCategoryId(CTransaction::SplitCategoryId());
    CSplitLine line;
    line.SetCategoryId(dining);
    line.SetAmount(6000);
    split->SetSplit(0, line);
    line.SetCategoryId(savings.GetAccountId());
    line.SetAmount(4000);
    split->SetSplit(1, line);
    ASSERT_EQ(list.AddTransactionWithTwins(checking, std::move(split)), 0);

    // All accounts: both sides of a transfer would cancel out, so they are left out.
    EXPECT_EQ(Rows(Report(report::kByCategory, false, report::kExpenses)),
              (RowList{{"Dining", -11000}}));
    EXPECT_EQ(report.GetTotal(), -11000);

    // One account: the money that left it for savings is an expense of it.
    report.SetAccount(&checking);
    EXPECT_EQ(Rows(Report(report::kByCategory, false, report::kExpenses)),
              (RowList{{"Dining", -11000}, {"[Savings]", -34000}}));
    EXPECT_EQ(report.GetTotal(), -45000);

    // Without a direction all accounts show both sides.
    report.SetAccount(nullptr);
    EXPECT_EQ(Rows(Report(report::kByCategory, false, report::kAllAmounts)),
              (RowList{{"Dining", -11000}, {"[Checking]", 34000}, {"[Savings]", -34000}}));
}

TEST_F(ReportBuild, CategoryTotalsFollowTheirSubCategories) {
    CCVAccount& checking = AddAccount("Checking");
    Add(checking, Day(2027, 3, 1), -500, "", Category("Auto"));
    Add(checking, Day(2027, 3, 2), -3000, "", Category("Auto:Fuel"));
    CTransaction& insurance = Add(checking, Day(2027, 3, 3), -2000, "", Category("Auto:Insurance"));
    Add(checking, Day(2027, 3, 4), -10000, "", Category("Travel:Air"));

    Report(report::kByCategory);
    EXPECT_EQ(Rows(report), (RowList{{"Auto", -500},
                                     {"Auto:Fuel", -3000},
                                     {"Auto:Insurance", -2000},
                                     {"Total Auto", -5500},
                                     {"Travel", 0},
                                     {"Travel:Air", -10000},
                                     {"Total Travel", -10000}}));
    const CCVReportItem& total = *FindRow(report, "Total Auto");
    EXPECT_TRUE(total.IsTotalRow());
    EXPECT_TRUE(total.GetKey()->IsNull());
    EXPECT_EQ(total.TransactionCount(), 3u);
    EXPECT_EQ(total.TransactionAt(2), &insurance);
    EXPECT_EQ(report.GetTotal(), -15500);

    // Every category is listed with ShowEmpty, each with its total.
    Report(report::kByCategory, true);
    EXPECT_EQ(report.Count(), list.GetCategories().Count() + 3 /*totals*/ + 1 /*unassigned*/);
    EXPECT_NE(FindRow(report, "Total Utilities"), nullptr);

    // Neither a chart nor a budget has totals.
    report.SetReportOptions(true, report::kAllAmounts);
    Report(report::kByCategory);
    EXPECT_EQ(FindRow(report, "Total Auto"), nullptr);
}

TEST_F(ReportBuild, AForeignAccountCountsInTheHomeCurrency) {
    CCVAccount& euros = AddAccount("Euros", 3);
    list.GetCurrencies().FindByNumber(3)->SetRate(2.0);
    CCVAccount& pounds = AddAccount("Pounds", 2);
    list.GetCurrencies().FindByNumber(2)->SetRate(0.7);
    const RecordKey dining = Category("Dining");
    Add(euros, Day(2027, 3, 1), -1000, "Bistro", dining);
    // 33.35 pounds are 23.345, cut to 23.34, twice; the whole 66.70 are 46.69. That cent comes
    // from rounding, not from money without a category, so it makes no "<Unassigned>" row.
    AddSplit(pounds, Day(2027, 3, 2), -6670, {{dining, -3335}, {Category("Groceries"), -3335}});

    EXPECT_EQ(Rows(Report(report::kByCategory)),
              (RowList{{"Dining", -2000 - 2334}, {"Groceries", -2334}}));
    EXPECT_EQ(report.GetTotal(), -2000 - 4668);
    // A currency missing from the list leaves the amount as it is.
    CCVAccount& unknown = AddAccount("Unknown", 99);
    Add(unknown, Day(2027, 3, 3), -700, "Bistro", dining);
    EXPECT_EQ(FindRow(Report(report::kByCategory), "Dining")->GetAmount(), -2000 - 2334 - 700);
}

TEST_F(ReportBuild, OnlyTransactionsOfThePeriodThatAreNotVoid) {
    CCVAccount& checking = AddAccount("Checking");
    Add(checking, Day(2027, 2, 28, 23, 59, 59), -1, "Before");
    Add(checking, Day(2027, 3, 1, 0, 0, 0), -2, "First");
    Add(checking, Day(2027, 3, 31, 23, 59, 59), -4, "Last");
    Add(checking, Day(2027, 4, 1, 0, 0, 0), -8, "After");
    Add(checking, Day(2027, 3, 10, 12, 0, 0), -16, "Void").SetState(CTransaction::kVoid);
    EXPECT_EQ(Rows(Report(report::kByPayee)), (RowList{{"First", -2}, {"Last", -4}}));
}

TEST_F(ReportBuild, PayeeRowsByNameWithoutRegardToCase) {
    CCVAccount& checking = AddAccount("Checking");
    // A payee list file written elsewhere, not in name order.
    list.GetPayees().Append(new CCVPayeeItem("Zoo"));
    list.GetPayees().Append(new CCVPayeeItem("alpha"));
    list.GetPayees().Append(new CCVPayeeItem("Beta"));
    Add(checking, Day(2027, 3, 1), -100, "ALPHA");
    Add(checking, Day(2027, 3, 2), -200, "Mid");  // in no list: a row of its own
    Add(checking, Day(2027, 3, 3), -300, "");
    Add(checking, Day(2027, 3, 4), -400, "zoo");
    Add(checking, Day(2027, 3, 5), -500, "");
    Add(checking, Day(2027, 3, 6), -600, "mid");
    EXPECT_EQ(
        Rows(Report(report::kByPayee, true)),
        (RowList{
            {"alpha", -100}, {"Beta", 0}, {"Mid", -800}, {"Zoo", -400}, {"<Unassigned>", -800}}));
    EXPECT_TRUE(report.At(4)->IsUnassigned());
}

TEST_F(ReportBuild, ClassRowsAndClassesNoLongerListed) {
    CCVAccount& checking = AddAccount("Checking");
    const RecordKey business = ClassKey("Business");
    const RecordKey travel = ClassKey("Travel");
    Add(checking, Day(2027, 3, 1), -100, "", {}, business);
    Add(checking, Day(2027, 3, 2), -200, "", {}, travel);
    Add(checking, Day(2027, 3, 3), -400, "", {}, {});
    CTransaction& split = AddSplit(checking, Day(2027, 3, 4), -1000, {{{}, -600}, {{}, -300}});
    CSplitLine line = split.GetSplit(0);
    line.SetClassId(travel);
    split.SetSplit(0, line);
    // A class deleted since counts as none.
    CTransaction& orphan = Add(checking, Day(2027, 3, 5), -800, "", {}, ClassKey("Gone"));
    list.GetClasses().DeleteClass(list.GetClasses().IndexOfKey(orphan.GetClassId()));

    EXPECT_EQ(Rows(Report(report::kByClass, true)), (RowList{{"Business", -100},
                                                             {"Personal", 0},
                                                             {"Travel", -800},
                                                             {"<Unassigned>", -400 - 400 - 800}}));
}

TEST_F(ReportBuild, AnEmptyListGivesThePrefilledRowsAndAGoneAccountAnError) {
    Report(report::kByClass, true);
    EXPECT_EQ(Rows(report), (RowList{{"Business", 0}, {"Personal", 0}, {"<Unassigned>", 0}}));
    Report(report::kByClass, false);
    EXPECT_EQ(report.Count(), 0u);

    CCVAccount& checking = AddAccount("Checking");
    Add(checking, Day(2027, 3, 1), -100, "Shop");
    report.SetAccount(&checking);
    Report(report::kByPayee);
    EXPECT_EQ(report.Count(), 1u);
    std::unique_ptr<CCVAccount> removed = list.RemoveAccount(&checking);
    EXPECT_EQ(report.Build(), CCVReportList::kAccountGone);
    EXPECT_EQ(report.Count(), 0u);
}

TEST_F(ReportBuild, SettingsOutOfRangeAreRefusedAndPeriodsTakeTodaysDates) {
    EXPECT_EQ(report.ApplySettings({.by = report::kByCount}), 1);
    EXPECT_EQ(report.ApplySettings({.direction = report::kDirectionCount}), 1);
    EXPECT_EQ(report.SetReportOptions(false, report::kDirectionCount), 1);
    EXPECT_EQ(report.ApplySettings(report::kByClass, report::kCustom, true), 1);  // no dates

    // Dates stored on an earlier day: a custom period keeps them, the others take today's.
    CReportSettings settings{
        .period = report::kCustom, .startDate = Day(2020, 1, 1), .endDate = Day(2020, 2, 1)};
    ASSERT_EQ(report.ApplySettings(settings), 0);
    EXPECT_EQ(report.GetStartDate(), Day(2020, 1, 1));
    settings.period = report::kThisYear;
    ASSERT_EQ(report.ApplySettings(settings), 0);
    EXPECT_EQ(report.GetStartDate(), Day(2027, 1, 1));
}

}  // namespace
