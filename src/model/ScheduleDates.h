#pragma once

#include <cstdint>

#include "resources/StringIds.h"
#include "storage/DateTime.h"

// The date rules of scheduled transactions: the step from one occurrence to the next, and the
// horizon of the upcoming-transactions list.

// The next date of a series that has ended (all bits set). No occurrence ever falls on it.
constexpr DateTime kScheduleEnded = 0xFFFFFFFF;

// How often a scheduled transaction repeats; the order of the schedule screen's list.
enum ScheduleFrequency : std::uint8_t {
    kFrequencyOnce = 0,
    kFrequencyWeekly = 1,
    kFrequencyTwoWeeks = 2,
    kFrequencyTwiceAMonth = 3,
    kFrequencyFourWeeks = 4,
    kFrequencyMonthly = 5,
    kFrequencyTwoMonths = 6,
    kFrequencyQuarterly = 7,
    kFrequencyTwiceAYear = 8,
    kFrequencyAnnually = 9,
    kFrequencyCount = 10,
};

// The upcoming list's "Through" periods, in the order of its list.
enum ThroughPeriod : int {
    kThroughDue = 0,
    kThroughOneWeek = 1,
    kThroughTwoWeeks = 2,
    kThroughThreeWeeks = 3,
    kThroughOneMonth = 4,
    kThroughTwoMonths = 5,
    kThroughThreeMonths = 6,
    kThroughSixMonths = 7,
    kThroughOneYear = 8,
    kThroughCount = 9,
};

// The name in the frequency list; IDS_NONE outside 0-9.
res::StringId FrequencyNameId(int frequency);
// The name in the "Through" list; IDS_NONE outside 0-8.
res::StringId ThroughNameId(int period);

// The occurrence after `date`:
//   Once, or an unknown frequency       kScheduleEnded
//   Weekly, every two or four weeks     + 7, 14 or 28 days
//   Twice a month                       see NextTwiceAMonth
//   Monthly to annually                 AddMonthsAnchored by 1, 2, 3, 6 or 12 months
// The anchor is the series' next date at the time of asking. `date` kScheduleEnded, and any step
// past the last representable moment, give kScheduleEnded, so a series never wraps round to 1904.
DateTime GetNextOccurrence(DateTime date, int frequency, DateTime anchor);

// `months` months after `date`, at its time of day, on the anchor's day; the new month's last day
// when the anchor's day does not exist in it or is the last day of the anchor's own month.
// (Anchor January 31: February 28 or 29, then March 31; anchor January 30: February 28, then
// March 30.)
DateTime AddMonthsAnchored(DateTime date, int months, DateTime anchor);

// Twice a month, with c the day of `date` and d the day of the anchor. When c - 4 < d < c + 4,
// `date` is its month's first occurrence and the second follows: the month's last day for d = 15,
// otherwise 15 days later (14 in a February of 28 days for d = 14, 16 in a month of 31 days for
// d = 16). Otherwise `date` is the second occurrence and the next month's first follows (the same
// month while c < 16): day d, or the month's last day when d does not exist in it. The time of day
// stays. (Anchor on the 1st: 1st, 16th, 1st; anchor on the 15th: 15th, last day, 15th.)
DateTime NextTwiceAMonth(DateTime date, DateTime anchor);

// The upcoming list's horizon: "Due" is the end of today (every occurrence due today, as AnyDue
// counts them); the others the start of today plus the period (months as in the same day
// number of the later month, cut to its last day; "1 Year" is 365 days). An unknown period gives
// the start of today. Always earlier than kScheduleEnded.
DateTime GetThroughDate(int period);
