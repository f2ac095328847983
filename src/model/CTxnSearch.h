#pragma once

#include <string_view>

class CTransaction;

// The test of a register find: a transaction is found when the search text occurs, ASCII letters
// compared without regard to case, in its payee, its amount written as whole units, "." and two
// digits of hundredths (1050 is "10.50", 1005 is "10.05"), its memo, or a split line's memo.
class CTxnSearch {
  public:
    // The text must outlive the search.
    explicit CTxnSearch(std::string_view searchText) : m_searchText(searchText) {}

    bool Matches(const CTransaction& transaction) const;

  private:
    bool Contains(std::string_view text) const;

    std::string_view m_searchText;
};
