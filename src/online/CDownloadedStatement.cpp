#include "online/CDownloadedStatement.h"

#include "model/CCVAccount.h"
#include "online/OnlineText.h"
#include "storage/Text.h"

namespace {

std::string Copy(const char* text) {
    std::string copy;
    SetOwnedText(copy, text);
    return copy;
}

}  // namespace

void CDownloadedStatement::AddLine(DateTime date, const char* amount, const char* type,
                                   const char* checkNumber, const char* payee, const char* memo,
                                   const char* transactionId) {
    m_lines.push_back({date, Copy(amount), Copy(type), Copy(checkNumber), Copy(payee), Copy(memo),
                       Copy(transactionId), m_nextLineChanged});
    Line& added = m_lines.back();
    added.changed = added.changed || added.payee.size() > CTransaction::kPayeeCapacity ||
                    added.memo.size() > CTransaction::kMemoCapacity;
    m_nextLineChanged = false;
}

std::wstring CDownloadedStatement::ChangedLinesNote(std::uint32_t changedLines) {
    if (changedLines == 0) return {};
    return OnlineText(res::IDS_STATEMENT_FILE_TEXT_CHANGED, changedLines);
}

void CDownloadedStatement::SetDownloadMarker(const char* marker) {
    m_downloadMarker = Copy(marker);
}

void CDownloadedStatement::SetLedgerBalance(const char* amount) {
    m_ledgerBalance = Copy(amount);
}

void CDownloadedStatement::Clear() {
    m_lines.clear();
    m_downloadMarker.reset();
    m_ledgerBalance.reset();
    m_nextLineChanged = false;
}

int CDownloadedStatement::ApplyTo(CCVAccount& account, CCVTxnList* downloadList,
                                  std::uint32_t* changedTaken) const {
    account.BeginDownload(downloadList, CCVAccount::DownloadOrder::kOrderAtEnd);
    int rc = 0;
    std::uint32_t changed = 0;
    for (const Line& line : m_lines) {
        const std::uint32_t before = account.Transactions().Count();
        rc = account.AddDownloadedLine(line.date, line.amount.c_str(), line.type.c_str(),
                                       line.checkNumber.c_str(), line.payee.c_str(),
                                       line.memo.c_str(), line.transactionId.c_str());
        if (rc != 0) break;
        // A duplicate adds nothing to the register.
        if (line.changed && account.Transactions().Count() > before) ++changed;
    }
    if (changedTaken != nullptr) *changedTaken = changed;
    if (rc == 0 && m_downloadMarker) account.Record().SetDownloadMarker(m_downloadMarker->c_str());
    if (rc == 0 && m_ledgerBalance) account.SetClearedBalanceFromBank(m_ledgerBalance->c_str());
    account.EndDownload();
    return rc;
}
