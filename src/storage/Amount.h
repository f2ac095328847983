#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Money: a signed count of hundredths of the currency unit (1234 is 12.34).
using Amount = std::int64_t;

enum AmountFormatMode {
    kAmountPlain = 0,       // 12.34, .05, -1234.56, 0
    kAmountWholeUnits = 1,  // the text cut at the separator: 12, and the empty text for .05
    kAmountTrimZeros = 2,   // trailing fractional zeros removed: 1.00 -> 1, 1.50 -> 1.5
};

// Reads an amount typed by a person. An optional sign, then digits, group separators (ignored)
// and one decimal separator; at most two fractional digits are read, and any other character ends
// the number. "12" gives 1200, "12.5" 1250, "1,234.56" 123456, "-0.07" -7, "12.345" 1234,
// "1.2.3" 123. A value beyond the range of Amount saturates at its limit.
Amount ParseAmount(std::string_view text, char decimalSeparator = '.', char groupSeparator = ',');

// The largest magnitude of an amount an account holds: 0x6400000000000063 hundredths; and the
// most characters (not counting a leading "-" and the point) an amount field needs: 19.
constexpr Amount kMaxAmountMagnitude = 7205759403792793699;
constexpr std::size_t kMaxAmountDigits = 20;

// Whether a typed text is an amount the data model can hold, by the rule of ReadAmountText: an
// optional sign, digits with "," only between groups of three, at most two decimals, and a
// magnitude of at most kMaxAmountMagnitude ("1,234.56", "-5" and ".5" are amounts; "1,50",
// "12.345" and "12." are not). An empty text is valid only when not required.
bool IsValidAmountText(std::string_view text, bool required);

// Writes an amount without group separators or currency symbol; see AmountFormatMode. Amounts
// between -9 and 9 other than 0 have no leading zero (-.05, .05).
std::string FormatAmount(Amount amount, int mode = kAmountPlain, char decimalSeparator = '.');
