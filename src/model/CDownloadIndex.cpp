#include "model/CDownloadIndex.h"

#include <algorithm>

#include "model/CCVTxnList.h"
#include "model/CTransaction.h"

namespace {

// Whether an entered transaction may be the partner of a downloaded line at all (the date and
// the type are for the account to judge).
bool MayBeCandidate(const CTransaction& t) {
    return t.GetOnlineOrigin() != CTransaction::kAwaitingReview &&
           t.GetMatchedTransactionId().IsNull() && !t.IsReconciled() && !t.IsVoid();
}

}  // namespace

CDownloadIndex::CDownloadIndex(const CCVTxnList& transactions) {
    Build(transactions);
}

void CDownloadIndex::Sync(const CCVTxnList& transactions) {
    if (&transactions == m_list && transactions.EditCount() == m_editCount) return;
    m_idsBefore.clear();
    m_withoutIdBefore.clear();
    m_candidates.clear();
    // Lines of the statement that left the register are forgotten.
    std::unordered_set<const CTransaction*> stillThere;
    const auto count = static_cast<std::int64_t>(transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        if (m_ownLines.contains(transactions.At(i))) stillThere.insert(transactions.At(i));
    }
    m_ownLines = std::move(stillThere);
    Build(transactions);
}

void CDownloadIndex::Build(const CCVTxnList& transactions) {
    m_list = &transactions;
    m_editCount = transactions.EditCount();
    const auto count = static_cast<std::int64_t>(transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = transactions.At(i);
        if (m_ownLines.contains(t)) continue;
        if (t->GetOnlineId()[0] != '\0') {
            m_idsBefore.insert(t->GetOnlineId());
        } else if (t->GetOnlineOrigin() != CTransaction::kEntered) {
            ++m_withoutIdBefore[WithoutIdKey(*t)];
        }
        if (MayBeCandidate(*t)) m_candidates[t->GetAmount()].push_back(t);
    }
}

std::string CDownloadIndex::WithoutIdKey(const CTransaction& t) {
    std::string key;
    const DateTime date = t.GetDate();
    const Amount amount = t.GetSignedAmount();
    const std::uint32_t number = t.CarriesCheckNumber() ? t.GetCheckNumber() : 0;
    key.append(reinterpret_cast<const char*>(&date), sizeof date);
    key.append(reinterpret_cast<const char*>(&amount), sizeof amount);
    key.append(reinterpret_cast<const char*>(&number), sizeof number);
    key += t.GetPayeeName();
    return key;
}

bool CDownloadIndex::IsKnownId(const std::string& id, DateTime date, Amount signedAmount) const {
    if (m_idsBefore.contains(id)) return true;
    const auto seen = m_idsOfStatement.find(id);
    if (seen == m_idsOfStatement.end()) return false;
    return std::any_of(seen->second.begin(), seen->second.end(),
                       [&](const Seen& s) { return s.date == date && s.amount == signedAmount; });
}

bool CDownloadIndex::TakeWithoutIdDuplicate(const CTransaction& line) {
    const auto known = m_withoutIdBefore.find(WithoutIdKey(line));
    if (known == m_withoutIdBefore.end() || known->second == 0) return false;
    --known->second;
    return true;
}

void CDownloadIndex::Added(const CTransaction& added) {
    m_ownLines.insert(&added);
    if (m_list != nullptr) m_editCount = m_list->EditCount();
    const std::string id = added.GetOnlineId();
    if (!id.empty()) m_idsOfStatement[id].push_back({added.GetDate(), added.GetSignedAmount()});
}

std::vector<CTransaction*>* CDownloadIndex::Candidates(Amount amount) {
    const auto found = m_candidates.find(amount);
    return found != m_candidates.end() ? &found->second : nullptr;
}

void CDownloadIndex::Matched(CTransaction* candidate) {
    const auto found = m_candidates.find(candidate->GetAmount());
    if (found == m_candidates.end()) return;
    std::erase(found->second, candidate);
}
