#include "ofx/OfxValues.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace ofx {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n";
constexpr std::size_t kDateDigits = 8;
constexpr std::size_t kMinuteDigits = 12;
constexpr std::size_t kSecondDigits = 14;
constexpr std::size_t kYearAt = 0, kYearWidth = 4;
constexpr std::size_t kMonthAt = 4, kDayAt = 6, kHourAt = 8, kMinuteAt = 10, kSecondAt = 12;
constexpr std::size_t kFieldWidth = 2;
constexpr int kFirstYear = 1904;
constexpr std::size_t kGroupDigits = 3;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// True when the rest after the digits is empty, fractional seconds, a bracketed zone, or both.
bool IsDateTail(std::string_view rest, bool withSeconds) {
    if (withSeconds && !rest.empty() && (rest[0] == '.' || rest[0] == ':')) {
        std::size_t n = 1;
        while (n < rest.size() && IsDigit(rest[n])) ++n;
        if (n == 1) return false;
        rest.remove_prefix(n);
    }
    rest = Trim(rest);
    if (rest.empty()) return true;
    return rest.front() == '[' && rest.back() == ']' &&
           rest.find_first_of("[]", 1) == rest.size() - 1;
}

}  // namespace

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::optional<sys::SystemTime> ParseDateTime(std::string_view text) {
    text = Trim(text);
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) ++digits;
    if (digits != kDateDigits && digits != kMinuteDigits && digits != kSecondDigits) return {};
    if (!IsDateTail(text.substr(digits), digits == kSecondDigits)) return {};
    // YYYYMMDDHHMMSS: each field's offset and width.
    const auto field = [text](std::size_t offset, std::size_t width) {
        return static_cast<std::uint16_t>(Number(text.substr(offset, width)));
    };
    sys::SystemTime time;
    time.year = field(kYearAt, kYearWidth);
    time.month = field(kMonthAt, kFieldWidth);
    time.day = field(kDayAt, kFieldWidth);
    if (digits >= kMinuteDigits) {
        time.hour = field(kHourAt, kFieldWidth);
        time.minute = field(kMinuteAt, kFieldWidth);
    }
    if (digits == kSecondDigits) time.second = field(kSecondAt, kFieldWidth);
    sys::FileTime unused = 0;
    if (time.year < kFirstYear || !sys::SystemTimeToFileTime(time, unused)) return {};
    return time;
}

std::string FormatDateTime(const sys::SystemTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04u%02u%02u%02u%02u%02u", unsigned{time.year},
                  unsigned{time.month}, unsigned{time.day}, unsigned{time.hour},
                  unsigned{time.minute}, unsigned{time.second});
    return text;
}

std::optional<std::string> NormalizeAmount(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(),
                                     [](char c) { return IsDigit(c) || c == '.' || c == ','; })) {
        return {};
    }
    if (std::none_of(text.begin(), text.end(), IsDigit)) return {};
    const auto dots = std::count(text.begin(), text.end(), '.');
    const auto commas = std::count(text.begin(), text.end(), ',');
    // The decimal point: the last separator when both kinds occur (and it occurs once); the only
    // separator when one occurs once; none when one kind occurs several times (grouping).
    std::size_t point = std::string_view::npos;
    if (dots > 0 && commas > 0) {
        point = text.find_last_of(".,");
        if (std::count(text.begin(), text.end(), text[point]) != 1) return {};
    } else if (dots + commas == 1) {
        point = text.find_first_of(".,");
    }
    // Group separators stand between groups of three digits.
    std::string whole;
    std::size_t groupDigits = 0;
    bool grouped = false;
    for (char c : text.substr(0, point)) {
        if (IsDigit(c)) {
            whole += c;
            ++groupDigits;
            continue;
        }
        if (grouped ? groupDigits != kGroupDigits : groupDigits == 0) return {};
        grouped = true;
        groupDigits = 0;
    }
    if (grouped && groupDigits != kGroupDigits) return {};
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    std::string amount = negative ? "-" : "";
    amount += whole.empty() ? "0" : whole;
    if (!fraction.empty()) amount += "." + std::string(fraction);
    return amount;
}

}  // namespace ofx
