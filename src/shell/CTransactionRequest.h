#pragma once

#include "shell/NavigationRecords.h"
#include "storage/RecordKey.h"

// Which transaction the editor opens when a screen other than the register sends it there (the
// report and budget details, the review): the account and the transaction, by identifier.
namespace shell {

class CTransactionRequest : public CNavigationPayload {
  public:
    CTransactionRequest(const RecordKey& accountId, const RecordKey& transactionId)
        : m_accountId(accountId), m_transactionId(transactionId) {}
    const RecordKey& AccountId() const { return m_accountId; }
    const RecordKey& TransactionId() const { return m_transactionId; }

  private:
    RecordKey m_accountId;
    RecordKey m_transactionId;
};

}  // namespace shell
