#include "reports/ReportChoices.h"

#include "resources/StringTable.h"

namespace report {
namespace {

constexpr DateTime kLast30DaysSpan = 30 * kSecondsPerDay;
constexpr DateTime kLast90DaysSpan = 90 * kSecondsPerDay;
constexpr int kQuarterFactor = 3;
constexpr int kYearFactor = 12;
constexpr std::uint16_t kFirstMonth = 1;
constexpr std::uint16_t kLastMonthOfYear = 12;
constexpr std::uint16_t kLastDayOfYear = 31;

DateTime DaysBefore(DateTime now, DateTime span) {
    return now > span ? now - span : 0;
}

void WholeMonth(DateParts& start, DateParts& end) {
    start.day = 1;
    end = start;
    end.day = static_cast<std::uint16_t>(DaysInMonth(end.month, end.year));
}

void WholeYear(DateParts& start, DateParts& end) {
    start.day = 1;
    start.month = kFirstMonth;
    end = start;
    end.day = kLastDayOfYear;
    end.month = kLastMonthOfYear;
}

}  // namespace

res::StringId ByNameId(int by) {
    return res::NthStringId(res::IDS_REPORT_BY_PAYEE, by, kByCount);
}

res::StringId PeriodNameId(int period) {
    return res::NthStringId(res::IDS_PERIOD_LAST_30_DAYS, period, kPeriodCount);
}

int PeriodDates(int period, DateTime& startDate, DateTime& endDate) {
    const DateTime now = Now();
    DateParts start = DateToParts(now);
    DateParts end = start;
    switch (period) {
        case kLast30Days:
            start = DateToParts(DaysBefore(now, kLast30DaysSpan));
            break;
        case kLast90Days:
            start = DateToParts(DaysBefore(now, kLast90DaysSpan));
            break;
        case kLastMonth:
            PreviousMonth(start);
            WholeMonth(start, end);
            break;
        case kLastQuarter:
            PreviousQuarter(start, end);
            break;
        case kLastYear:
            --start.year;
            WholeYear(start, end);
            break;
        case kThisMonth:
            WholeMonth(start, end);
            break;
        case kThisQuarter:
            CurrentQuarter(start, end);
            break;
        case kThisYear:
            WholeYear(start, end);
            break;
        default:  // kCustom and unknown periods
            return 1;
    }
    SetStartOfDay(start);
    SetEndOfDay(end);
    startDate = PartsToDate(start);
    endDate = PartsToDate(end);
    return 0;
}

int PeriodFactor(int period) {
    switch (period) {
        case kLastQuarter:
        case kThisQuarter:
            return kQuarterFactor;
        case kLastYear:
        case kThisYear:
            return kYearFactor;
        default:
            return 1;
    }
}

}  // namespace report
