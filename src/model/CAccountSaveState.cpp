#include "model/CAccountSaveState.h"

#include "model/CCVAccount.h"

namespace {

bool AnyUnsaved(const CCVTxnList& transactions) {
    for (std::uint32_t i = 0; i < transactions.Count(true); ++i) {
        if (transactions.GetAtAny(i)->IsUnsaved()) return true;
    }
    return false;
}

void MarkAllSaved(CCVTxnList& transactions) {
    for (std::uint32_t i = 0; i < transactions.Count(true); ++i) {
        transactions.GetAtAny(i)->MarkSaved();
    }
}

}  // namespace

bool CAccountSaveState::Differs(const CCVAccount& account) const {
    return !m_taken || account.IsUnsaved() || !(account.Record() == m_record) ||
           account.Transactions().EditCount() != m_registerEdits ||
           account.DeletedTransactions().EditCount() != m_deletedEdits ||
           AnyUnsaved(account.Transactions()) || AnyUnsaved(account.DeletedTransactions());
}

void CAccountSaveState::Take(CCVAccount& account) {
    m_record = account.Record();
    m_registerEdits = account.Transactions().EditCount();
    m_deletedEdits = account.DeletedTransactions().EditCount();
    MarkAllSaved(account.Transactions());
    MarkAllSaved(account.DeletedTransactions());
    account.MarkSaved();
    m_taken = true;
}
