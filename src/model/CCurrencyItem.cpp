#include "model/CCurrencyItem.h"

#include <cstring>

#include "storage/RecordArchive.h"

CCurrencyItem::CCurrencyItem(std::uint8_t number, const char* symbol, double rate)
    : m_number(number), m_rate(rate) {
    m_symbol.Set(symbol);
}

int CCurrencyItem::Serialize(RecordArchive& ar) {
    std::uint8_t reservedTail[4] = {};
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_number);
    if (rc == 0) rc = ar.TransferText(m_symbol.text);
    if (rc == 0) rc = ar.Transfer(m_rate);
    if (rc == 0) rc = ar.TransferBytes(reservedTail, sizeof reservedTail);
    return rc;
}

void CCurrencyItem::SetNumber(std::uint8_t number) {
    if (number == m_number) return;
    m_number = number;
    MarkModified();
}

int CCurrencyItem::SetSymbol(const char* symbol) {
    if (symbol == nullptr) return 1;
    FixedText<kSymbolSize> stored;
    stored.Set(symbol);
    if (std::strcmp(stored.c_str(), m_symbol.c_str()) != 0) {
        m_symbol = stored;
        MarkModified();
    }
    return 0;
}

void CCurrencyItem::SetRate(double rate) {
    if (rate == m_rate) return;
    m_rate = rate;
    MarkModified();
}
