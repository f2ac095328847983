#include "online/CTransactionReview.h"

#include <algorithm>

#include "model/CCVAccount.h"
#include "model/CCVTxnList.h"
#include "online/OnlineText.h"

CTransactionReview::CTransactionReview(CCVAccount& account, std::int64_t index, int filter)
    : m_account(account), m_filter(filter), m_position(index) {
    m_account.SetReviewFilter(filter);
    Clamp();
}

void CTransactionReview::Clamp() {
    const auto count = static_cast<std::int64_t>(Count());
    m_position = std::max<std::int64_t>(0, std::min(m_position, count - 1));
}

std::uint32_t CTransactionReview::Count() const {
    return m_account.CountFiltered(m_filter);
}

CTransaction* CTransactionReview::Current() const {
    return m_account.GetFiltered(m_filter, m_position);
}

CTransaction* CTransactionReview::Partner() const {
    const CTransaction* current = Current();
    if (current == nullptr || current->GetMatchedTransactionId().IsNull()) return nullptr;
    return m_account.FindById(current->GetMatchedTransactionId());
}

res::StringId CTransactionReview::Question() const {
    return Partner() != nullptr ? res::IDS_ACCEPT_MATCH_QUESTION : res::IDS_ACCEPT_NEW_QUESTION;
}

bool CTransactionReview::Next() {
    if (!HasNext()) return false;
    ++m_position;
    return true;
}

bool CTransactionReview::Previous() {
    if (!HasPrevious()) return false;
    --m_position;
    return true;
}

bool CTransactionReview::Accept() {
    if (CTransaction* current = Current()) m_account.AcceptTransaction(current);
    Clamp();
    return Count() > 0;
}

void CTransactionReview::AcceptAll() {
    m_account.SetReviewFilter(m_filter);
    m_account.AcceptDownloaded();
    m_position = 0;
}

void CTransactionReview::Candidates(CCVTxnList& candidates) const {
    m_account.MatchCandidates(candidates);
}

int CTransactionReview::Match(const CTransaction& candidate) {
    CTransaction* current = Current();
    if (current == nullptr) return 1;
    if (!CCVAccount::CanBeMatched(candidate)) return kNotMatchable;
    m_account.SetReviewFilter(m_filter);
    m_account.MatchManually(*current, candidate);
    return 0;
}

int CTransactionReview::NoMatch() {
    CTransaction* current = Current();
    if (current == nullptr) return 1;
    m_account.Unmatch(*current);
    return 0;
}

CTransactionReview::Summary CTransactionReview::DownloadSummary(const CCVAccount& account) {
    Summary summary;
    summary.downloaded = account.CountFiltered(CTransaction::kFilterDownloaded);
    summary.matched = account.GetMatchedCount();
    summary.added = static_cast<std::int64_t>(summary.downloaded) - summary.matched;
    return summary;
}

void CTransactionReview::AcceptAllDownloaded(CCVAccount& account) {
    CTransactionReview(account, 0, CTransaction::kFilterDownloaded).AcceptAll();
}

CTransactionReview::Opening CTransactionReview::CheckUnaccepted(CCVAccount& account,
                                                                MOnlineMessages& messages) {
    struct Question {
        bool pending;
        int filter;
        res::StringId text;
    };
    const Question questions[] = {
        {account.GetDownloadReviewPending(), CTransaction::kFilterDownloaded,
         res::IDS_UNACCEPTED_DOWNLOADED},
        {account.GetImportReviewPending(), CTransaction::kFilterImported,
         res::IDS_UNACCEPTED_IMPORTED},
    };
    for (const Question& question : questions) {
        const std::uint32_t count = account.CountFiltered(question.filter);
        if (!question.pending || count == 0) continue;
        if (question.filter == CTransaction::kFilterDownloaded) {
            account.SetDownloadReviewPending(false);
        } else {
            account.SetImportReviewPending(false);
        }
        if (messages.ShowMessage(MOnlineMessages::kOwnerCaller,
                                 OnlineText(question.text, static_cast<int>(count)),
                                 res::IDS_APP_NAME, MOnlineMessages::Style::kYesNoQuestion)) {
            return {true, 0, question.filter};
        }
    }
    return {};
}

CTransactionReview::Opening CTransactionReview::OpeningFor(const CCVAccount& account,
                                                           const CTransaction& transaction) {
    int filter = CTransaction::kFilterAll;
    if (transaction.IsDownloaded()) {
        filter = CTransaction::kFilterDownloaded;
    } else if (transaction.IsImported()) {
        filter = CTransaction::kFilterImported;
    } else {
        return {};
    }
    const std::int64_t index = account.IndexOfId(filter, transaction.GetTransactionId());
    if (index < 0) return {};
    return {true, index, filter};
}
