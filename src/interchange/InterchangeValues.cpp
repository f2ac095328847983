#include "interchange/InterchangeValues.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace interchange {
namespace {

// Stored dates run from 1904 to early 2040, so two-digit years 40-99 are 19YY and 00-39 20YY.
constexpr int kTwoDigitPivot = 40;
constexpr int kCentury = 100;
constexpr int kFirstYear = 1904;
constexpr int kLastYear = 2040;
constexpr int kMaxFractionDigits = 2;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (byte < 0x80) {
            extra = 0;
        } else if ((byte & 0xE0) == 0xC0 && byte >= 0xC2) {
            extra = 1;
        } else if ((byte & 0xF0) == 0xE0) {
            extra = 2;
        } else if ((byte & 0xF8) == 0xF0 && byte <= 0xF4) {
            extra = 3;
        } else {
            return false;
        }
        if (extra > 0 && i + extra >= text.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

std::optional<DateTime> MakeDate(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(month, year)) {
        return std::nullopt;
    }
    DateParts parts;
    parts.year = static_cast<std::uint16_t>(year);
    parts.month = static_cast<std::uint16_t>(month);
    parts.day = static_cast<std::uint16_t>(day);
    const DateTime date = PartsToDate(parts);
    // A day past the last one a stored date can hold would come back as another day.
    const DateParts back = DateToParts(date);
    if (back.year != parts.year || back.month != parts.month || back.day != parts.day) {
        return std::nullopt;
    }
    return date;
}

int FullYear(int year, std::size_t digits, bool apostrophe) {
    if (digits > 2) return year;
    if (apostrophe) return 2000 + year;
    return year >= kTwoDigitPivot ? 1900 + year : 2000 + year;
}

}  // namespace

std::string ToStored(std::string_view text) {
    std::string stored = ValidUtf8(text) ? sys::Utf8ToAnsi(text) : std::string(text);
    for (char& c : stored) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    return stored;
}

std::string ToUtf8(std::string_view stored) {
    return sys::AnsiToUtf8(stored);
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<DateTime> ParseFileDate(std::string_view text, DateOrder order) {
    text = Trim(text);
    std::array<int, 3> numbers{};
    std::array<std::size_t, 3> digits{};
    bool apostrophe = false;
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            const char c = text[i];
            if (c != '/' && c != '-' && c != '.' && c != '\'' && c != ' ') return std::nullopt;
            if (c == '\'') {
                if (count != 2) return std::nullopt;
                apostrophe = true;
            }
            ++i;
            continue;
        }
        if (count == numbers.size()) return std::nullopt;
        int value = 0;
        std::size_t n = 0;
        while (i < text.size() && IsDigit(text[i])) {
            if (++n > 4) return std::nullopt;
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        numbers[count] = value;
        digits[count] = n;
        ++count;
    }
    if (count != numbers.size()) return std::nullopt;
    if (digits[0] == 4 || order == DateOrder::kYearMonthDay) {
        return MakeDate(FullYear(numbers[0], digits[0], false), numbers[1], numbers[2]);
    }
    if (digits[0] > 2 || digits[1] > 2 || digits[2] == 3) {
        return std::nullopt;
    }
    const int year = FullYear(numbers[2], digits[2], apostrophe);
    return order == DateOrder::kMonthDayYear ? MakeDate(year, numbers[0], numbers[1])
                                             : MakeDate(year, numbers[1], numbers[0]);
}

std::optional<DateTime> ParseDatePattern(std::string_view text, std::string_view pattern) {
    text = Trim(text);
    int year = 0;
    int month = 0;
    int day = 0;
    std::size_t yearDigits = 0;
    std::size_t t = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(pattern[p])));
        if (letter != 'D' && letter != 'M' && letter != 'Y') {
            if (t >= text.size() || text[t] != pattern[p]) return std::nullopt;
            ++t;
            continue;
        }
        std::size_t run = 1;
        while (p + 1 < pattern.size() &&
               std::toupper(static_cast<unsigned char>(pattern[p + 1])) == letter) {
            ++p;
            ++run;
        }
        // A one-letter day or month may have one or two digits; otherwise exactly the run.
        const std::size_t most = run == 1 ? 2 : run;
        int value = 0;
        std::size_t n = 0;
        while (t < text.size() && IsDigit(text[t]) && n < most) {
            value = value * 10 + (text[t] - '0');
            ++t;
            ++n;
        }
        if (n == 0 || (run > 1 && n != run)) return std::nullopt;
        if (letter == 'D') day = value;
        if (letter == 'M') month = value;
        if (letter == 'Y') {
            year = value;
            yearDigits = n;
        }
    }
    if (t != text.size() || yearDigits == 0) return std::nullopt;
    return MakeDate(FullYear(year, yearDigits, false), month, day);
}

namespace {

bool IsSymbolByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return std::isalpha(byte) != 0 || c == '$' || byte >= 0x80;
}

}  // namespace

std::optional<Amount> ParseFileAmount(std::string_view text, char decimal) {
    text = Trim(text);
    bool negative = false;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        negative = true;
        text = Trim(text.substr(1, text.size() - 2));
    }
    std::size_t i = 0;
    // A sign and a currency symbol or code before the number, in either order.
    while (i < text.size() && !IsDigit(text[i]) && text[i] != '.' && text[i] != ',') {
        if (text[i] == '-') {
            negative = !negative;
        } else if (text[i] != '+' && text[i] != ' ' && !IsSymbolByte(text[i])) {
            return std::nullopt;
        }
        ++i;
    }
    std::string number;
    bool digitSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const bool digitNext = i + 1 < text.size() && IsDigit(text[i + 1]);
        if (IsDigit(c)) {
            digitSeen = true;
            number += c;
        } else if (c == '.' || c == ',' || (c == '\'' && digitSeen)) {
            number += c;
        } else if (c == ' ' && digitSeen && digitNext) {
            number += '\'';  // a space as grouping: "1 234,50"
        } else {
            break;
        }
    }
    if (i < text.size() && text[i] == '-') {
        negative = !negative;  // "12.50-"
        ++i;
    }
    // A currency code after the number stands apart from it: "7.10 EUR", not "12x".
    if (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) != 0) {
        return std::nullopt;
    }
    for (; i < text.size(); ++i) {
        if (text[i] != ' ' && !IsSymbolByte(text[i])) return std::nullopt;
    }
    if (!digitSeen) return std::nullopt;
    if (decimal == 0) {
        const std::size_t lastComma = number.rfind(',');
        const std::size_t lastDot = number.rfind('.');
        const bool commaLast =
            lastComma != std::string::npos && (lastDot == std::string::npos || lastComma > lastDot);
        const std::size_t after = commaLast ? number.size() - lastComma - 1 : 0;
        decimal = commaLast && after >= 1 && after <= 2 ? ',' : '.';
    }
    const char grouping = decimal == ',' ? '.' : ',';
    Amount units = 0;
    int fraction = -1;
    for (const char c : number) {
        if (c == grouping || c == '\'') {
            if (fraction >= 0) return std::nullopt;
            continue;
        }
        if (c == decimal) {
            if (fraction >= 0) return std::nullopt;
            fraction = 0;
            continue;
        }
        if (fraction >= kMaxFractionDigits) {
            if (c != '0') return std::nullopt;  // a third decimal other than 0 would be lost
            continue;
        }
        if (units > (kMaxAmountMagnitude - 9) / 10) return std::nullopt;
        units = units * 10 + (c - '0');
        if (fraction >= 0) ++fraction;
    }
    if (fraction < 0) fraction = 0;
    for (; fraction < kMaxFractionDigits; ++fraction) {
        if (units > kMaxAmountMagnitude / 10) return std::nullopt;
        units *= 10;
    }
    return negative ? -units : units;
}

std::string FormatIsoDate(DateTime date, char separator) {
    const DateParts parts = DateToParts(date);
    char text[32];
    std::snprintf(text, sizeof text, "%04u%c%02u%c%02u", unsigned{parts.year}, separator,
                  unsigned{parts.month}, separator, unsigned{parts.day});
    return text;
}

std::string FormatFileAmount(Amount amount) {
    const bool negative = amount < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    char text[32];
    std::snprintf(text, sizeof text, "%s%llu.%02llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / kCentury),
                  static_cast<unsigned long long>(magnitude % kCentury));
    return text;
}

}  // namespace interchange
