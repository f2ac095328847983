#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"

// Values as outside files write them, and the messages about them.
namespace interchange {

// The order of day, month and year in a date with separators.
enum class DateOrder : std::uint8_t { kMonthDayYear, kDayMonthYear, kYearMonthDay };

// A string-table text with printf arguments, as UTF-8.
template <typename... Args>
std::string Message(res::StringId id, Args... args) {
    return sys::FormatText(sys::WideToUtf8(res::LoadString(id)), args...);
}

// File text to stored text: well-formed UTF-8 is converted, anything else is taken as
// Windows-1252 already. Control characters become spaces.
std::string ToStored(std::string_view text);
// Stored text to UTF-8 for a file.
std::string ToUtf8(std::string_view stored);
std::string_view Trim(std::string_view text);

// A date of three numbers with separators ("/", "-", ".", "'" or spaces): a four-digit first
// number is always the year (YYYY-MM-DD); otherwise `order` says which is which. A two-digit
// year after "'" is 20YY; otherwise 19YY from 40 up and 20YY below (stored dates run from 1904
// to February 2040). Day 00:00:00; nothing for a day that does not exist or cannot be stored.
std::optional<DateTime> ParseFileDate(std::string_view text, DateOrder order);
// The same with a pattern of the letters D, M and Y ("DD.MM.YYYY", "MM/DD/YY", "YYYYMMDD").
std::optional<DateTime> ParseDatePattern(std::string_view text, std::string_view pattern);

// An amount with an optional sign (or in parentheses, negative) and grouping. With decimal 0
// the mark is guessed: "," is the decimal mark when it is the last mark and one or two digits
// follow it ("12,50", "1.234,56"), otherwise "." is ("1,234.56", "1,234"). Currency symbols and
// spaces around the number are passed over (a code after it stands apart: "7.10 EUR"). Nothing
// for a text that is not an amount, or whose third decimal is not 0.
std::optional<Amount> ParseFileAmount(std::string_view text, char decimal = 0);

// "2024/03/01" style dates and "-12.34" style amounts (always two decimals).
std::string FormatIsoDate(DateTime date, char separator);
std::string FormatFileAmount(Amount amount);

}  // namespace interchange
