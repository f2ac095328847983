#include "reports/CReportDetails.h"

#include <algorithm>
#include <unordered_map>

#include "model/AmountMath.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CTransaction.h"
#include "reports/CCVReportItem.h"

CReportDetails::CReportDetails(const CCVReportItem& row, CCVAccountList& accounts) {
    // Where each transaction of the row stands among the lines.
    std::unordered_map<const CTransaction*, std::size_t> lineOf;
    for (const CCVReportItem::Entry& entry : row.Entries()) {
        if (entry.transaction == nullptr) continue;
        const auto [at, added] = lineOf.try_emplace(entry.transaction, m_lines.size());
        if (added) {
            m_lines.push_back(Line{entry.transaction, nullptr, -1, entry.part});
        } else {
            Line& line = m_lines[at->second];
            line.part = AddAmounts(line.part, entry.part);
        }
    }
    // One pass over the registers finds every line's account.
    std::size_t found = 0;
    for (std::uint32_t a = 0; a < accounts.Count() && found < m_lines.size(); ++a) {
        CCVAccount* account = accounts.At(a);
        const CCVTxnList& transactions = account->Transactions();
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(transactions.Count()); ++i) {
            const auto at = lineOf.find(transactions.At(i));
            if (at == lineOf.end()) continue;
            Line& line = m_lines[at->second];
            if (line.account != nullptr) continue;
            line.account = account;
            line.registerIndex = i;
            ++found;
        }
    }
    // A transaction no register holds any more is not listed.
    std::erase_if(m_lines, [](const Line& line) { return line.account == nullptr; });
    std::stable_sort(m_lines.begin(), m_lines.end(), [](const Line& a, const Line& b) {
        return a.transaction->GetDate() < b.transaction->GetDate();
    });
    for (const Line& line : m_lines) m_total = AddAmounts(m_total, line.part);
}
