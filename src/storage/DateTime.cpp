#include "storage/DateTime.h"

#include <algorithm>

#include "platform/sys/CodePage.h"

namespace {

constexpr sys::FileTime ComputeEpoch() {
    // Days from 1601-01-01 to 1904-01-01: 303 years with 72 leap days (1604 to 1900 every
    // fourth year, less 1700, 1800 and 1900).
    constexpr std::uint64_t days = 303 * 365 + 72;
    return days * 86400 * sys::kFileTicksPerSecond;
}

constexpr std::uint64_t kLastDate = 0xFFFFFFFFu;

}  // namespace

const sys::FileTime kDateEpoch = ComputeEpoch();

DateTime Now() { return SystemTimeToDate(sys::GetLocalTime()); }

DateTime FileTimeToDate(sys::FileTime time) {
    if (time < kDateEpoch) return 0;
    const std::uint64_t seconds = (time - kDateEpoch) / sys::kFileTicksPerSecond;
    return static_cast<DateTime>(std::min(seconds, kLastDate));
}

sys::FileTime DateToFileTime(DateTime date) {
    return static_cast<sys::FileTime>(date) * sys::kFileTicksPerSecond + kDateEpoch;
}

DateTime SystemTimeToDate(const sys::SystemTime& time) {
    sys::FileTime ft = 0;
    if (!sys::SystemTimeToFileTime(time, ft)) return 0;
    return FileTimeToDate(ft);
}

sys::SystemTime DateToSystemTime(DateTime date) {
    return sys::FileTimeToSystemTime(DateToFileTime(date));
}

DateParts DateToParts(DateTime date) {
    const sys::SystemTime t = DateToSystemTime(date);
    DateParts parts;
    parts.second = t.second;
    parts.minute = t.minute;
    parts.hour = t.hour;
    parts.day = t.day;
    parts.month = t.month;
    parts.year = t.year;
    return parts;
}

DateTime PartsToDate(const DateParts& parts) {
    sys::SystemTime t;
    t.year = std::clamp<std::uint16_t>(parts.year, 1601, 30827);
    t.month = std::clamp<std::uint16_t>(parts.month, 1, 12);
    t.day = static_cast<std::uint16_t>(
        std::clamp<int>(parts.day, 1, sys::DaysInMonth(t.month, t.year)));
    t.hour = std::min<std::uint16_t>(parts.hour, 23);
    t.minute = std::min<std::uint16_t>(parts.minute, 59);
    t.second = std::min<std::uint16_t>(parts.second, 59);
    return SystemTimeToDate(t);
}

void SetStartOfDay(DateParts& parts) {
    parts.second = 0;
    parts.minute = 0;
    parts.hour = 0;
}

void SetEndOfDay(DateParts& parts) {
    parts.second = 59;
    parts.minute = 59;
    parts.hour = 23;
}

DateTime DayBoundary(DateTime date, int mode) {
    if (mode != kDayStart && mode != kDayEnd) return date;
    const DateTime start = date - date % kSecondsPerDay;
    if (mode == kDayStart) return start;
    // The last day ends at the last representable moment.
    return static_cast<DateTime>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(start) + kSecondsPerDay - 1, kLastDate));
}

DateTime WithCurrentTime(DateTime date) {
    const sys::SystemTime now = sys::GetLocalTime();
    const std::uint64_t moment = static_cast<std::uint64_t>(DayBoundary(date, kDayStart)) +
                                 now.hour * 3600u + now.minute * 60u + now.second;
    return static_cast<DateTime>(std::min(moment, kLastDate));
}

DateTime Today(int mode) { return mode == 0 ? Now() : DayBoundary(Now(), mode); }

void PreviousMonth(DateParts& parts) {
    if (parts.month == 1) {
        parts.month = 12;
        --parts.year;
    } else {
        --parts.month;
    }
}

int DaysInMonth(int month, int year) { return sys::DaysInMonth(month, year); }

namespace {

void SetQuarter(DateParts& start, DateParts& end, int firstMonth, int year) {
    start.day = 1;
    start.month = static_cast<std::uint16_t>(firstMonth);
    start.year = static_cast<std::uint16_t>(year);
    end.month = static_cast<std::uint16_t>(firstMonth + 2);
    end.day = static_cast<std::uint16_t>(DaysInMonth(end.month, year));
    end.year = static_cast<std::uint16_t>(year);
}

}  // namespace

void CurrentQuarter(DateParts& start, DateParts& end) {
    if (start.month < 1 || start.month > 12) return;
    SetQuarter(start, end, (start.month - 1) / 3 * 3 + 1, start.year);
}

void PreviousQuarter(DateParts& start, DateParts& end) {
    if (start.month < 1 || start.month > 12) return;
    const int first = (start.month - 1) / 3 * 3 + 1;
    if (first == 1) {
        SetQuarter(start, end, 10, start.year - 1);
    } else {
        SetQuarter(start, end, first - 3, start.year);
    }
}

std::wstring FormatDate(DateTime date, unsigned flags) {
    return sys::GetDateFormat(DateToSystemTime(date), flags);
}

std::string FormatDateNarrow(DateTime date, unsigned flags) {
    return sys::WideToAnsi(FormatDate(date, flags));
}
