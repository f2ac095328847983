#include "model/CCVPayeeLookUpItem.h"

#include "storage/RecordArchive.h"

CCVPayeeLookUpItem::CCVPayeeLookUpItem(const char* bankName, const char* payeeName)
    : m_key(NewRecordKey()) {
    m_bankName.Set(bankName);
    m_payeeName.Set(payeeName);
}

int CCVPayeeLookUpItem::Serialize(RecordArchive& ar) {
    std::uint8_t reservedTail[4] = {};
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_key);
    if (rc == 0) rc = ar.TransferText(m_bankName.text);
    if (rc == 0) rc = ar.TransferText(m_payeeName.text);
    if (rc == 0) rc = ar.TransferBytes(reservedTail, sizeof reservedTail);
    return rc;
}

void CCVPayeeLookUpItem::SetBankName(const char* bankName) {
    m_bankName.Set(bankName);
    MarkModified();
}

void CCVPayeeLookUpItem::SetPayeeName(const char* payeeName) {
    m_payeeName.Set(payeeName);
    MarkModified();
}
