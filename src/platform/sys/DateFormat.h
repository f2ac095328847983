#pragma once

#include <string>

#include "platform/sys/Clock.h"

// Dates formatted the way the user's locale writes them (LC_TIME of the environment): the
// stand-in for the system's date formatting with the user's default locale.
namespace sys {

enum DateFormatFlags : unsigned {
    kDateShortDate = 0x1,  // the locale's short numeric date, e.g. 12/06/26 in the POSIX locale
    kDateLongDate = 0x2,   // weekday, month name, day and year
    kDateYearMonth = 0x8,  // month name and year
};

// Formats the date part of `time`. Flags other than the long and year-month forms give the short
// date. An invalid date gives the empty text.
std::wstring GetDateFormat(const SystemTime& time, unsigned flags);

}  // namespace sys
