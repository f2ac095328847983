#pragma once

#include <string_view>

#include "storage/Amount.h"

// Reading an amount text that must say exactly one amount: what a person types on the command
// line and what a bank writes in a statement. Unlike ParseAmount, which reads as much of a text
// as it can, nothing is guessed: "1,50" is not 150.00 and "12.345" is not 12.34.
//
//   text     = [sign] whole ["." fraction] | [sign] "." fraction
//   whole    = digits | 1-3 digits ("," 3 digits)...      "1,234,567.89", never "12,34"
//   fraction = one or more digits
//
// More than two fractional digits are refused, or rounded half away from zero as banks round
// (-995.4190396554627 is -995.42, 0.005 is 0.01). A magnitude above kMaxAmountMagnitude (the
// most an account can hold) is refused, never clamped.
enum class AmountTextResult {
    kRead = 0,
    kNotAnAmount,  // empty, a character that is not part of an amount, or a misplaced ","
    kTooPrecise,   // more than two fractional digits where they are refused
    kTooLarge,     // beyond what an account can hold
};

enum class AmountRounding {
    kRefuse,            // typed values: a third decimal is a mistake to point out
    kHalfAwayFromZero,  // a bank's amount with more decimals than hundredths
};

// Reads the text into `amount`; `amount` is left as it was unless the result is kRead.
AmountTextResult ReadAmountText(std::string_view text, AmountRounding rounding, Amount& amount);
