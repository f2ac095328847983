// The date rules of scheduled transactions on chosen days: month steps from month ends, twice a
// month around February, the end of a series, and the upcoming list's horizons.
#include <gtest/gtest.h>

#include <vector>

#include "ScheduleDay.h"
#include "model/ScheduleDates.h"
#include "platform/sys/Clock.h"

namespace {

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
    EXPECT_EQ(Listed(Day(2028, 1, 31, 9, 30), kFrequencyMonthly, 4),
              (std::vector<DateTime>{Day(2028, 1, 31, 9, 30), Day(2028, 2, 29, 9, 30),
                                     Day(2028, 3, 31, 9, 30), Day(2028, 4, 30, 9, 30)}));
    EXPECT_EQ(Listed(Day(2027, 1, 31), kFrequencyMonthly, 3)[1], Day(2027, 2, 28));
    // Anchored on the 30th: listing keeps the 30th, entering moves the anchor to February's
    // last day, which then stands for every month's last day.
    EXPECT_EQ(Listed(Day(2027, 1, 30), kFrequencyMonthly, 3),
              (std::vector<DateTime>{Day(2027, 1, 30), Day(2027, 2, 28), Day(2027, 3, 30)}));
    EXPECT_EQ(Entered(Day(2027, 1, 30), kFrequencyMonthly, 3),
              (std::vector<DateTime>{Day(2027, 1, 30), Day(2027, 2, 28), Day(2027, 3, 31)}));
    // Steps of several months carry into the next year.
    EXPECT_EQ(GetNextOccurrence(Day(2027, 11, 30), kFrequencyQuarterly, Day(2027, 11, 30)),
              Day(2028, 2, 29));
    EXPECT_EQ(GetNextOccurrence(Day(2027, 12, 15), kFrequencyTwoMonths, Day(2027, 12, 15)),
              Day(2028, 2, 15));
    EXPECT_EQ(GetNextOccurrence(Day(2027, 8, 31), kFrequencyTwiceAYear, Day(2027, 8, 31)),
              Day(2028, 2, 29));
    // February 29 is its month's last day: a year on, February 28.
    EXPECT_EQ(Entered(Day(2028, 2, 29), kFrequencyAnnually, 2)[1], Day(2029, 2, 28));
}

TEST(ScheduleDates, TwiceAMonthAroundFebruary) {
    EXPECT_EQ(Listed(Day(2027, 1, 1, 8), kFrequencyTwiceAMonth, 5),
              (std::vector<DateTime>{Day(2027, 1, 1, 8), Day(2027, 1, 16, 8), Day(2027, 2, 1, 8),
                                     Day(2027, 2, 16, 8), Day(2027, 3, 1, 8)}));
    // The 15th: the 15th and the month's last day.
    EXPECT_EQ(Listed(Day(2028, 1, 15), kFrequencyTwiceAMonth, 5),
              (std::vector<DateTime>{Day(2028, 1, 15), Day(2028, 1, 31), Day(2028, 2, 15),
                                     Day(2028, 2, 29), Day(2028, 3, 15)}));
    EXPECT_EQ(Listed(Day(2027, 2, 15), kFrequencyTwiceAMonth, 2)[1], Day(2027, 2, 28));
    // The 14th: 14 days on in a February of 28 days, 15 in one of 29.
    EXPECT_EQ(Listed(Day(2027, 2, 14), kFrequencyTwiceAMonth, 3),
              (std::vector<DateTime>{Day(2027, 2, 14), Day(2027, 2, 28), Day(2027, 3, 14)}));
    EXPECT_EQ(Listed(Day(2028, 2, 14), kFrequencyTwiceAMonth, 3),
              (std::vector<DateTime>{Day(2028, 2, 14), Day(2028, 2, 29), Day(2028, 3, 14)}));
    // The 16th: 16 days on in a month of 31 days, 15 otherwise.
    EXPECT_EQ(Listed(Day(2027, 1, 16), kFrequencyTwiceAMonth, 5),
              (std::vector<DateTime>{Day(2027, 1, 16), Day(2027, 2, 1), Day(2027, 2, 16),
                                     Day(2027, 3, 3), Day(2027, 3, 16)}));
    // The 30th: the second occurrence is cut to February's last day.
    EXPECT_EQ(Listed(Day(2027, 1, 30), kFrequencyTwiceAMonth, 3)[2], Day(2027, 2, 28));
}

TEST(ScheduleDates, FourWeeksOnceAndTheEndOfASeries) {
    const DateTime start = Day(2027, 3, 10, 9);
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyFourWeeks, start), Day(2027, 4, 7, 9));
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyOnce, start), kScheduleEnded);
    EXPECT_EQ(GetNextOccurrence(start, kFrequencyCount, start), kScheduleEnded);
    // An ended series stays ended, and no step wraps round past the last representable moment.
    for (int frequency = 0; frequency < kFrequencyCount; ++frequency) {
        EXPECT_EQ(GetNextOccurrence(kScheduleEnded, frequency, start), kScheduleEnded);
        EXPECT_EQ(GetNextOccurrence(Day(2040, 2, 1), frequency, Day(2040, 1, 20)), kScheduleEnded)
            << frequency;
    }
}

TEST_F(ScheduleDatesToday, ThroughDatesFromTheStartOfToday) {
    SetToday(2028, 1, 31);
    // "Due" reaches the end of today: an occurrence due this afternoon is listed, as the start-up
    // question that leads to the list counts it.
    EXPECT_EQ(GetThroughDate(kThroughDue), Day(2028, 1, 31, 23, 59, 59));
    EXPECT_EQ(GetThroughDate(kThroughOneWeek), Day(2028, 2, 7));
    EXPECT_EQ(GetThroughDate(kThroughOneMonth), Day(2028, 2, 29));
    EXPECT_EQ(GetThroughDate(kThroughThreeMonths), Day(2028, 4, 30));
    EXPECT_EQ(GetThroughDate(kThroughOneYear), Day(2029, 1, 30));  // 365 days in a leap year
    EXPECT_EQ(GetThroughDate(kThroughCount), Day(2028, 1, 31));
    SetToday(2027, 12, 31);
    EXPECT_EQ(GetThroughDate(kThroughOneMonth), Day(2028, 1, 31));
    EXPECT_EQ(GetThroughDate(kThroughTwoMonths), Day(2028, 2, 29));
    EXPECT_EQ(GetThroughDate(kThroughSixMonths), Day(2028, 6, 30));
    // Near the last representable moment the horizon stays short of the end marker.
    SetToday(2039, 12, 1);
    EXPECT_LT(GetThroughDate(kThroughOneYear), kScheduleEnded);
    EXPECT_LT(GetThroughDate(kThroughSixMonths), kScheduleEnded);
}

}  // namespace
