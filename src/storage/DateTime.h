#pragma once

#include <cstdint>
#include <string>

#include "platform/sys/Clock.h"
#include "platform/sys/DateFormat.h"

// A moment in local time: seconds since 1904-01-01 00:00:00, no zone stored. One day is 86400.
// The last representable moment is 2040-02-06 06:28:15.
using DateTime = std::uint32_t;

constexpr DateTime kSecondsPerDay = 86400;

// Broken-down DateTime; the field order is the stored order.
struct DateParts {
    std::uint16_t second = 0;
    std::uint16_t minute = 0;
    std::uint16_t hour = 0;
    std::uint16_t day = 1;    // 1-31
    std::uint16_t month = 1;  // 1-12
    std::uint16_t year = 1904;

    bool operator==(const DateParts&) const = default;
};

enum DayBoundaryMode {
    kDayAsIs = 0,
    kDayStart = 1,  // 00:00:00
    kDayEnd = 2,    // 23:59:59
};

// The file time of 1904-01-01 00:00:00.
extern const sys::FileTime kDateEpoch;

DateTime Now();

// Conversions through the system's file time. A moment before 1904 gives 0 and one after the
// last representable moment gives that moment, so a date never wraps around.
DateTime FileTimeToDate(sys::FileTime time);
sys::FileTime DateToFileTime(DateTime date);
DateTime SystemTimeToDate(const sys::SystemTime& time);
sys::SystemTime DateToSystemTime(DateTime date);

DateParts DateToParts(DateTime date);

// Parts out of range are brought into it first: a day past the end of its month becomes the
// month's last day (February 31 is the last day of February), a month above 12 becomes 12, and
// hours, minutes and seconds are capped at 23, 59 and 59.
DateTime PartsToDate(const DateParts& parts);

void SetStartOfDay(DateParts& parts);
void SetEndOfDay(DateParts& parts);

// kDayStart gives 00:00:00 of the date's day, kDayEnd 23:59:59, any other mode the date itself.
DateTime DayBoundary(DateTime date, int mode);

// The same day at the current hour, minute and second.
DateTime WithCurrentTime(DateTime date);

// Now(), or DayBoundary(Now(), mode) for a mode other than 0.
DateTime Today(int mode);

// Month 1 becomes month 12 of the previous year; the day is not changed.
void PreviousMonth(DateParts& parts);

// 28, 29, 30 or 31; 31 for a month outside 1-12.
int DaysInMonth(int month, int year);

// From the month of `start`, sets day, month and year of both to the bounds of its quarter (or
// of the quarter before); the time fields stay. A month outside 1-12 changes nothing.
void CurrentQuarter(DateParts& start, DateParts& end);
void PreviousQuarter(DateParts& start, DateParts& end);

// The date in the user's locale; see sys::GetDateFormat for the flags.
std::wstring FormatDate(DateTime date, unsigned flags);
// The same, converted to stored narrow text (Windows-1252).
std::string FormatDateNarrow(DateTime date, unsigned flags);
