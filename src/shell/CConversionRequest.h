#pragma once

#include <cstdint>

#include "shell/CHandBack.h"
#include "shell/NavigationRecords.h"
#include "storage/Amount.h"

// What the currency conversion screen converts into: the currency of the account being edited.
// The converted amount comes back as CHandBackOf<Amount> (HandBackKind::kConvertedAmount).
namespace shell {

class CConversionRequest : public CNavigationPayload {
  public:
    explicit CConversionRequest(std::uint8_t targetCurrency) : m_targetCurrency(targetCurrency) {}
    std::uint8_t TargetCurrency() const { return m_targetCurrency; }

  private:
    std::uint8_t m_targetCurrency = 0;
};

}  // namespace shell
