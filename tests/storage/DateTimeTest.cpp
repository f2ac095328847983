#include "storage/DateTime.h"

#include <gtest/gtest.h>

namespace {

DateParts Parts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    DateParts p;
    p.year = static_cast<std::uint16_t>(y);
    p.month = static_cast<std::uint16_t>(mo);
    p.day = static_cast<std::uint16_t>(d);
    p.hour = static_cast<std::uint16_t>(h);
    p.minute = static_cast<std::uint16_t>(mi);
    p.second = static_cast<std::uint16_t>(s);
    return p;
}

class TestNow {
public:
    explicit TestNow(int y, int mo, int d, int h, int mi, int s) {
        sys::SetTestTime(sys::MakeSystemTime(y, mo, d, h, mi, s));
    }
    ~TestNow() { sys::ClearTestTime(); }
};

TEST(DateTime, Epoch) {
    EXPECT_EQ(PartsToDate(Parts(1904, 1, 1)), 0u);
    EXPECT_EQ(DateToParts(86400), Parts(1904, 1, 2));
    EXPECT_EQ(DateToParts(0), Parts(1904, 1, 1));
    EXPECT_EQ(FileTimeToDate(DateToFileTime(123456789)), 123456789u);
    EXPECT_EQ(DateToFileTime(0), kDateEpoch);
    // 1904-01-01 is 303 years after 1601-01-01: 110667 days.
    EXPECT_EQ(kDateEpoch, 110667ull * 86400 * 10000000);
}

TEST(DateTime, LeapYears) {
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2004), 29);
    EXPECT_EQ(DaysInMonth(2, 2023), 28);
    EXPECT_EQ(DaysInMonth(4, 2023), 30);
    EXPECT_EQ(DaysInMonth(12, 2023), 31);
    EXPECT_EQ(DaysInMonth(13, 2023), 31);
    EXPECT_EQ(DaysInMonth(0, 2023), 31);

    // 1904 was a leap year: 1 March is day 60 after the epoch.
    EXPECT_EQ(PartsToDate(Parts(1904, 3, 1)), 60u * 86400);
    EXPECT_EQ(DateToParts(PartsToDate(Parts(2024, 2, 29, 12, 0, 1))), Parts(2024, 2, 29, 12, 0, 1));
    EXPECT_EQ(PartsToDate(Parts(2024, 3, 1)) - PartsToDate(Parts(2024, 2, 28)), 2u * 86400);
    EXPECT_EQ(PartsToDate(Parts(2000, 3, 1)) - PartsToDate(Parts(2000, 2, 28)), 2u * 86400);
}

TEST(DateTime, RangeEnds) {
    // The last representable moment, and moments outside the range clamp rather than wrap.
    EXPECT_EQ(DateToParts(0xFFFFFFFFu), Parts(2040, 2, 6, 6, 28, 15));
    EXPECT_EQ(PartsToDate(Parts(2040, 2, 6, 6, 28, 15)), 0xFFFFFFFFu);
    EXPECT_EQ(PartsToDate(Parts(2040, 2, 6, 6, 28, 16)), 0xFFFFFFFFu);
    EXPECT_EQ(PartsToDate(Parts(2100, 1, 1)), 0xFFFFFFFFu);
    EXPECT_EQ(PartsToDate(Parts(1903, 12, 31, 23, 59, 59)), 0u);
    EXPECT_EQ(DayBoundary(0xFFFFFFFFu, kDayEnd), 0xFFFFFFFFu);
}

TEST(DateTime, OutOfRangePartsAreBroughtIntoRange) {
    EXPECT_EQ(PartsToDate(Parts(2023, 2, 31)), PartsToDate(Parts(2023, 2, 28)));
    EXPECT_EQ(PartsToDate(Parts(2024, 4, 31)), PartsToDate(Parts(2024, 4, 30)));
    EXPECT_EQ(PartsToDate(Parts(2024, 13, 1)), PartsToDate(Parts(2024, 12, 1)));
    EXPECT_EQ(PartsToDate(Parts(2024, 5, 0)), PartsToDate(Parts(2024, 5, 1)));
    EXPECT_EQ(PartsToDate(Parts(2024, 5, 1, 25, 61, 61)), PartsToDate(Parts(2024, 5, 1, 23, 59, 59)));
}

TEST(DateTime, DayBoundaries) {
    const DateTime noon = PartsToDate(Parts(2026, 12, 6, 12, 34, 56));
    EXPECT_EQ(DayBoundary(noon, kDayStart), PartsToDate(Parts(2026, 12, 6)));
    EXPECT_EQ(DayBoundary(noon, kDayEnd), PartsToDate(Parts(2026, 12, 6, 23, 59, 59)));
    EXPECT_EQ(DayBoundary(noon, kDayAsIs), noon);
    EXPECT_EQ(DayBoundary(noon, 7), noon);
    const DateTime midnight = PartsToDate(Parts(2026, 12, 6));
    EXPECT_EQ(DayBoundary(midnight, kDayEnd), PartsToDate(Parts(2026, 12, 6, 23, 59, 59)));
    EXPECT_EQ(DayBoundary(midnight - 1, kDayStart), PartsToDate(Parts(2026, 12, 5)));

    DateParts p = Parts(2026, 12, 6, 12, 34, 56);
    SetStartOfDay(p);
    EXPECT_EQ(p, Parts(2026, 12, 6));
    SetEndOfDay(p);
    EXPECT_EQ(p, Parts(2026, 12, 6, 23, 59, 59));
}

TEST(DateTime, NowTodayAndCurrentTime) {
    TestNow now(2026, 12, 6, 9, 15, 30);
    EXPECT_EQ(Now(), PartsToDate(Parts(2026, 12, 6, 9, 15, 30)));
    EXPECT_EQ(Today(0), Now());
    EXPECT_EQ(Today(kDayStart), PartsToDate(Parts(2026, 12, 6)));
    EXPECT_EQ(Today(kDayEnd), PartsToDate(Parts(2026, 12, 6, 23, 59, 59)));
    EXPECT_EQ(WithCurrentTime(PartsToDate(Parts(2020, 2, 29, 23, 0, 0))),
              PartsToDate(Parts(2020, 2, 29, 9, 15, 30)));
}

TEST(DateTime, PreviousMonth) {
    DateParts p = Parts(2026, 1, 31);
    PreviousMonth(p);
    EXPECT_EQ(p, Parts(2025, 12, 31));
    p = Parts(2026, 3, 31);
    PreviousMonth(p);
    EXPECT_EQ(p, Parts(2026, 2, 31));  // the day is left alone
    EXPECT_EQ(PartsToDate(p), PartsToDate(Parts(2026, 2, 28)));
}

TEST(DateTime, Quarters) {
    const struct {
        int month;
        int startMonth;
        int endMonth;
        int endDay;
    } current[] = {{1, 1, 3, 31}, {3, 1, 3, 31}, {4, 4, 6, 30}, {6, 4, 6, 30},
                   {7, 7, 9, 30}, {9, 7, 9, 30}, {10, 10, 12, 31}, {12, 10, 12, 31}};
    for (const auto& c : current) {
        DateParts start = Parts(2024, c.month, 15, 8, 30, 0);
        DateParts end = Parts(2000, 1, 1, 23, 59, 59);
        CurrentQuarter(start, end);
        EXPECT_EQ(start, Parts(2024, c.startMonth, 1, 8, 30, 0)) << c.month;
        EXPECT_EQ(end, Parts(2024, c.endMonth, c.endDay, 23, 59, 59)) << c.month;
    }

    DateParts start = Parts(2024, 2, 29);
    DateParts end;
    PreviousQuarter(start, end);
    EXPECT_EQ(start, Parts(2023, 10, 1));
    EXPECT_EQ(end, Parts(2023, 12, 31));
    start = Parts(2024, 5, 2);
    PreviousQuarter(start, end);
    EXPECT_EQ(start, Parts(2024, 1, 1));
    EXPECT_EQ(end, Parts(2024, 3, 31));
    start = Parts(2024, 12, 31);
    PreviousQuarter(start, end);
    EXPECT_EQ(start, Parts(2024, 7, 1));
    EXPECT_EQ(end, Parts(2024, 9, 30));

    // A month outside 1-12 changes nothing.
    start = Parts(2024, 13, 5);
    end = Parts(2024, 1, 1);
    CurrentQuarter(start, end);
    PreviousQuarter(start, end);
    EXPECT_EQ(start, Parts(2024, 13, 5));
    EXPECT_EQ(end, Parts(2024, 1, 1));
}

TEST(DateTime, FormatDate) {
    const DateTime date = PartsToDate(Parts(2007, 3, 5, 10, 0, 0));
    EXPECT_EQ(FormatDate(date, sys::kDateShortDate), L"03/05/07");
    EXPECT_EQ(FormatDateNarrow(date, sys::kDateShortDate), "03/05/07");
}

}  // namespace
