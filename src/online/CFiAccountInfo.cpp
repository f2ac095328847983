#include "online/CFiAccountInfo.h"

#include <cstring>

#include "storage/Text.h"

namespace {

struct TypeText {
    std::uint8_t type;
    const char* text;
};

constexpr TypeText kTypeTexts[] = {
    {CFiAccountInfo::kChecking, "CHECKING"},
    {CFiAccountInfo::kSavings, "SAVINGS"},
    {CFiAccountInfo::kMoneyMarket, "MONEYMRKT"},
    {CFiAccountInfo::kLineOfCredit, "CREDITLINE"},
};

}  // namespace

CFiAccountInfo::CFiAccountInfo(std::uint8_t accountType, const char* accountNumber,
                               const char* routingNumber)
    : m_accountType(accountType) {
    SetOwnedText(m_accountNumber, accountNumber);
    SetOwnedText(m_routingNumber, routingNumber);
    if (m_routingNumber.size() > kRoutingNumberLength) m_routingNumber.resize(kRoutingNumberLength);
}

int CFiAccountInfo::TypeFromText(const char* text) {
    if (text == nullptr) return -1;
    for (const TypeText& entry : kTypeTexts) {
        if (std::strcmp(entry.text, text) == 0) return entry.type;
    }
    return -1;
}

const char* CFiAccountInfo::TextFromType(std::uint8_t accountType) {
    for (const TypeText& entry : kTypeTexts) {
        if (entry.type == accountType) return entry.text;
    }
    return nullptr;
}
