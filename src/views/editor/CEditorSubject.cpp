#include "views/editor/CEditorSubject.h"

#include "model/CCVAccountList.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CTransaction.h"
#include "shell/CScheduledRequest.h"
#include "shell/CTransactionRequest.h"

namespace views {

CEditorSubject::CEditorSubject() = default;
CEditorSubject::~CEditorSubject() = default;

CEditorSubject::CEditorSubject(const CEditorSubject& other) {
    *this = other;
}

CEditorSubject& CEditorSubject::operator=(const CEditorSubject& other) {
    if (this == &other) return *this;
    m_working = other.m_working ? std::make_unique<CTransaction>(*other.m_working) : nullptr;
    m_scheduled =
        other.m_scheduled ? std::make_unique<CScheduledItem>(*other.m_scheduled) : nullptr;
    m_accountId = other.m_accountId;
    m_originalId = other.m_originalId;
    m_scheduledKey = other.m_scheduledKey;
    m_occurrence = other.m_occurrence;
    return *this;
}

bool CEditorSubject::NewTransaction(const CCVAccount* current) {
    if (current == nullptr) return false;
    m_working = std::make_unique<CTransaction>();
    m_working->SetDate(Now());
    m_working->SetTypeId(current->GetDefaultTypeId());
    m_accountId = current->GetAccountId();
    return true;
}

void CEditorSubject::NewScheduled(const CCVAccount* current) {
    m_scheduled = std::make_unique<CScheduledItem>();
    m_scheduled->Template().SetDate(Now());
    if (current != nullptr) {
        m_scheduled->SetAccountId(current->GetAccountId());
        m_scheduled->Template().SetTypeId(current->GetDefaultTypeId());
    }
}

bool CEditorSubject::StoredScheduled(CCVAccountList& accounts,
                                     const shell::CScheduledRequest* request, bool upcoming) {
    CScheduledList* list = accounts.GetScheduledTransactions();
    if (request == nullptr || list == nullptr) return false;
    const auto* item = static_cast<const CScheduledItem*>(list->FindByKey(request->ScheduledKey()));
    if (item == nullptr) return false;
    m_scheduled = std::make_unique<CScheduledItem>(*item);
    m_scheduledKey = request->ScheduledKey();
    m_occurrence = request->OccurrenceDate();
    // The date field shows the occurrence, or the next date; the template's own date plays no
    // part in the schedule.
    const DateTime shown = upcoming ? m_occurrence : item->GetNextDate();
    m_scheduled->Template().SetDate(shown != 0 && !item->HasEnded() ? shown : Now());
    return true;
}

bool CEditorSubject::StoredTransaction(CCVAccountList& accounts, const CCVAccount* current,
                                       const shell::CTransactionRequest* request, long long row) {
    const CCVAccount* account = current;
    const CTransaction* transaction = nullptr;
    if (request != nullptr) {
        account = accounts.FindAccountById(request->AccountId());
        if (account != nullptr) transaction = account->FindById(request->TransactionId());
    } else if (account != nullptr && row >= 0) {
        transaction = account->GetFiltered(account->GetFilter(), row);
    }
    if (account == nullptr || transaction == nullptr) return false;
    m_accountId = account->GetAccountId();
    m_originalId = transaction->GetTransactionId();
    m_working = std::make_unique<CTransaction>(*transaction);
    return true;
}

CTransaction& CEditorSubject::Working() const {
    return m_scheduled ? m_scheduled->Template() : *m_working;
}

PayeeMemoryFields& CEditorSubject::Memory() const {
    if (m_scheduled) return *m_scheduled;
    return *m_working;
}

}  // namespace views
