#include "model/CTransactionTypeItem.h"

#include "storage/RecordArchive.h"

CTransactionTypeItem::CTransactionTypeItem(const char* name, const RecordKey& key) : m_key(key) {
    m_name.Set(name);
}

int CTransactionTypeItem::Serialize(RecordArchive& ar) {
    std::uint8_t reservedTail[5] = {};
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_key);
    if (rc == 0) rc = ar.TransferText(m_name.text);
    if (rc == 0) rc = ar.TransferBytes(reservedTail, sizeof reservedTail);
    return rc;
}

void CTransactionTypeItem::SetName(const char* name) {
    m_name.Set(name);
    MarkModified();
}

void CTransactionTypeItem::SetKey(const RecordKey& key) {
    m_key = key;
    MarkModified();
}

void CTransactionTypeItem::SetDebit(bool debit) {
    std::uint8_t& flags = m_key.bytes[kFlagByte];
    flags = debit ? static_cast<std::uint8_t>(flags | kDebitFlag)
                  : static_cast<std::uint8_t>(flags & ~kDebitFlag);
    MarkModified();
}
