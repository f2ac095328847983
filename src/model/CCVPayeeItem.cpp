#include "model/CCVPayeeItem.h"

#include "storage/RecordArchive.h"

int CCVPayeeItem::Serialize(RecordArchive& ar) {
    std::uint8_t reservedByte = 0;
    std::uint8_t reservedTail[4] = {};
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_key);
    if (rc == 0) rc = ar.TransferText(m_name.text);
    if (rc == 0) rc = ar.Transfer(reservedByte);
    if (rc == 0) rc = ar.Transfer(m_amount);
    if (rc == 0) rc = ar.Transfer(m_typeKey);
    if (rc == 0) rc = ar.Transfer(m_categoryKey);
    if (rc == 0) rc = ar.Transfer(m_classKey);
    if (rc == 0) rc = ar.Transfer(m_budget);
    if (rc == 0) rc = ar.TransferText(m_memo.text);
    for (SplitLine& line : m_splitLines) {
        if (rc == 0) rc = ar.Transfer(line.categoryKey);
        if (rc == 0) rc = ar.Transfer(line.classKey);
        if (rc == 0) rc = ar.Transfer(line.amount);
    }
    if (rc == 0) rc = ar.TransferBytes(reservedTail, sizeof reservedTail);
    return rc;
}

void CCVPayeeItem::SetName(const char* name) {
    m_name.Set(name);
    MarkModified();
}

void CCVPayeeItem::SetBudget(Amount budget) {
    m_budget = budget;
    MarkModified();
}

void CCVPayeeItem::RememberTransaction(const PayeeMemoryFields& transaction) {
    m_name.Set(transaction.GetPayeeName());
    m_amount = transaction.GetAmount();
    m_typeKey = transaction.GetTypeId();
    m_categoryKey = transaction.GetCategoryId();
    m_classKey = transaction.GetClassId();
    m_memo.Set(transaction.GetMemo());
    for (int line = 0; line < PayeeMemoryFields::kSplitLines; ++line) {
        m_splitLines[static_cast<std::size_t>(line)] = transaction.GetSplitLine(line);
    }
    MarkModified();
}

void CCVPayeeItem::ApplyToTransaction(PayeeMemoryFields& transaction) const {
    transaction.SetAmount(m_amount);
    transaction.SetTypeId(m_typeKey);
    transaction.SetCategoryId(m_categoryKey);
    transaction.SetClassId(m_classKey);
    transaction.SetMemo(m_memo.c_str());
    for (int line = 0; line < PayeeMemoryFields::kSplitLines; ++line) {
        transaction.SetSplitLine(line, m_splitLines[static_cast<std::size_t>(line)]);
    }
}
