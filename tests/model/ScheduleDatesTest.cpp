// The date rules of scheduled transactions on chosen days: month steps from month ends, twice a
// month around February, the end of a series, and the upcoming list's horizons.
#include <gtest/gtest.h>

#include <vector>

#include "model/ScheduleDates.h"
#include "platform/sys/Clock.h"

namespace {

DateTime Date(int year, int month, int day, int hour = 0, int minute = 0) {
    DateParts parts;
    parts.year = static_cast<std::uint16_t>(year);
    parts.month = static_cast<std::uint16_t>(month);
    parts.day = static_cast<std::uint16_t>(day);
    parts.hour = static_cast<std::uint16_t>(hour);
    parts.minute = static_cast<std::uint16_t>(minute);
    return PartsToDate(parts);
}

// `count` occurrences from `first`, listed as the upcoming list does: anchored on `first`.
std::vector<DateTime> Listed(DateTime first, int frequency, int count) {
    std::vector<DateTime> dates{first};
    while (static_cast<int>(dates.size()) < count) {
        dates.push_back(GetNextOccurrence(dates.back(), frequency, first));
    }
    return dates;
}

// The same occurrences as entering walks them: each anchored on the one before.
std::vector<DateTime> Entered(DateTime first, int frequency, int count) {
    std::vector<DateTime> dates{first};
    while (static_cast<int>(dates.size()) < count) {
        dates.push_back(GetNextOccurrence(dates.back(), frequency, dates.back()));
    }
    return dates;
}

class ScheduleDatesToday : public ::testing::Test {
  protected:
    ~ScheduleDatesToday() override { sys::ClearTestTime(); }
    static void SetToday(int year, int month, int day, int hour = 15) {
        sys::SetTestTime(sys::MakeSystemTime(year, month, day, hour, 20, 5));
    }
};

TEST(ScheduleDates, MonthStepsKeepTheAnchorDayAndMonthEnds) {
    // Anchored on the 31st, in a leap year and in another; the time of day stays.
    EXPECT_EQ(Listed(Date(2028, 1, 31, 9, 30), kFrequencyMonthly, 4),
              (std::vector<DateTime>{Date(2028, 1, 31, 9, 30), Date(2028, 2, 29, 9, 30),
                                     Date(2028, 3, 31, 9, 30), Date(2028, 4, 30, 9, 30)}));
    EXPECT_EQ(Listed(Date(2027, 1, 31), kFrequencyMonthly, 3)[1], Date(2027, 2, 28));
    // Anchored on the 30th: listing keeps the 30th, entering moves the anchor to February's
    // last day, which then stands for every month's last day.
    EXPECT_EQ(Listed(Date(2027, 1, 30), kFrequencyMonthly, 3),
              (std::vector<DateTime>{Date(2027, 1, 30), Date(2027, 2, 28), Date(2027, 3, 30)}));
    EXPECT_EQ(Entered(Date(2027, 1, 30), kFrequencyMonthly, 3),
              (std::vector<DateTime>{Date(2027, 1, 30), Date(2027, 2, 28), Date(2027, 3, 31)}));
    // Steps of several months carry into the next year.
    EXPECT_EQ(GetNextOccurrence(Date(2027, 11, 30), kFrequencyQuarterly, Date(2027, 11, 30)),
              Date(2028, 2, 29));
    EXPECT_EQ(GetNextOccurrence(Date(2027, 12, 15), kFrequencyTwoMonths, Date(2027, 12, 15)),
              Date(2028, 2, 15));
    EXPECT_EQ(GetNextOccurrence(Date(2027, 8, 31), kFrequencyTwiceAYear, Date(2027, 8, 31)),
              Date(2028, 2, 29));
    // February 29 is its month's last day: a year on, February 28.
    EXPECT_EQ(Entered(Date(2028, 2, 29), kFrequencyAnnually, 2)[1], Date(2029, 2, 28));
}

TEST(ScheduleDates, TwiceAMonthAroundFebruary) {
    EXPECT_EQ(Listed(Date(2027, 1, 1, 8), kFrequencyTwiceAMonth, 5),
              (std::vector<DateTime>{Date(2027, 1, 1, 8), Date(2027, 1, 16, 8), Date(2027, 2, 1, 8),
                                     Date(2027, 2, 16, 8), Date(2027, 3, 1, 8)}));
    // The 15th: the 15th and the month's last day.
    EXPECT_EQ(Listed(Date(2028, 1, 15), kFrequencyTwiceAMonth, 5),
              (std::vector<DateTime>{Date(2028, 1, 15), Date(2028, 1, 31), Date(2028, 2, 15),
                                     Date(2028, 2, 29), Date(2028, 3, 15)}));
    EXPECT_EQ(Listed(Date(2027, 2, 15), kFrequencyTwiceAMonth, 2)[1], Date(2027, 2, 28));
    // The 14th: 14 days on in a February of 28 days, 15 in one of 29.
    EXPECT_EQ(Listed(Date(2027, 2, 14), kFrequencyTwiceAMonth, 3),
              (std::vector<DateTime>{Date(2027, 2, 14), Date(2027, 2, 28), Date(2027, 3, 14)}));
    EXPECT_EQ(Listed(Date(2028, 2, 14), kFrequencyTwiceAMonth, 3),
              (std::vector<DateTime>{Date(2028, 2, 14), Date(2028, 2, 29), Date(2028, 3, 14)}));
    // The 16th: 16 days on in a month of 31 days, 15 otherwise.
    EXPECT_EQ(Listed(Date(2027, 1, 16), kFrequencyTwiceAMonth, 5),
              (std::vector<DateTime>{Date(2027, 1, 16), Date(2027, 2, 1), Date(2027, 2, 16),
                                     Date(2027, 3, 3), Date(2027, 3, 16)}));
    // The 30th: the second occurrence is cut to February's last day.
    EXPECT_EQ(Listed(Date(2027, 1, 30), kFrequencyTwiceAMonth, 3)[2], Date(2027, 2, 28));
}

TEST(ScheduleDates, FixedStepsAndTheEndOfASeries) {
    const DateTime start = Date(2027, 3, 10, 9);
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyWeekly, start), Date(2027, 3, 17, 9));
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyTwoWeeks, start), Date(2027, 3, 24, 9));
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyFourWeeks, start), Date(2027, 4, 7, 9));
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyOnce, start), kScheduleEnded);
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyCount, start), kScheduleEnded);
    // An ended series stays ended, and no step wraps round past the last representable moment.
    for (int frequency = 0; frequency < kFrequencyCount; ++frequency) {
        EXPECT_EQ(GetNextOccurrence(kScheduleEnded, frequency, start), kScheduleEnded);
        EXPECT_EQ(GetNextOccurrence(Date(2040, 2, 1), frequency, Date(2040, 1, 20)), kScheduleEnded)
            << frequency;
    }
}

TEST_F(ScheduleDatesToday, ThroughDatesFromTheStartOfToday) {
    SetToday(2028, 1, 31);
    EXPECT_EQ(GetThroughDate(kThroughDue), Date(2028, 1, 31));
    EXPECT_EQ(GetThroughDate(kThroughOneWeek), Date(2028, 2, 7));
    EXPECT_EQ(GetThroughDate(kThroughThreeWeeks), Date(2028, 2, 21));
    EXPECT_EQ(GetThroughDate(kThroughOneMonth), Date(2028, 2, 29));
    EXPECT_EQ(GetThroughDate(kThroughThreeMonths), Date(2028, 4, 30));
    EXPECT_EQ(GetThroughDate(kThroughOneYear), Date(2029, 1, 30));  // 365 days in a leap year
    EXPECT_EQ(GetThroughDate(-1), Date(2028, 1, 31));
    EXPECT_EQ(GetThroughDate(kThroughCount), Date(2028, 1, 31));
    SetToday(2027, 12, 31);
    EXPECT_EQ(GetThroughDate(kThroughOneMonth), Date(2028, 1, 31));
    EXPECT_EQ(GetThroughDate(kThroughTwoMonths), Date(2028, 2, 29));
    EXPECT_EQ(GetThroughDate(kThroughSixMonths), Date(2028, 6, 30));
    // Near the last representable moment the horizon stays short of the end marker.
    SetToday(2039, 12, 1);
    EXPECT_LT(GetThroughDate(kThroughOneYear), kScheduleEnded);
    EXPECT_LT(GetThroughDate(kThroughSixMonths), kScheduleEnded);
}

}  // namespace
