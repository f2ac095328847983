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

// Stored text to UTF-8 and back. Control characters of stored text (an old or foreign file) come
// out as U+FFFD: stored text never sends a control sequence to a terminal.
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

// ---- typed values: refused, never changed, when they cannot be stored as given ----

// An amount typed on the command line (see ReadAmountText: "," only between groups of three,
// at most two decimals, no more than an account can hold). IDS_NONE when read, else the
// message (with the text as its argument).
res::StringId ReadTypedAmount(std::string_view text, Amount& amount);

// A text typed for a stored field of `capacity` characters, as stored (Windows-1252). IDS_NONE
// when it can be stored as given (accents typed as a letter and a combining mark are composed
// first); else the message: a control character, a character Windows-1252 lacks (`offending`
// then holds it, UTF-8) or a text too long.
res::StringId ReadTypedText(std::string_view utf8, std::size_t capacity, std::string& stored,
                            std::string& offending);

// Whether two texts are equal when ASCII letter case is ignored.
bool SameText(std::string_view a, std::string_view b);
// The index of the text among the string-table names (ASCII case ignored), or -1.
int FindName(std::string_view text, const std::vector<res::StringId>& names);
// The names joined with ", " for a message.
std::string JoinNames(const std::vector<res::StringId>& names);

}  // namespace cli
