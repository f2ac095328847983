#pragma once

#include <string_view>

#include "model/EditOutcome.h"
#include "storage/Amount.h"

// An amount a person typed into a screen's field, read by the same rule as one typed on the
// command line (ReadAmountText): "," only between groups of three, at most two decimals (a third
// is refused, never cut), and nothing beyond what an account can hold. Every screen and editing
// rule that takes a typed amount reads it here, so that "1,50" is never stored as 150.00.
enum class AmountEntry {
    kRequired,  // an empty field is refused
    kOptional,  // an empty field reads as 0
};

// Done with the value in `amount`; otherwise refused with the message to show
// (IDS_ENTER_VALID_AMOUNT, IDS_AMOUNT_TOO_PRECISE or IDS_AMOUNT_TOO_LARGE) and `amount` as it was.
EditOutcome ReadEnteredAmount(std::string_view text, AmountEntry entry, Amount& amount);
