#pragma once

#include <cstdint>

#include "resources/StringIds.h"
#include "storage/DateTime.h"

// What a report or a budget is built over: the grouping ("By"), the period and the direction of
// the amounts, with the names the screens list them by.
namespace report {

enum By : std::uint8_t { kByPayee = 0, kByCategory = 1, kByClass = 2, kByCount = 3 };

enum Period : std::uint8_t {
    kLast30Days = 0,
    kLast90Days = 1,
    kLastMonth = 2,
    kLastQuarter = 3,
    kLastYear = 4,
    kThisMonth = 5,
    kThisQuarter = 6,
    kThisYear = 7,
    kCustom = 8,
    kPeriodCount = 9,
};

enum Direction : std::uint8_t {
    kAllAmounts = 0,
    kIncomes = 1,   // amounts of 0 and above
    kExpenses = 2,  // amounts of 0 and below
    kDirectionCount = 3,
};

// IDS_NONE outside the range.
res::StringId ByNameId(int by);
res::StringId PeriodNameId(int period);

// The bounds of a period on the current local date: the start at 00:00:00, the end at 23:59:59.
// 0 with both dates set; 1 for kCustom (whose dates are the user's) and for an unknown period,
// which leave both dates alone.
int PeriodDates(int period, DateTime& start, DateTime& end);

// How many monthly budgets a period holds: 3 for the quarters, 12 for the years, else 1.
int PeriodFactor(int period);

}  // namespace report
