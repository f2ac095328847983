#include "model/CTxnSortOrder.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <limits>
#include <unordered_map>
#include <utility>

#include "model/CCVCategoryText.h"
#include "model/CClassList.h"
#include "model/CTransaction.h"
#include "resources/StringTable.h"
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

// Ranks that order after every text rank.
constexpr std::int64_t kAfterTexts = std::numeric_limits<std::int64_t>::max() - 2;

// The text with ASCII letters folded to lower case: ordered as std::string, folded texts order
// as CompareNoCase orders the originals.
std::string Folded(const char* text) {
    std::string folded(text != nullptr ? text : "");
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

// Gives each text its rank among the distinct texts, in order. Registers repeat their payees,
// categories and classes, so the distinct texts are few and only they are sorted.
class TextRanks {
  public:
    explicit TextRanks(std::size_t count) { m_slots.reserve(count); }

    void Add(std::string text) {
        m_slots.push_back(&*m_ranks.try_emplace(std::move(text), 0).first);
    }

    std::vector<std::int64_t> Ranks() {
        std::vector<Entry*> distinct;
        distinct.reserve(m_ranks.size());
        for (Entry& entry : m_ranks) distinct.push_back(&entry);
        std::sort(distinct.begin(), distinct.end(),
                  [](const Entry* a, const Entry* b) { return a->first < b->first; });
        for (std::size_t i = 0; i < distinct.size(); ++i) {
            distinct[i]->second = static_cast<std::int64_t>(i);
        }
        std::vector<std::int64_t> ranks;
        ranks.reserve(m_slots.size());
        for (const Entry* slot : m_slots) ranks.push_back(slot->second);
        return ranks;
    }

  private:
    using Entry = std::pair<const std::string, std::int64_t>;
    std::unordered_map<std::string, std::int64_t> m_ranks;
    std::vector<Entry*> m_slots;
};

// A key's folded text, or a fixed rank (not 0) that orders after every text.
struct RankedText {
    std::string text;
    std::int64_t fixedRank = 0;
};

// The rank of each transaction's category or class: the distinct keys are few, so their texts
// are looked up and ranked once each.
template <typename KeyOf, typename TextOf>
std::vector<std::int64_t> KeyRanks(const std::vector<CTransaction*>& transactions, KeyOf keyOf,
                                   TextOf textOf) {
    std::map<RecordKey, std::int64_t> rankOfKey;
    for (const CTransaction* t : transactions) rankOfKey.try_emplace((t->*keyOf)(), 0);
    TextRanks texts(rankOfKey.size());
    for (auto& [key, rank] : rankOfKey) {
        RankedText ranked = textOf(key);
        rank = ranked.fixedRank;
        texts.Add(std::move(ranked.text));
    }
    const std::vector<std::int64_t> textRanks = texts.Ranks();
    std::size_t i = 0;
    for (auto& [key, rank] : rankOfKey) {
        if (rank == 0) rank = textRanks[i];
        ++i;
    }
    std::vector<std::int64_t> values;
    values.reserve(transactions.size());
    for (const CTransaction* t : transactions) values.push_back(rankOfKey[(t->*keyOf)()]);
    return values;
}

std::uint64_t BytewiseValue(const RecordKey& key) {
    std::uint64_t value = 0;
    for (const std::uint8_t byte : key.bytes) value = (value << 8) | byte;
    return value;
}

}  // namespace

// The keys of one transaction, read once for a sort.
struct CTxnSortOrder::SortValues {
    CTransaction* transaction = nullptr;
    std::array<std::int64_t, kKeyCount> values{};  // by Key; the type key uses the fields below
    std::uint64_t typeValue = 0;
    std::uint32_t checkNumber = 0;
    bool carriesCheckNumber = false;
};

res::StringId CTxnSortOrder::ColumnNameId(int column) {
    return res::NthStringId(res::IDS_SORT_CHECK, column, kColumnCount);
}

CTxnSortOrder::CTxnSortOrder(int column, bool ascending, const CCVCategoryText* categoryText,
                             const CClassList* classes)
    : m_column(column >= 0 && column < kColumnCount ? column : kColumnDate),
      m_ascending(ascending),
      m_categoryText(categoryText),
      m_classes(classes) {}

const std::vector<CTxnSortOrder::Key>& CTxnSortOrder::KeysOf(int column) {
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
    return kKeysOfColumn[static_cast<std::size_t>(column)];
}

int CTxnSortOrder::Compare(const CTransaction& a, const CTransaction& b) const {
    for (const Key key : KeysOf(m_column)) {
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

// ---- sorting many ----

std::vector<std::int64_t> CTxnSortOrder::Project(
    Key key, const std::vector<CTransaction*>& transactions) const {
    std::vector<std::int64_t> values(transactions.size());
    const auto textRanks = [&](auto textOf) {
        TextRanks ranks(transactions.size());
        for (const CTransaction* t : transactions) ranks.Add(textOf(*t));
        return ranks.Ranks();
    };
    switch (key) {
        case kState:
            for (std::size_t i = 0; i < values.size(); ++i) {
                values[i] = StateRank(transactions[i]->GetState());
            }
            break;
        case kDate:
            for (std::size_t i = 0; i < values.size(); ++i) values[i] = transactions[i]->GetDate();
            break;
        case kAmount:
            for (std::size_t i = 0; i < values.size(); ++i) {
                values[i] = transactions[i]->GetSignedAmount();
            }
            break;
        case kPayee:
            values = textRanks([](const CTransaction& t) { return Folded(t.GetPayeeName()); });
            break;
        case kMemo:
            values = textRanks([](const CTransaction& t) { return Folded(t.GetMemo()); });
            break;
        case kCategory:
            values =
                KeyRanks(transactions, &CTransaction::GetCategoryId, [this](const RecordKey& id) {
                    const int rank = CategoryRankOf(id);
                    // Named ones by their folded text; then none, then split.
                    return rank == kNamed ? RankedText{Folded(CategoryText(id).c_str()), 0}
                                          : RankedText{std::string(), kAfterTexts + rank};
                });
            break;
        case kClass:
            values = KeyRanks(transactions, &CTransaction::GetClassId, [this](const RecordKey& id) {
                return id.IsNull() ? RankedText{std::string(), kAfterTexts}
                                   : RankedText{Folded(ClassName(id).c_str()), 0};
            });
            break;
        case kType:
            break;  // compared from its own fields
    }
    return values;
}

int CTxnSortOrder::CompareValues(const SortValues& a, const SortValues& b) const {
    for (const Key key : KeysOf(m_column)) {
        int c = 0;
        if (key != kType) {
            c = Order(a.values[key], b.values[key]);
        } else if (a.carriesCheckNumber && b.carriesCheckNumber) {
            c = Order(a.checkNumber, b.checkNumber);
        } else {
            c = Order(a.typeValue, b.typeValue);
        }
        if (c != 0) return m_ascending ? c : -c;
    }
    return 0;
}

void CTxnSortOrder::StableSort(std::vector<CTransaction*>& transactions) const {
    std::vector<SortValues> sorted(transactions.size());
    for (std::size_t i = 0; i < transactions.size(); ++i) {
        SortValues& v = sorted[i];
        v.transaction = transactions[i];
        v.typeValue = BytewiseValue(transactions[i]->GetTypeId());
        v.checkNumber = transactions[i]->GetCheckNumber();
        v.carriesCheckNumber = transactions[i]->CarriesCheckNumber();
    }
    for (const Key key : KeysOf(m_column)) {
        if (key == kType) continue;
        const std::vector<std::int64_t> values = Project(key, transactions);
        for (std::size_t i = 0; i < sorted.size(); ++i) sorted[i].values[key] = values[i];
    }
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [this](const SortValues& a, const SortValues& b) { return CompareValues(a, b) < 0; });
    for (std::size_t i = 0; i < sorted.size(); ++i) transactions[i] = sorted[i].transaction;
}
