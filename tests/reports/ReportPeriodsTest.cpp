// The periods of a report on chosen days, their budget factors and names.
#include <gtest/gtest.h>

#include "model/ScheduleDay.h"
#include "platform/sys/Clock.h"
#include "reports/ReportChoices.h"
#include "resources/StringTable.h"

namespace {

struct Case {
    int year, month, day;  // today
    int period;
    DateTime start, end;
};

DateTime First(int year, int month, int day) {
    return Day(year, month, day);
}
DateTime Last(int year, int month, int day) {
    return Day(year, month, day, 23, 59, 59);
}

class ReportPeriods : public ::testing::Test {
  protected:
    ~ReportPeriods() override { sys::ClearTestTime(); }
};

TEST_F(ReportPeriods, EveryPeriodOnChosenDays) {
    using namespace report;
    const Case cases[] = {
        // March 15: last month is a February of 28 days.
        {2027, 3, 15, kLast30Days, First(2027, 2, 13), Last(2027, 3, 15)},
        {2027, 3, 15, kLast90Days, First(2026, 12, 15), Last(2027, 3, 15)},
        {2027, 3, 15, kLastMonth, First(2027, 2, 1), Last(2027, 2, 28)},
        {2027, 3, 15, kLastQuarter, First(2026, 10, 1), Last(2026, 12, 31)},
        {2027, 3, 15, kLastYear, First(2026, 1, 1), Last(2026, 12, 31)},
        {2027, 3, 15, kThisMonth, First(2027, 3, 1), Last(2027, 3, 31)},
        {2027, 3, 15, kThisQuarter, First(2027, 1, 1), Last(2027, 3, 31)},
        {2027, 3, 15, kThisYear, First(2027, 1, 1), Last(2027, 12, 31)},
        // In a leap year it has 29.
        {2028, 3, 15, kLastMonth, First(2028, 2, 1), Last(2028, 2, 29)},
        // January 5: last month and last quarter lie in the year before.
        {2027, 1, 5, kLastMonth, First(2026, 12, 1), Last(2026, 12, 31)},
        {2027, 1, 5, kLastQuarter, First(2026, 10, 1), Last(2026, 12, 31)},
        {2027, 1, 5, kLast30Days, First(2026, 12, 6), Last(2027, 1, 5)},
        // May 2.
        {2027, 5, 2, kLastQuarter, First(2027, 1, 1), Last(2027, 3, 31)},
        {2027, 5, 2, kThisQuarter, First(2027, 4, 1), Last(2027, 6, 30)},
        {2027, 5, 2, kLastMonth, First(2027, 4, 1), Last(2027, 4, 30)},
        // December 31.
        {2027, 12, 31, kThisQuarter, First(2027, 10, 1), Last(2027, 12, 31)},
        {2027, 12, 31, kThisMonth, First(2027, 12, 1), Last(2027, 12, 31)},
        {2027, 12, 31, kLastQuarter, First(2027, 7, 1), Last(2027, 9, 30)},
        {2027, 12, 31, kLast90Days, First(2027, 10, 2), Last(2027, 12, 31)},
        // February 29.
        {2028, 2, 29, kThisMonth, First(2028, 2, 1), Last(2028, 2, 29)},
        {2028, 2, 29, kLastMonth, First(2028, 1, 1), Last(2028, 1, 31)},
        {2028, 2, 29, kLastYear, First(2027, 1, 1), Last(2027, 12, 31)},
        {2028, 2, 29, kLast30Days, First(2028, 1, 30), Last(2028, 2, 29)},
        {2028, 2, 29, kThisQuarter, First(2028, 1, 1), Last(2028, 3, 31)},
    };
    for (const Case& c : cases) {
        sys::SetTestTime(sys::MakeSystemTime(c.year, c.month, c.day, 18, 45, 30));
        DateTime start = 0;
        DateTime end = 0;
        ASSERT_EQ(PeriodDates(c.period, start, end), 0);
        EXPECT_EQ(start, c.start) << c.year << "-" << c.month << "-" << c.day << " period "
                                  << c.period;
        EXPECT_EQ(end, c.end) << c.year << "-" << c.month << "-" << c.day << " period " << c.period;
    }
}

TEST_F(ReportPeriods, CustomAndUnknownPeriodsKeepTheDates) {
    sys::SetTestTime(sys::MakeSystemTime(2027, 3, 15, 10, 0, 0));
    for (const int period : {int{report::kCustom}, -1, 9, 200}) {
        DateTime start = 11;
        DateTime end = 22;
        EXPECT_EQ(report::PeriodDates(period, start, end), 1);
        EXPECT_EQ(start, 11u);
        EXPECT_EQ(end, 22u);
    }
}

TEST_F(ReportPeriods, BudgetFactorsAndNames) {
    const int factors[] = {1, 1, 1, 3, 12, 1, 3, 12, 1};
    for (int period = 0; period < report::kPeriodCount; ++period) {
        EXPECT_EQ(report::PeriodFactor(period), factors[period]) << period;
    }
    EXPECT_EQ(report::PeriodFactor(42), 1);
    EXPECT_EQ(res::LoadString(report::PeriodNameId(report::kCustom)), L"Custom");
    EXPECT_EQ(report::PeriodNameId(report::kPeriodCount), res::IDS_NONE);
}

}  // namespace
