#include "model/ScheduleDates.h"

#include <algorithm>

#include "resources/StringTable.h"

namespace {

constexpr std::uint64_t kLastOccurrence = kScheduleEnded - 1;
constexpr int kMonthsPerYear = 12;
constexpr int kFebruary = 2;
constexpr int kShortFebruary = 28;
constexpr int kLongMonth = 31;

// Twice a month: the anchor's day lies within this many days of the first occurrence's day.
constexpr int kFirstOccurrenceReach = 4;
// The anchor day whose second occurrence is the month's last day.
constexpr int kMidMonthDay = 15;
// From this day on, a second occurrence is followed by the next month's first.
constexpr int kSecondHalfStart = 16;
constexpr int kFourteenth = 14;
constexpr int kSixteenth = 16;
constexpr std::uint32_t kFifteenDays = 15 * kSecondsPerDay;
constexpr std::uint32_t kFourteenDays = 14 * kSecondsPerDay;
constexpr std::uint32_t kSixteenDays = 16 * kSecondsPerDay;

constexpr std::uint32_t kOneWeek = 7 * kSecondsPerDay;
constexpr std::uint32_t kTwoWeeks = 14 * kSecondsPerDay;
constexpr std::uint32_t kThreeWeeks = 21 * kSecondsPerDay;
constexpr std::uint32_t kFourWeeks = 28 * kSecondsPerDay;
constexpr std::uint32_t kOneYearOfDays = 365 * kSecondsPerDay;

// A step of `seconds`; past the last representable moment the series ends.
DateTime AddSeconds(DateTime date, std::uint32_t seconds) {
    const std::uint64_t next = std::uint64_t{date} + seconds;
    return next > kLastOccurrence ? kScheduleEnded : static_cast<DateTime>(next);
}

// The parts moved `months` months on; the day is left to the caller.
void MoveMonths(DateParts& parts, int months) {
    const int index = parts.month - 1 + months;
    parts.year = static_cast<std::uint16_t>(parts.year + index / kMonthsPerYear);
    parts.month = static_cast<std::uint16_t>(index % kMonthsPerYear + 1);
}

// A date from parts, or the end when the parts lie past the last representable moment.
DateTime ToOccurrence(const DateParts& parts, DateTime after) {
    const DateTime date = PartsToDate(parts);
    return (date > kLastOccurrence || date <= after) ? kScheduleEnded : date;
}

int MonthsOf(int frequency) {
    switch (frequency) {
        case kFrequencyMonthly:
            return 1;
        case kFrequencyTwoMonths:
            return 2;
        case kFrequencyQuarterly:
            return 3;
        case kFrequencyTwiceAYear:
            return 6;
        case kFrequencyAnnually:
            return 12;
        default:
            return 0;
    }
}

}  // namespace

res::StringId FrequencyNameId(int frequency) {
    return res::NthStringId(res::IDS_FREQUENCY_ONCE, frequency, kFrequencyCount);
}

res::StringId ThroughNameId(int period) {
    return res::NthStringId(res::IDS_THROUGH_DUE, period, kThroughCount);
}

DateTime AddMonthsAnchored(DateTime date, int months, DateTime anchor) {
    if (date == kScheduleEnded) return kScheduleEnded;
    DateParts parts = DateToParts(date);
    const DateParts anchorParts = DateToParts(anchor);
    MoveMonths(parts, months);
    const int lastDay = DaysInMonth(parts.month, parts.year);
    const bool anchorOnLastDay =
        anchorParts.day == DaysInMonth(anchorParts.month, anchorParts.year);
    parts.day = (anchorParts.day > lastDay || anchorOnLastDay) ? static_cast<std::uint16_t>(lastDay)
                                                               : anchorParts.day;
    return ToOccurrence(parts, date);
}

DateTime NextTwiceAMonth(DateTime date, DateTime anchor) {
    if (date == kScheduleEnded) return kScheduleEnded;
    DateParts parts = DateToParts(date);
    const int c = parts.day;
    const int d = DateToParts(anchor).day;
    const int monthLength = DaysInMonth(parts.month, parts.year);
    if (d > c - kFirstOccurrenceReach && d < c + kFirstOccurrenceReach) {
        if (d == kMidMonthDay) {
            parts.day = static_cast<std::uint16_t>(monthLength);
            return ToOccurrence(parts, date);
        }
        if (parts.month == kFebruary && d == kFourteenth && monthLength == kShortFebruary) {
            return AddSeconds(date, kFourteenDays);
        }
        if (d == kSixteenth && monthLength == kLongMonth) return AddSeconds(date, kSixteenDays);
        return AddSeconds(date, kFifteenDays);
    }
    if (c >= kSecondHalfStart) MoveMonths(parts, 1);
    parts.day = static_cast<std::uint16_t>(std::min(d, DaysInMonth(parts.month, parts.year)));
    return ToOccurrence(parts, date);
}

DateTime GetNextOccurrence(DateTime date, int frequency, DateTime anchor) {
    if (date == kScheduleEnded) return kScheduleEnded;
    switch (frequency) {
        case kFrequencyWeekly:
            return AddSeconds(date, kOneWeek);
        case kFrequencyTwoWeeks:
            return AddSeconds(date, kTwoWeeks);
        case kFrequencyTwiceAMonth:
            return NextTwiceAMonth(date, anchor);
        case kFrequencyFourWeeks:
            return AddSeconds(date, kFourWeeks);
        default:
            break;
    }
    const int months = MonthsOf(frequency);
    return months == 0 ? kScheduleEnded : AddMonthsAnchored(date, months, anchor);
}

DateTime GetThroughDate(int period) {
    const DateTime start = Today(kDayStart);
    std::uint64_t horizon = start;
    const auto months = [&](int count) {
        DateParts parts = DateToParts(start);
        MoveMonths(parts, count);
        return PartsToDate(parts);  // a day the month lacks becomes its last day
    };
    switch (period) {
        case kThroughDue:
            // What is due today is listed, whatever its time: the start-up question counts the
            // occurrences by the end of today, and "Due" must show the ones it announced.
            horizon = Today(kDayEnd);
            break;
        case kThroughOneWeek:
            horizon += kOneWeek;
            break;
        case kThroughTwoWeeks:
            horizon += kTwoWeeks;
            break;
        case kThroughThreeWeeks:
            horizon += kThreeWeeks;
            break;
        case kThroughOneMonth:
            horizon = months(1);
            break;
        case kThroughTwoMonths:
            horizon = months(2);
            break;
        case kThroughThreeMonths:
            horizon = months(3);
            break;
        case kThroughSixMonths:
            horizon = months(6);
            break;
        case kThroughOneYear:
            horizon += kOneYearOfDays;
            break;
        default:
            break;
    }
    return static_cast<DateTime>(std::min(horizon, kLastOccurrence));
}
