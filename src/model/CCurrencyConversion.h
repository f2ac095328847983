#pragma once

#include <cstdint>
#include <string>

#include "model/EditOutcome.h"
#include "storage/Amount.h"

class CCVAccountList;

// The currency conversion screen's rules: an amount in another currency turned into the
// currency of the account being edited, over the home currency, at a rate the person may change.
class CCurrencyConversion {
  public:
    explicit CCurrencyConversion(CCVAccountList& accounts) : m_accounts(accounts) {}

    // The rate from currency `from` to currency `to` (numbers of the currency list), written with
    // nine decimals ("%.9f").
    std::string RateText(std::uint8_t from, std::uint8_t to) const;
    // amount x 0.01 x rate x 100, truncated toward zero. The amount must pass the amount check
    // (IDS_ENTER_VALID_AMOUNT; a negative one is refused with IDS_EDITOR_NEGATIVE_AMOUNT) and the
    // rate must read as a number not below 0 (IDS_CONVERT_RATE_INVALID); a result beyond what an
    // amount holds is refused too (IDS_ENTER_VALID_AMOUNT).
    static EditOutcome Convert(const std::string& amountText, const std::string& rateText,
                               Amount& converted);

  private:
    CCVAccountList& m_accounts;
};
