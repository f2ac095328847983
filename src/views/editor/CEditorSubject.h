#pragma once

#include <memory>

#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CCVAccountList;
class CScheduledItem;
class CTransaction;
class PayeeMemoryFields;

namespace shell {
class CScheduledRequest;
class CTransactionRequest;
}  // namespace shell

// What the transaction editor edits: the working copy of a transaction or of a scheduled
// transaction, and what it stands for (the account and transaction it came from, the scheduled
// transaction and, for "Record", the occurrence's date). A copy copies the working object, so the
// editor's saved state keeps the entries while another screen is open.
namespace views {

class CEditorSubject {
  public:
    CEditorSubject();
    ~CEditorSubject();
    CEditorSubject(const CEditorSubject& other);
    CEditorSubject& operator=(const CEditorSubject& other);

    // A new transaction of the current account (dated now, of the account's default type);
    // false without one.
    bool NewTransaction(const CCVAccount* current);
    // A new scheduled transaction, for the current account when there is one.
    void NewScheduled(const CCVAccount* current);
    // The scheduled transaction the request names, dated for the occurrence (`upcoming`) or its
    // next date; false when it is gone or there is no request.
    bool StoredScheduled(CCVAccountList& accounts, const shell::CScheduledRequest* request,
                         bool upcoming);
    // The transaction a request names, or else row `row` of the current account's register;
    // false when there is none.
    bool StoredTransaction(CCVAccountList& accounts, const CCVAccount* current,
                           const shell::CTransactionRequest* request, long long row);

    bool IsLoaded() const { return m_working != nullptr || m_scheduled != nullptr; }
    bool IsScheduled() const { return m_scheduled != nullptr; }
    // The transaction shown: the working transaction or the scheduled one's template.
    CTransaction& Working() const;
    CScheduledItem& Scheduled() const { return *m_scheduled; }
    // What payee memory fills: the transaction or the scheduled transaction.
    PayeeMemoryFields& Memory() const;

    const RecordKey& AccountId() const { return m_accountId; }
    const RecordKey& OriginalId() const { return m_originalId; }
    const RecordKey& ScheduledKey() const { return m_scheduledKey; }
    DateTime Occurrence() const { return m_occurrence; }

  private:
    std::unique_ptr<CTransaction> m_working;
    std::unique_ptr<CScheduledItem> m_scheduled;
    RecordKey m_accountId;
    RecordKey m_originalId;
    RecordKey m_scheduledKey;
    DateTime m_occurrence = 0;
};

}  // namespace views
