#pragma once

// A chosen day and time for the tests of dated rules (schedules, report periods).
#include <cstdint>

#include "storage/DateTime.h"

inline DateTime Day(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    DateParts parts;
    parts.year = static_cast<std::uint16_t>(year);
    parts.month = static_cast<std::uint16_t>(month);
    parts.day = static_cast<std::uint16_t>(day);
    parts.hour = static_cast<std::uint16_t>(hour);
    parts.minute = static_cast<std::uint16_t>(minute);
    parts.second = static_cast<std::uint16_t>(second);
    return PartsToDate(parts);
}
