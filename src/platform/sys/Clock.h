#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Local time and the system's tick count.
//
// All dates of the data model are local wall-clock times without a zone, so the conversions here
// are plain calendar arithmetic on the proleptic Gregorian calendar.
//
// Tests and whole-program runs may fix "now": SetTestTime() for tests, or the environment
// variable COINVALE_NOW ("YYYY-MM-DD", "YYYY-MM-DDTHH:MM" or "YYYY-MM-DDTHH:MM:SS", a blank in
// place of the T also accepted) for a whole program. The test time stands still until changed.
namespace sys {

struct SystemTime {
    std::uint16_t year = 1601;      // four digits
    std::uint16_t month = 1;        // 1-12
    std::uint16_t dayOfWeek = 0;    // 0 Sunday .. 6 Saturday; ignored when converting to file time
    std::uint16_t day = 1;          // 1-31
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// Calendar fields from numbers; no range check (see SystemTimeToFileTime).
SystemTime MakeSystemTime(int year, int month, int day, int hour = 0, int minute = 0,
                          int second = 0);

// 100-nanosecond intervals since 1601-01-01 00:00:00.
using FileTime = std::uint64_t;

constexpr FileTime kFileTicksPerSecond = 10'000'000;

// The current local time, or the test time when one is set.
SystemTime GetLocalTime();

// Milliseconds since the machine started, wrapping at 2^32; the test tick count when one is set.
std::uint32_t GetTickCount();

// Converts calendar fields to a file time. Returns false, leaving `out` alone, when a field is out
// of range (month 1-12, day within the month, hour < 24, minute and second < 60, milliseconds <
// 1000, year 1601-30827).
bool SystemTimeToFileTime(const SystemTime& time, FileTime& out);

// Converts a file time to calendar fields, with the day of the week.
SystemTime FileTimeToSystemTime(FileTime time);

// Days in a month of the Gregorian calendar; 31 for a month outside 1-12.
int DaysInMonth(int month, int year);

// The test clock. SetTestTime fixes "now" for this process until ClearTestTime.
void SetTestTime(const SystemTime& time);
void ClearTestTime();
// The test tick count: GetTickCount (and so the window system's timers and idle time) answers
// `milliseconds` until changed or cleared.
void SetTestTickCount(std::uint32_t milliseconds);
void ClearTestTickCount();

// Parses the COINVALE_NOW form. Returns nothing for text that is not a valid date and time.
std::optional<SystemTime> ParseTestTime(std::string_view text);

// Reads COINVALE_NOW once into the test clock. Returns 0 when it is unset or valid, 1 when it is
// set to text that ParseTestTime rejects (the clock then stays the system's).
int LoadTestTimeFromEnvironment();

}  // namespace sys
