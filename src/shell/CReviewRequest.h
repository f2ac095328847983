#pragma once

#include <cstdint>

#include "shell/NavigationRecords.h"

// What the register hands to the review screen: which of the account's transactions awaiting
// review to show first (its position among the downloaded, or the imported, ones) and which kind.
namespace shell {

class CReviewRequest : public CNavigationPayload {
  public:
    enum Kind : std::uint8_t { kDownloaded = 5, kImported = 6 };

    CReviewRequest(std::int32_t position, Kind kind) : m_position(position), m_kind(kind) {}
    std::int32_t Position() const { return m_position; }
    Kind GetKind() const { return m_kind; }

  private:
    std::int32_t m_position = 0;
    Kind m_kind = kDownloaded;
};

}  // namespace shell
