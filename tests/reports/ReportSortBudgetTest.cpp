// Sorting the rows by each key, and budgets: period factors, the budget screen's rows and
// differences, setting budgets on every kind of row, and the budget total.
#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "model/CCVPayeeItem.h"
#include "model/ScheduleDay.h"

namespace {

using report_fixture::FindRow;

std::vector<std::string> Names(const CCVReportList& report) {
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < report.Count(); ++i) names.push_back(report.At(i)->Name());
    return names;
}

using NameList = std::vector<std::string>;

class ReportSort : public report_fixture::ReportTest {
  protected:
    ReportSort() {
        CCVAccount& checking = AddAccount("Checking");
        Add(checking, Day(2027, 3, 1), -30000, "apple");
        Add(checking, Day(2027, 3, 2), -10000, "Banana");
        Add(checking, Day(2027, 3, 3), 20000, "Cherry");
        list.GetPayees().AddPayee(new CCVPayeeItem("apple"));
        list.GetPayees().AddPayee(new CCVPayeeItem("Banana"));
        list.GetPayees().SetBudgetByName("apple", 10000);
        list.GetPayees().SetBudgetByName("Banana", 50000);
        Report(report::kByPayee);
    }
};

TEST_F(ReportSort, EachKeyInBothDirections) {
    constexpr int kDescending = 0;
    struct Step {
        int key;
        int direction;
        NameList names;
    };
    // Budgets 100.00, 500.00 and none; differences -400.00, -600.00 and 200.00. Payee rows have
    // no icon: all equal, so the order before stays.
    const Step steps[] = {
        {CCVReportList::kSortName, CCVReportList::kSortAscending, {"Banana", "Cherry", "apple"}},
        {CCVReportList::kSortName, kDescending, {"apple", "Cherry", "Banana"}},
        {CCVReportList::kSortAmount, CCVReportList::kSortAscending, {"apple", "Banana", "Cherry"}},
        {CCVReportList::kSortAmount, kDescending, {"Cherry", "Banana", "apple"}},
        {CCVReportList::kSortBudget, CCVReportList::kSortAscending, {"Cherry", "apple", "Banana"}},
        {CCVReportList::kSortDifference,
         CCVReportList::kSortAscending,
         {"Banana", "apple", "Cherry"}},
        {CCVReportList::kSortDifference, kDescending, {"Cherry", "apple", "Banana"}},
        {CCVReportList::kSortIcon, CCVReportList::kSortAscending, {"Cherry", "apple", "Banana"}},
    };
    for (const Step& step : steps) {
        ASSERT_EQ(report.SortRows(step.key, step.direction), 0);
        EXPECT_EQ(Names(report), step.names) << step.key << " " << step.direction;
    }
    for (const int unknown : {19, 25, -1}) {
        EXPECT_EQ(report.SortRows(unknown, CCVReportList::kSortAscending), 1);
        EXPECT_EQ(Names(report), (NameList{"Cherry", "apple", "Banana"}));
    }
}

TEST_F(ReportSort, CategoriesByIconAndByTheirListOrder) {
    CCVAccount& checking = *list.At(0);
    Add(checking, Day(2027, 3, 4), -100, "", Category("Dining"));     // icon 54: 53 & 17 = 17
    Add(checking, Day(2027, 3, 5), -300, "", Category("Groceries"));  // icon 44: 43 & 17 = 1
    Add(checking, Day(2027, 3, 6), 200, "", Category("Salary"));      // icon 27: 26 & 17 = 16
    Report(report::kByCategory);  // the payee rows' transactions go to "<Unassigned>" (icon 0: 17)
    const NameList listOrder{"Dining", "Groceries", "Salary", "<Unassigned>"};
    ASSERT_EQ(Names(report), listOrder);

    ASSERT_EQ(report.SortRows(CCVReportList::kSortIcon, CCVReportList::kSortAscending), 0);
    EXPECT_EQ(Names(report), (NameList{"Dining", "<Unassigned>", "Salary", "Groceries"}));
    ASSERT_EQ(report.SortRows(CCVReportList::kSortIcon, 0), 0);
    EXPECT_EQ(Names(report), (NameList{"Groceries", "Salary", "Dining", "<Unassigned>"}));

    // By name the categories keep the list's order: the report is built again.
    ASSERT_EQ(report.SortRows(CCVReportList::kSortAmount, CCVReportList::kSortAscending), 0);
    ASSERT_EQ(report.SortRows(CCVReportList::kSortName, CCVReportList::kSortAscending), 0);
    EXPECT_EQ(Names(report), listOrder);
    ASSERT_EQ(report.SortRows(CCVReportList::kSortName, 0), 0);
    EXPECT_EQ(Names(report), (NameList{"<Unassigned>", "Salary", "Groceries", "Dining"}));
}

class Budget : public report_fixture::ReportTest {
  protected:
    Budget() { checking = &AddAccount("Checking"); }

    CCVReportList& BudgetReport(int by, int period, bool showEmpty = false) {
        report.SetBudgetMode();
        EXPECT_EQ(report.ApplySettings(by, period, showEmpty), 0);
        EXPECT_EQ(report.Build(), 0);
        return report;
    }

    CCVAccount* checking = nullptr;
};

TEST_F(Budget, MonthlyAmountsScaledByThePeriod) {
    const RecordKey dining = Category("Dining");
    list.GetCategories().SetBudget(dining, 20000);
    BudgetReport(report::kByCategory, report::kThisQuarter);
    const CCVReportItem* row = FindRow(report, "Dining");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(report.GetBudget(*row, false), 20000);
    EXPECT_EQ(report.GetBudget(*row, true), 60000);
    BudgetReport(report::kByCategory, report::kLast90Days);
    EXPECT_EQ(report.GetBudget(*FindRow(report, "Dining"), true), 20000);
    BudgetReport(report::kByCategory, report::kThisYear);
    EXPECT_EQ(report.GetBudget(*FindRow(report, "Dining"), true), 240000);
    EXPECT_EQ(report.GetBudgetTotal(), 240000);
}

TEST_F(Budget, RowsWithABudgetStayAndShowTheirDifference) {
    const RecordKey dining = Category("Dining");
    const RecordKey groceries = Category("Groceries");
    list.GetCategories().SetBudget(dining, 20000);
    list.GetCategories().SetBudget(groceries, -20000);  // entered with the sign of spending
    Add(*checking, Day(2027, 3, 2), -25000, "", groceries);
    // Budget mode neither groups nor filters, whatever was set before.
    report.SetReportOptions(true, report::kIncomes);
    BudgetReport(report::kByCategory, report::kThisMonth);
    EXPECT_FALSE(report.GetGroupSmall());
    EXPECT_EQ(report.GetDirection(), report::kAllAmounts);

    // The unused category stays with ShowEmpty off; the others without budget go.
    ASSERT_EQ(Names(report), (NameList{"Dining", "Groceries"}));
    const CCVReportItem& unused = *report.At(0);
    EXPECT_EQ(unused.GetAmount(), 0);
    EXPECT_EQ(unused.GetAmount() - report.GetBudget(unused, true), -20000);
    const CCVReportItem& spent = *report.At(1);
    EXPECT_EQ(spent.GetAmount() - report.GetBudget(spent, true), -5000);
    list.GetCategories().SetBudget(groceries, 20000);
    EXPECT_EQ(spent.GetAmount() - report.GetBudget(spent, true), -45000);
}

TEST_F(Budget, SettingABudgetOnEachKindOfRow) {
    // A payee whose transactions remain after it left the payee list is made again.
    Add(*checking, Day(2027, 3, 1), -5000, "Landlord");
    Add(*checking, Day(2027, 3, 2), -100, "");
    BudgetReport(report::kByPayee, report::kThisMonth);
    const CCVReportItem& landlord = *FindRow(report, "Landlord");
    EXPECT_TRUE(report.CanSetBudget(landlord));
    EXPECT_EQ(report.GetBudget(landlord, false), 0);
    EXPECT_EQ(report.GetBudgetTotal(), 0);
    ASSERT_EQ(report.SetBudget(landlord, 80000), 0);
    ASSERT_NE(list.GetPayees().FindPayee("Landlord"), nullptr);
    EXPECT_EQ(list.GetPayees().FindPayee("Landlord")->GetBudget(), 80000);
    EXPECT_EQ(report.GetBudget(landlord, false), 80000);
    EXPECT_EQ(report.GetBudgetTotal(), 80000);
    // Payees have no "<Unassigned>" budget: no payee of that name is made.
    const CCVReportItem& nobody = *FindRow(report, "<Unassigned>");
    EXPECT_FALSE(report.CanSetBudget(nobody));
    EXPECT_EQ(report.SetBudget(nobody, 100), 1);
    EXPECT_EQ(list.GetPayees().FindPayee("<Unassigned>"), nullptr);

    // Categories: the list's own "<Unassigned>" budget notes its change, and counts in the total.
    CCVCategoryList& categories = list.GetCategories();
    categories.SetBudget(Category("Auto:Fuel"), 3000);
    categories.SetBudget(Category("Auto"), 1000);
    BudgetReport(report::kByCategory, report::kThisQuarter, true);
    EXPECT_EQ(report.GetBudgetTotal(), 3 * 4000);
    const CCVReportItem& unassigned = *FindRow(report, "<Unassigned>");
    EXPECT_TRUE(report.CanSetBudget(unassigned));
    ASSERT_EQ(report.SetBudget(unassigned, 0), 0);
    EXPECT_FALSE(categories.BudgetChanged());  // the same amount changes nothing
    ASSERT_EQ(report.SetBudget(unassigned, 2000), 0);
    EXPECT_TRUE(categories.BudgetChanged());
    EXPECT_EQ(categories.GetUnassignedBudget(), 2000);
    EXPECT_EQ(report.GetBudget(unassigned, true), 6000);
    EXPECT_EQ(report.GetBudgetTotal(), 3 * 6000);
    ASSERT_EQ(report.SetBudget(*FindRow(report, "Auto:Insurance"), 500), 0);
    EXPECT_EQ(categories.GetBudget(Category("Auto:Insurance")), 500);

    // A category total sums its category's budgets and has none of its own to set.
    Report(report::kByCategory, true);
    const CCVReportItem& total = *FindRow(report, "Total Auto");
    EXPECT_EQ(report.GetBudget(total, false), 1000 + 3000 + 500);
    EXPECT_FALSE(report.CanSetBudget(total));
    EXPECT_EQ(report.SetBudget(total, 1), 1);
    EXPECT_EQ(categories.GetUnassignedBudget(), 2000);

    // Classes, with the class list's "<Unassigned>".
    BudgetReport(report::kByClass, report::kThisMonth, true);
    ASSERT_EQ(report.SetBudget(*FindRow(report, "Business"), 7000), 0);
    ASSERT_EQ(report.SetBudget(*FindRow(report, "<Unassigned>"), 900), 0);
    EXPECT_EQ(list.GetClasses().GetBudget(ClassKey("Business")), 7000);
    EXPECT_EQ(list.GetClasses().GetBudget(RecordKey{}), 900);
    BudgetReport(report::kByClass, report::kThisMonth, false);
    EXPECT_EQ(Names(report), (NameList{"Business", "<Unassigned>"}));
    EXPECT_EQ(report.GetBudgetTotal(), 7900);
}

TEST_F(Budget, RowsWithoutABudgetOfTheirOwn) {
    CCVAccount& savings = AddAccount("Savings");
    AddTransfer(*checking, savings, Day(2027, 3, 1), 1000);
    Add(*checking, Day(2027, 3, 2), -1, "");
    report.SetAccount(checking);
    Report(report::kByCategory);
    const CCVReportItem& transfer = *FindRow(report, "[Savings]");
    EXPECT_EQ(report.GetBudget(transfer, true), 0);
    EXPECT_FALSE(report.CanSetBudget(transfer));
    EXPECT_EQ(report.SetBudget(transfer, 100), 1);

    report.SetAccount(nullptr);
    Add(*checking, Day(2027, 3, 3), -100000, "Rent");
    report.SetReportOptions(true, report::kAllAmounts);
    Report(report::kByPayee);
    const CCVReportItem* other = FindRow(report, "Other");
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(report.CanSetBudget(*other));
    EXPECT_EQ(report.SetBudget(*other, 100), 1);
    EXPECT_EQ(list.GetPayees().FindPayee("Other"), nullptr);
    // A copy of a row keeps what it stands for.
    const auto copy = report.CopyRow(report.IndexOf(other));
    EXPECT_EQ(copy->GetRole(), CCVReportItem::kOtherRow);
    EXPECT_EQ(report.SetBudget(*copy, 100), 1);
}

}  // namespace
