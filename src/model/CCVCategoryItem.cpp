#include "model/CCVCategoryItem.h"

#include "model/CCVCategoryList.h"
#include "storage/RecordArchive.h"

CCVCategoryItem::CCVCategoryItem(const char* name) : m_key(NewRecordKey()) {
    m_name.Set(name);
}

CCVCategoryItem::CCVCategoryItem(const char* name, const RecordKey& parentKey)
    : m_key(NewRecordKey()), m_parentKey(parentKey) {
    m_name.Set(name);
}

CCVCategoryItem::CCVCategoryItem(const char* name, const RecordKey& key, const RecordKey& parentKey,
                                 std::uint16_t icon)
    : m_key(key), m_parentKey(parentKey), m_icon(icon) {
    m_name.Set(name);
}

int CCVCategoryItem::Serialize(RecordArchive& ar) {
    std::uint8_t reservedByte = 0;
    std::uint8_t reservedTail[4] = {};
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_key);
    if (rc == 0) rc = ar.TransferText(m_name.text);
    if (rc == 0) rc = ar.Transfer(m_parentKey);
    if (rc == 0) rc = ar.Transfer(reservedByte);
    if (rc == 0) rc = ar.Transfer(m_budget);
    if (rc == 0) rc = ar.Transfer(m_icon);
    if (rc == 0) rc = ar.TransferBytes(reservedTail, sizeof reservedTail);
    return rc;
}

std::string CCVCategoryItem::GetFullName(const CCVCategoryList& list) const {
    if (m_parentKey.IsNull()) return m_name.c_str();
    const CCVItem* parent = list.FindByKey(m_parentKey);
    if (parent == nullptr) return {};
    std::string full = parent->GetName();
    full += kPathSeparator;
    full += m_name.c_str();
    if (full.size() > kMaxFullNameLength) full.resize(kMaxFullNameLength);
    return full;
}

void CCVCategoryItem::SetName(const char* name) {
    m_name.Set(name);
    MarkModified();
}

void CCVCategoryItem::SetKey(const RecordKey& key) {
    m_key = key;
    MarkModified();
}

void CCVCategoryItem::SetParentKey(const RecordKey& parentKey) {
    m_parentKey = parentKey;
    MarkModified();
}

void CCVCategoryItem::SetBudget(Amount budget) {
    m_budget = budget;
    MarkModified();
}

void CCVCategoryItem::SetIcon(std::uint16_t icon) {
    m_icon = icon;
    MarkModified();
}
