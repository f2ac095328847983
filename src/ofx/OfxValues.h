#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/sys/Clock.h"

// The values of OFX texts: date-times and amounts, and the text helpers the reader shares.
namespace ofx {

// The text without white space (blank, tab, CR, LF) at either end.
std::string_view Trim(std::string_view text);

// The text with ASCII letters in upper case: element names and keywords.
std::string Upper(std::string_view text);

// Reads an OFX date-time: YYYYMMDD, YYYYMMDDHHMM or YYYYMMDDHHMMSS, optionally followed by
// fractional seconds (".XXX", also written ":XXX") and a zone in brackets ("[-5:EST]", "[0]").
// The bank's own wall-clock date and time are kept and the zone is not applied, so a line
// posted on a day at the bank shows that day. Nothing for any other text, for a date before
// 1904 or for a field out of range (month 13, February 31, hour 24).
std::optional<sys::SystemTime> ParseDateTime(std::string_view text);

// Writes a date-time as YYYYMMDDHHMMSS.
std::string FormatDateTime(const sys::SystemTime& time);

// Brings an OFX amount to the form the program reads: an optional "-", digits, and a "." before
// any fractional digits. OFX allows "." or "," as the decimal point; banks add group
// separators and a "+" sign: "-1,234.56" gives "-1234.56", "+5" gives "5", "12,50" gives
// "12.50", "1.234,56" gives "1234.56" and "1,234,567" gives "1234567". Nothing for a text that
// is not an amount ("", "$120", "1.2.3,4").
std::optional<std::string> NormalizeAmount(std::string_view text);

}  // namespace ofx
