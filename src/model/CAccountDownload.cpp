#include "model/CAccountDownload.h"

#include <string>
#include <utility>
#include <vector>

#include "model/CCVAccount.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CCVTxnList.h"
#include "model/CDownloadIndex.h"
#include "model/CDownloadedLine.h"
#include "model/CTransaction.h"
#include "model/CTxnSortOrder.h"
#include "storage/Text.h"

CAccountDownload::CAccountDownload(CCVAccount& account) : m_account(account) {}

CAccountDownload::~CAccountDownload() = default;

void CAccountDownload::Begin(CCVTxnList* downloadList, DownloadOrder order) {
    m_downloadOrder = order;
    m_newForDownload =
        m_account.Record().GetBeginningBalance() == 0 && m_account.Transactions().Count() == 0;
    m_downloadList = downloadList;
    if (m_downloadList != nullptr) m_downloadList->SetBorrowing();
    m_matchedCount = 0;
    m_downloadIndex = std::make_unique<CDownloadIndex>(m_account.Transactions());
}

void CAccountDownload::End() {
    if (m_downloadOrder == DownloadOrder::kOrderAtEnd) m_account.Resort();
    m_downloadOrder = DownloadOrder::kOrderEachLine;
    m_downloadIndex.reset();
    m_downloadList = nullptr;
    m_newForDownload = false;
}

// 1. A line the account already holds is skipped (the duplicate rule of CDownloadIndex: by
//    bank identifier, or for a line without one by date, amount, payee and check number).
// 2. The line becomes a transaction (CDownloadedLine), matched against the entered transactions
//    and added to the register; the balances follow.
// 3. It is appended to the download list; a match counts in the matched count; the register will
//    offer the review of downloaded transactions.
int CAccountDownload::AddLine(DateTime date, const char* amountText, const char* typeText,
                              const char* checkNumberText, const char* payeeText,
                              const char* memoText, const char* transactionIdText) {
    const CDownloadedLine line(date, amountText, typeText, checkNumberText, payeeText, memoText,
                               transactionIdText);
    // Outside a download the index serves this one line.
    std::unique_ptr<CDownloadIndex> single;
    if (m_downloadIndex == nullptr) {
        single = std::make_unique<CDownloadIndex>(m_account.Transactions());
    }
    CDownloadIndex& index = m_downloadIndex != nullptr ? *m_downloadIndex : *single;
    index.Sync(m_account.Transactions());
    bool matched = false;
    std::unique_ptr<CTransaction> transaction = NewDownloadedTransaction(index, line, matched);
    if (!transaction) return 0;
    if (!transaction->IsVoid() && !m_account.CanTake(transaction->GetSignedAmount())) {
        ReleasePartner(*transaction);
        return CCVAccount::kBalanceLimit;
    }
    CTransaction* added = transaction.get();
    if (m_downloadOrder == DownloadOrder::kOrderAtEnd && m_downloadIndex != nullptr) {
        m_account.AddAtEnd(std::move(transaction));
    } else if (const int rc = m_account.AddTransaction(std::move(transaction)); rc != 0) {
        return rc;
    }
    index.Added(*added);
    if (m_downloadList != nullptr) m_downloadList->Append(added);
    if (matched) ++m_matchedCount;
    m_account.SetDownloadReviewPending(true);
    return 0;
}

std::unique_ptr<CTransaction> CAccountDownload::NewDownloadedTransaction(
    CDownloadIndex& index, const CDownloadedLine& line, bool& matched) {
    // A known identifier is skipped before the line touches the payee look-ups. It is compared
    // as the register keeps it: an identifier longer than the stored field is kept cut short.
    const std::string id = CTransaction::StoredOnlineId(line.GetTransactionId());
    if (!id.empty() && index.IsKnownId(id, line.GetDate(), line.SignedAmount())) return nullptr;
    CCVAccount::MOwner* owner = m_account.GetOwner();
    CCVPayeeLookUpList* lookUps = owner != nullptr ? owner->GetPayeeLookUpList() : nullptr;
    std::unique_ptr<CTransaction> transaction =
        line.MakeTransaction(m_account.Record().GetCurrency(), lookUps);
    if (id.empty() && index.TakeWithoutIdDuplicate(*transaction)) return nullptr;
    matched = MatchAutomatically(*transaction, index);
    return transaction;
}

// The first entered transaction in register order that qualifies, as MatchAutomatically finds it,
// among those of the same amount.
bool CAccountDownload::MatchAutomatically(CTransaction& added, CDownloadIndex& index) {
    std::vector<CTransaction*>* candidates = index.Candidates(added.GetAmount());
    if (candidates == nullptr) return false;
    for (CTransaction* entered : *candidates) {
        if (entered == &added || !CanMatch(*entered, added)) continue;
        entered->SetMatchedTransactionId(added.GetTransactionId());
        added.SetMatchedTransactionId(entered->GetTransactionId());
        index.Matched(entered);
        return true;
    }
    return false;
}

bool CAccountDownload::CanBeMatched(const CTransaction& entered) {
    return entered.GetLinkedTransactionId().IsNull() && !entered.IsSplit() &&
           !entered.IsSplitTransferTwin();
}

bool CAccountDownload::CanMatch(const CTransaction& entered, const CTransaction& added) {
    if (entered.GetOnlineOrigin() == CTransaction::kAwaitingReview ||
        !entered.GetMatchedTransactionId().IsNull() || entered.IsReconciled() || entered.IsVoid()) {
        return false;
    }
    // Accepting would give a transfer or a split the bank's amount and date without its twin or
    // its split lines: they are kept out of matching. A transfer (or the twin of a split line)
    // that the line repeats exactly, date and amount, is the exception, as accepting then changes
    // neither it nor its twin: a file written from all accounts holds each transfer once in each
    // of its two accounts.
    if (!CanBeMatched(entered)) {
        if (entered.IsSplit() || entered.GetDate() != added.GetDate() ||
            entered.GetAmount() != added.GetAmount()) {
            return false;
        }
    }
    // Seven days either way, both ends included; computed wide so that no date wraps around.
    const std::int64_t apart =
        static_cast<std::int64_t>(entered.GetDate()) - static_cast<std::int64_t>(added.GetDate());
    if (apart < -CCVAccount::kMatchWindowSeconds || apart > CCVAccount::kMatchWindowSeconds)
        return false;
    if (entered.IsDebit() != added.IsDebit()) return false;
    if (entered.IsDebit()) {
        if (entered.CarriesCheckNumber() != added.CarriesCheckNumber()) return false;
        if (entered.CarriesCheckNumber() && entered.GetCheckNumber() != added.GetCheckNumber()) {
            return false;
        }
    }
    return entered.GetAmount() == added.GetAmount();
}

bool CAccountDownload::MatchAutomatically(CTransaction& added) {
    const CCVTxnList& transactions = m_account.Transactions();
    const auto count = static_cast<std::int64_t>(transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* entered = transactions.At(i);
        if (entered == &added || !CanMatch(*entered, added)) continue;
        entered->SetMatchedTransactionId(added.GetTransactionId());
        added.SetMatchedTransactionId(entered->GetTransactionId());
        return true;
    }
    return false;
}

int CAccountDownload::AcceptTransaction(CTransaction* transaction) {
    if (transaction == nullptr || m_account.Transactions().IndexOf(transaction) < 0) return 1;
    CTransaction* partner = transaction->GetMatchedTransactionId().IsNull()
                                ? nullptr
                                : m_account.FindById(transaction->GetMatchedTransactionId());
    if (partner == nullptr || partner == transaction) {
        // No partner, or one that is gone: the transaction is accepted as a new one.
        if (!transaction->GetMatchedTransactionId().IsNull()) {
            transaction->SetMatchedTransactionId(RecordKey{});
        }
        transaction->SetOnlineOrigin(CTransaction::kAccepted);
        return 0;
    }
    partner->SetAmount(transaction->GetAmount());
    partner->SetState(transaction->GetState());
    partner->SetOnlineOrigin(CTransaction::kAccepted);
    if (transaction->IsDownloaded()) partner->SetOnlineId(transaction->GetOnlineId());
    partner->SetDate(transaction->GetDate());
    if (partner->IsDebit() != transaction->IsDebit()) partner->SetTypeId(transaction->GetTypeId());
    if (IsEmptyText(partner->GetMemo())) partner->SetMemo(transaction->GetMemo());
    if (transaction->IsDownloaded() && m_matchedCount > 0) --m_matchedCount;
    // The partner's date and amount may have moved it: it takes its place in the order again.
    m_account.Transactions().Remove(partner);
    m_account.Transactions().InsertInOrder(partner, m_account.SortOrder());
    return m_account.DeleteTransactionById(transaction->GetTransactionId(), false);
}

void CAccountDownload::AcceptDownloaded() {
    std::vector<CTransaction*> pending;
    const CCVTxnList& transactions = m_account.Transactions();
    const auto count = static_cast<std::int64_t>(transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = transactions.At(i);
        if (t->MatchesFilter(m_account.GetReviewFilter()) &&
            t->GetOnlineOrigin() == CTransaction::kAwaitingReview) {
            pending.push_back(t);
        }
    }
    for (CTransaction* t : pending) AcceptTransaction(t);
    if (m_account.GetReviewFilter() == CTransaction::kFilterDownloaded) m_matchedCount = 0;
}

void CAccountDownload::MatchCandidates(CCVTxnList& candidates) const {
    candidates.Clear(true, true);
    candidates.SetBorrowing();
    const CCVTxnList& transactions = m_account.Transactions();
    const auto count = static_cast<std::int64_t>(transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = transactions.At(i);
        if (!t->IsReconciled() && !t->IsVoid() &&
            t->GetOnlineOrigin() != CTransaction::kAwaitingReview) {
            candidates.Append(t);
        }
    }
    candidates.Resort(CTxnSortOrder(CTxnSortOrder::kColumnDate, true));
}

void CAccountDownload::ReleasePartner(const CTransaction& transaction) {
    if (transaction.GetMatchedTransactionId().IsNull()) return;
    CTransaction* partner = m_account.FindById(transaction.GetMatchedTransactionId());
    if (partner != nullptr &&
        partner->GetMatchedTransactionId() == transaction.GetTransactionId()) {
        partner->SetMatchedTransactionId(RecordKey{});
    }
}

void CAccountDownload::MatchManually(CTransaction& transaction, const CTransaction& candidate) {
    const RecordKey& candidateId = candidate.GetTransactionId();
    // Left pointing here, the former partner would never again be matched automatically.
    if (transaction.GetMatchedTransactionId() != candidateId) ReleasePartner(transaction);
    const CCVTxnList& transactions = m_account.Transactions();
    const auto count = static_cast<std::int64_t>(transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = transactions.At(i);
        if (t->MatchesFilter(m_account.GetReviewFilter()) &&
            t->GetMatchedTransactionId() == candidateId) {
            t->SetMatchedTransactionId(RecordKey{});
        }
    }
    transaction.SetMatchedTransactionId(candidateId);
}

void CAccountDownload::Unmatch(CTransaction& transaction) {
    ReleasePartner(transaction);
    transaction.SetMatchedTransactionId(RecordKey{});
}

void CAccountDownload::Forget(CTransaction& transaction) {
    ReleasePartner(transaction);
    if (m_downloadList != nullptr) m_downloadList->Remove(&transaction);
}

int CAccountDownload::SetClearedBalanceFromBank(const char* balanceText) {
    if (m_newForDownload)
        m_account.SetBalanceTo(CCVAccount::kBalanceCleared,
                               CDownloadedLine::ParseBankAmount(balanceText));
    return 0;
}
