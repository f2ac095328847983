#include "model/CClassItem.h"

#include "storage/RecordArchive.h"

CClassItem::CClassItem(const char* name) : m_key(NewRecordKey()) {
    m_name.Set(name);
}

CClassItem::CClassItem(const char* name, const RecordKey& key) : m_key(key) {
    m_name.Set(name);
}

int CClassItem::Serialize(RecordArchive& ar) {
    std::uint8_t reservedByte = 0;
    std::uint8_t reservedTail[4] = {};
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_key);
    if (rc == 0) rc = ar.TransferText(m_name.text);
    if (rc == 0) rc = ar.Transfer(reservedByte);
    if (rc == 0) rc = ar.Transfer(m_budget);
    if (rc == 0) rc = ar.TransferBytes(reservedTail, sizeof reservedTail);
    return rc;
}

void CClassItem::SetName(const char* name) {
    m_name.Set(name);
    MarkModified();
}

void CClassItem::SetKey(const RecordKey& key) {
    m_key = key;
    MarkModified();
}

void CClassItem::SetBudget(Amount budget) {
    m_budget = budget;
    MarkModified();
}
