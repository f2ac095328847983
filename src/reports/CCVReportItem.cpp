#include "reports/CCVReportItem.h"

#include <unordered_map>
#include <utility>

#include "model/AmountMath.h"
#include "model/CCVAccountList.h"
#include "model/CTransaction.h"

namespace {

RecordKey CategoryOf(const CTransaction& transaction, std::uint8_t splitIndex) {
    return splitIndex == CCVReportItem::kWholeTransaction
               ? transaction.GetCategoryId()
               : transaction.GetSplit(splitIndex).GetCategoryId();
}

RecordKey ClassOf(const CTransaction& transaction, std::uint8_t splitIndex) {
    return splitIndex == CCVReportItem::kWholeTransaction
               ? transaction.GetClassId()
               : transaction.GetSplit(splitIndex).GetClassId();
}

}  // namespace

CCVReportItem::CCVReportItem(std::int32_t kind, std::string name, const RecordKey& key,
                             const RecordKey& parentKey, Role role)
    : m_kind(kind), m_name(std::move(name)), m_key(key), m_parentKey(parentKey), m_role(role) {}

CCVReportItem::CCVReportItem(CCVAccountList& accounts, std::int32_t kind, CTransaction& transaction,
                             std::uint8_t splitIndex, Amount amount)
    : m_kind(kind) {
    switch (kind) {
        case kPayee:
            m_name = transaction.GetPayeeName();
            break;
        case kCategory: {
            m_key = CategoryOf(transaction, splitIndex);
            const CCVCategoryList& categories = accounts.GetCategories();
            if (const auto* category =
                    static_cast<const CCVCategoryItem*>(categories.FindByKey(m_key))) {
                m_name = category->GetFullName(categories);
                m_parentKey = category->GetParentKey();
            } else {
                m_name = accounts.GetAccountNameById(m_key, true);
            }
            break;
        }
        case kClass:
            m_key = ClassOf(transaction, splitIndex);
            accounts.GetClasses().NameOfKey(m_key, m_name);
            break;
        default:
            break;
    }
    AddPart(transaction, amount);
}

CCVReportItem::~CCVReportItem() = default;

CTransaction* CCVReportItem::TransactionAt(std::size_t index) const {
    return index < m_entries.size() ? m_entries[index].transaction : nullptr;
}

void CCVReportItem::AddPart(CTransaction& transaction, Amount part) {
    m_amount = AddAmounts(m_amount, part);
    if (!m_entries.empty() && m_entries.back().transaction == &transaction) {
        m_entries.back().part = AddAmounts(m_entries.back().part, part);
    } else {
        m_entries.push_back({&transaction, part});
    }
}

void CCVReportItem::AppendEntries(const CCVReportItem& other) {
    m_entries.insert(m_entries.end(), other.m_entries.begin(), other.m_entries.end());
}

void CCVReportItem::MergeEntries() {
    std::unordered_map<const CTransaction*, std::size_t> first;
    std::vector<Entry> merged;
    merged.reserve(m_entries.size());
    for (const Entry& entry : m_entries) {
        const auto [at, added] = first.try_emplace(entry.transaction, merged.size());
        if (added) {
            merged.push_back(entry);
        } else {
            merged[at->second].part = AddAmounts(merged[at->second].part, entry.part);
        }
    }
    m_entries = std::move(merged);
}

Amount CCVReportItem::SumOfParts() const {
    Amount sum = 0;
    for (const Entry& entry : m_entries) sum = AddAmounts(sum, entry.part);
    return sum;
}
