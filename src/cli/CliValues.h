#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/TextFormat.h"
#include "resources/StringIds.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"

// The values of the command line as text: UTF-8 on the terminal, Windows-1252 in the model;
// dates in ISO 8601 (YYYY-MM-DD) and amounts with "." and always two decimals, in and out.
namespace cli {

// Stored text to UTF-8 and back.
std::string Utf8(std::string_view stored);
std::string Stored(std::string_view utf8);

// A string-table text as UTF-8.
std::string Text(res::StringId id);

// A string-table text with printf arguments (C strings and numbers), as UTF-8.
template <typename... Args>
std::string Format(res::StringId id, Args... args) {
    return sys::FormatText(Text(id), args...);
}

// "-1234.56", "0.05", "0.00".
std::string FormatAmount(Amount amount);
// "2026-12-06".
std::string FormatDate(DateTime date);
// A date written YYYY-MM-DD that the data model can hold (1904-01-01 to 2040-02-06): its start
// of day. False, leaving `date`, for anything else.
bool ParseDate(std::string_view text, DateTime& date);

// Whether two texts are equal when ASCII letter case is ignored.
bool SameText(std::string_view a, std::string_view b);
// The index of the text among the string-table names (ASCII case ignored), or -1.
int FindName(std::string_view text, const std::vector<res::StringId>& names);
// The names joined with ", " for a message.
std::string JoinNames(const std::vector<res::StringId>& names);

}  // namespace cli
