#pragma once

#include <cstdint>
#include <vector>

#include "storage/Amount.h"

class CCVAccount;
class CCVAccountList;
class CCVReportItem;
class CTransaction;

// The transactions behind one report row, as the detail screens list them: each with the
// account whose register holds it, its place in that register, and the part of it that went
// into the row (the whole converted amount, or its split lines in the row). Oldest first; one
// date keeps the row's order. The lines refer to the registers: make them again, from a report
// built again, after the registers change.
class CReportDetails {
  public:
    struct Line {
        CTransaction* transaction = nullptr;
        CCVAccount* account = nullptr;
        std::int64_t registerIndex = -1;  // in the account's transactions
        Amount part = 0;
    };

    CReportDetails(const CCVReportItem& row, CCVAccountList& accounts);

    const std::vector<Line>& Lines() const { return m_lines; }
    std::size_t Count() const { return m_lines.size(); }
    // The sum of the parts.
    Amount Total() const { return m_total; }

  private:
    std::vector<Line> m_lines;
    Amount m_total = 0;
};
