#include "platform/sys/Clock.h"

#include <cstdlib>
#include <ctime>
#include <mutex>

namespace sys {
namespace {

// The test clock is process-wide: it stands in for the system's clock.
std::mutex g_testTimeMutex;
std::optional<SystemTime> g_testTime;
std::optional<std::uint32_t> g_testTick;

// Days from 1970-01-01 to the given civil date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

const std::int64_t kDaysFrom1601To1970 = -DaysFromCivil(1601, 1, 1);

bool ParseDigits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

SystemTime MakeSystemTime(int year, int month, int day, int hour, int minute, int second) {
    SystemTime t;
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.day = static_cast<std::uint16_t>(day);
    t.hour = static_cast<std::uint16_t>(hour);
    t.minute = static_cast<std::uint16_t>(minute);
    t.second = static_cast<std::uint16_t>(second);
    return t;
}

int DaysInMonth(int month, int year) {
    switch (month) {
        case 2:
            return (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

SystemTime GetLocalTime() {
    {
        std::lock_guard lock(g_testTimeMutex);
        if (g_testTime) return *g_testTime;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    SystemTime t;
    t.year = static_cast<std::uint16_t>(local.tm_year + 1900);
    t.month = static_cast<std::uint16_t>(local.tm_mon + 1);
    t.dayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
    t.day = static_cast<std::uint16_t>(local.tm_mday);
    t.hour = static_cast<std::uint16_t>(local.tm_hour);
    t.minute = static_cast<std::uint16_t>(local.tm_min);
    // A leap second reads as the last ordinary second.
    t.second = static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
    t.milliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1'000'000);
    return t;
}

std::uint32_t GetTickCount() {
    {
        std::lock_guard lock(g_testTimeMutex);
        if (g_testTick) return *g_testTick;
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000 +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000;
    return static_cast<std::uint32_t>(ms);
}

bool SystemTimeToFileTime(const SystemTime& time, FileTime& out) {
    if (time.year < 1601 || time.year > 30827 || time.month < 1 || time.month > 12 ||
        time.day < 1 || time.day > DaysInMonth(time.month, time.year) || time.hour > 23 ||
        time.minute > 59 || time.second > 59 || time.milliseconds > 999) {
        return false;
    }
    const std::int64_t days = DaysFromCivil(time.year, time.month, time.day) + kDaysFrom1601To1970;
    const auto seconds = static_cast<std::uint64_t>(days) * 86400 + time.hour * 3600u +
                         time.minute * 60u + time.second;
    out = seconds * kFileTicksPerSecond + time.milliseconds * 10'000ull;
    return true;
}

SystemTime FileTimeToSystemTime(FileTime time) {
    const std::uint64_t totalMs = time / 10'000;
    const std::uint64_t totalSeconds = totalMs / 1000;
    const auto days = static_cast<std::int64_t>(totalSeconds / 86400);
    const std::uint64_t secondOfDay = totalSeconds % 86400;
    std::int64_t y = 0;
    unsigned m = 0;
    unsigned d = 0;
    CivilFromDays(days - kDaysFrom1601To1970, y, m, d);
    SystemTime t;
    t.year = static_cast<std::uint16_t>(y);
    t.month = static_cast<std::uint16_t>(m);
    t.day = static_cast<std::uint16_t>(d);
    // 1601-01-01 was a Monday.
    t.dayOfWeek = static_cast<std::uint16_t>((days + 1) % 7);
    t.hour = static_cast<std::uint16_t>(secondOfDay / 3600);
    t.minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
    t.second = static_cast<std::uint16_t>(secondOfDay % 60);
    t.milliseconds = static_cast<std::uint16_t>(totalMs % 1000);
    return t;
}

void SetTestTime(const SystemTime& time) {
    FileTime ft = 0;
    SystemTime normalised = time;
    // Fill in the day of the week, as the system clock does.
    if (SystemTimeToFileTime(time, ft)) normalised = FileTimeToSystemTime(ft);
    std::lock_guard lock(g_testTimeMutex);
    g_testTime = normalised;
}

void ClearTestTime() {
    std::lock_guard lock(g_testTimeMutex);
    g_testTime.reset();
}

void SetTestTickCount(std::uint32_t milliseconds) {
    std::lock_guard lock(g_testTimeMutex);
    g_testTick = milliseconds;
}

void ClearTestTickCount() {
    std::lock_guard lock(g_testTimeMutex);
    g_testTick.reset();
}

std::optional<SystemTime> ParseTestTime(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ParseDigits(text, 0, 4, year) || text.size() < 10 || text[4] != '-' ||
        !ParseDigits(text, 5, 2, month) || text[7] != '-' || !ParseDigits(text, 8, 2, day)) {
        return std::nullopt;
    }
    if (text.size() > 10) {
        if ((text[10] != 'T' && text[10] != ' ') || text.size() < 16 || text[13] != ':' ||
            !ParseDigits(text, 11, 2, hour) || !ParseDigits(text, 14, 2, minute)) {
            return std::nullopt;
        }
        if (text.size() > 16 &&
            (text.size() != 19 || text[16] != ':' || !ParseDigits(text, 17, 2, second))) {
            return std::nullopt;
        }
    }
    const SystemTime t = MakeSystemTime(year, month, day, hour, minute, second);
    FileTime ft = 0;
    if (!SystemTimeToFileTime(t, ft)) return std::nullopt;
    return FileTimeToSystemTime(ft);
}

int LoadTestTimeFromEnvironment() {
    const char* value = std::getenv("COINVALE_NOW");
    if (value == nullptr || *value == '\0') return 0;
    const std::optional<SystemTime> time = ParseTestTime(value);
    if (!time) return 1;
    SetTestTime(*time);
    return 0;
}

}  // namespace sys
