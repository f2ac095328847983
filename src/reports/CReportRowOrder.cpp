#include "reports/CReportRowOrder.h"

#include "model/CCVAccountList.h"
#include "model/CTransaction.h"
#include "reports/CCVReportItem.h"
#include "reports/ReportChoices.h"
#include "storage/Text.h"

namespace {

template <typename Value>
int Sign(Value a, Value b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

CReportRowOrder::CReportRowOrder(CCVAccountList& accounts, int by) : m_by(by) {
    if (by == report::kByPayee) {
        m_unassignedRank = kNamed + 1;
        return;
    }
    const CCVItemList& list = by == report::kByCategory
                                  ? static_cast<const CCVItemList&>(accounts.GetCategories())
                                  : static_cast<const CCVItemList&>(accounts.GetClasses());
    const std::int64_t count = list.Count();
    m_ranks.reserve(static_cast<std::size_t>(count) + accounts.Count());
    for (std::int64_t i = 0; i < count; ++i) m_ranks.try_emplace(*list.GetAt(i)->GetKey(), i);
    m_unassignedRank = count;
    if (by != report::kByCategory) return;
    for (std::uint32_t i = 0; i < accounts.Count(); ++i) {
        m_ranks.try_emplace(accounts.At(i)->GetAccountId(), count + 1 + i);
    }
}

CReportRowOrder::Place CReportRowOrder::PlaceOfKey(const RecordKey& key) const {
    const auto found = m_ranks.find(key);
    if (key.IsNull() || found == m_ranks.end()) return UnassignedPlace();
    return {found->second, nullptr, false};
}

CReportRowOrder::Place CReportRowOrder::PlaceOf(const CTransaction& transaction,
                                                std::uint8_t splitIndex) const {
    const bool whole = splitIndex == CCVReportItem::kWholeTransaction;
    switch (m_by) {
        case report::kByPayee: {
            const char* payee = transaction.GetPayeeName();
            if (IsEmptyText(payee)) return UnassignedPlace();
            return {kNamed, payee, false};
        }
        case report::kByCategory:
            return PlaceOfKey(whole ? transaction.GetCategoryId()
                                    : transaction.GetSplit(splitIndex).GetCategoryId());
        default:
            return PlaceOfKey(whole ? transaction.GetClassId()
                                    : transaction.GetSplit(splitIndex).GetClassId());
    }
}

CReportRowOrder::Place CReportRowOrder::PlaceOfRow(const CCVReportItem& row) const {
    if (row.IsUnassigned()) return UnassignedPlace();
    if (m_by == report::kByPayee) return {kNamed, row.GetName(), false};
    return PlaceOfKey(*row.GetKey());
}

int CReportRowOrder::Compare(const CCVReportItem& row, const Place& place) const {
    const Place own = PlaceOfRow(row);
    if (own.rank != place.rank) return Sign(own.rank, place.rank);
    if (own.name == nullptr || place.name == nullptr) return 0;
    const int byName = CompareNoCase(own.name, place.name);
    return Sign(byName, 0);
}
