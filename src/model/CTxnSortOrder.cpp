#include "model/CTxnSortOrder.h"

#include <array>
#include <compare>
#include <cstddef>
#include <vector>

#include "model/CCVCategoryText.h"
#include "model/CClassList.h"
#include "model/CTransaction.h"
#include "storage/Text.h"

namespace {

template <typename T>
int Order(const T& a, const T& b) {
    const auto c = a <=> b;
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// reconciled, cleared, uncleared, void
int StateRank(CTransaction::State state) {
    constexpr std::array<int, 4> kRankOfState = {2, 1, 0, 3};
    return kRankOfState[static_cast<std::size_t>(state) & 3];
}

// A named category or account, then none, then split.
enum CategoryRank { kNamed = 0, kNoCategory = 1, kSplit = 2 };

int CategoryRankOf(const RecordKey& key) {
    if (key.IsNull()) return kNoCategory;
    return key == CTransaction::SplitCategoryId() ? kSplit : kNamed;
}

}  // namespace

res::StringId CTxnSortOrder::ColumnNameId(int column) {
    if (column < 0 || column >= kColumnCount) return res::IDS_NONE;
    return static_cast<res::StringId>(res::IDS_SORT_CHECK + column);
}

CTxnSortOrder::CTxnSortOrder(int column, bool ascending, const CCVCategoryText* categoryText,
                             const CClassList* classes)
    : m_column(column >= 0 && column < kColumnCount ? column : kColumnDate),
      m_ascending(ascending),
      m_categoryText(categoryText),
      m_classes(classes) {}

int CTxnSortOrder::Compare(const CTransaction& a, const CTransaction& b) const {
    static const std::array<std::vector<Key>, kColumnCount> kKeysOfColumn = {{
        {kState, kDate, kType, kPayee, kAmount},
        {kCategory, kPayee, kAmount, kState, kDate, kType},
        {kDate, kType, kPayee, kAmount, kState},
        {kType, kPayee, kAmount, kState, kDate},
        {kPayee, kAmount, kState, kDate, kType},
        {kCategory, kPayee, kAmount, kState, kDate, kType},
        {kClass, kPayee, kAmount, kState, kDate, kType, kCategory},
        {kMemo, kDate, kType, kPayee, kAmount},
        {kAmount, kState, kDate, kType, kPayee},
    }};
    for (const Key key : kKeysOfColumn[static_cast<std::size_t>(m_column)]) {
        const int c = CompareKey(key, a, b);
        if (c != 0) return m_ascending ? c : -c;
    }
    return 0;
}

int CTxnSortOrder::CompareKey(Key key, const CTransaction& a, const CTransaction& b) const {
    switch (key) {
        case kState:
            return Order(StateRank(a.GetState()), StateRank(b.GetState()));
        case kDate:
            return Order(a.GetDate(), b.GetDate());
        case kType:
            if (a.CarriesCheckNumber() && b.CarriesCheckNumber()) {
                return Order(a.GetCheckNumber(), b.GetCheckNumber());
            }
            return Order(a.GetTypeId(), b.GetTypeId());
        case kPayee:
            return Order(CompareNoCase(a.GetPayeeName(), b.GetPayeeName()), 0);
        case kAmount:
            return Order(a.GetSignedAmount(), b.GetSignedAmount());
        case kCategory:
            return CompareCategory(a.GetCategoryId(), b.GetCategoryId());
        case kClass:
            return CompareClass(a.GetClassId(), b.GetClassId());
        case kMemo:
            return Order(CompareNoCase(a.GetMemo(), b.GetMemo()), 0);
    }
    return 0;
}

int CTxnSortOrder::CompareCategory(const RecordKey& a, const RecordKey& b) const {
    if (a == b) return 0;
    const int rankA = CategoryRankOf(a);
    const int rankB = CategoryRankOf(b);
    if (rankA != rankB || rankA != kNamed) return Order(rankA, rankB);
    return Order(CompareNoCase(CategoryText(a).c_str(), CategoryText(b).c_str()), 0);
}

int CTxnSortOrder::CompareClass(const RecordKey& a, const RecordKey& b) const {
    if (a == b) return 0;
    // A named class before no class.
    if (a.IsNull() || b.IsNull()) return a.IsNull() ? 1 : -1;
    return Order(CompareNoCase(ClassName(a).c_str(), ClassName(b).c_str()), 0);
}

const std::string& CTxnSortOrder::CategoryText(const RecordKey& key) const {
    auto [it, added] = m_categoryTexts.try_emplace(key);
    if (added && m_categoryText != nullptr) it->second = m_categoryText->GetCategoryText(key);
    return it->second;
}

const std::string& CTxnSortOrder::ClassName(const RecordKey& key) const {
    auto [it, added] = m_classNames.try_emplace(key);
    if (added && m_classes != nullptr) m_classes->NameOfKey(key, it->second);
    return it->second;
}
