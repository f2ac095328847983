#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reminder/CDueReminders.h"
#include "storage/Amount.h"

namespace reminder {

// The words of a reminder: a summary ("Coinvale: 2 transactions are due") and one line per due
// transaction (date, payee, amount, account), at most kMostLines of them and then how many more.
// The same words go to a desktop notification and to standard output.
class CReminderText {
  public:
    static constexpr std::size_t kMostLines = 8;

    // Nothing (IsEmpty) when the data was read and nothing is due.
    static CReminderText For(const CDueReminders& due);

    bool IsEmpty() const { return m_summary.empty(); }
    const std::string& Summary() const { return m_summary; }
    const std::vector<std::string>& Lines() const { return m_lines; }
    // The lines, one below the other.
    std::string Body() const;
    // The summary, then each line indented by two blanks; every line ends with '\n'.
    std::string Plain() const;

    // One due transaction: "2026-12-09  Rent  -1200.00  (Checking)".
    static std::string Line(const CDueReminders::Entry& entry);
    // An amount with its sign and two decimals, and a units digit: "-1200.00", "0.05".
    static std::string AmountText(Amount amount);
    // The text with '&', '<' and '>' written as markup entities, for a notification service that
    // reads its body as markup.
    static std::string EscapeMarkup(std::string_view text);

  private:
    std::string m_summary;
    std::vector<std::string> m_lines;
};

}  // namespace reminder
