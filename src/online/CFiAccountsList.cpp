#include "online/CFiAccountsList.h"

#include <cstring>
#include <new>

#include "ofx/OfxStatus.h"
#include "online/CCVProgress.h"

namespace {

constexpr std::uint16_t kListVersion = 0;

}  // namespace

CFiAccountsList::CFiAccountsList() : CCVItemList("CFiAccountInfo", kListVersion) {}

CFiAccountInfo* CFiAccountsList::FindByAccountNumber(const char* accountNumber) const {
    if (accountNumber == nullptr) return nullptr;
    for (std::uint32_t i = 0; i < Count(); ++i) {
        CFiAccountInfo* account = At(i);
        if (std::strcmp(account->AccountNumber(), accountNumber) == 0) return account;
    }
    return nullptr;
}

bool CFiAccountsList::OnProgress(std::uint32_t value) {
    return ContinueAfterStep(m_progress, value);
}

int CFiAccountsList::Add(std::uint8_t accountType, const char* accountNumber,
                         const char* routingNumber) {
    try {
        auto account = std::make_unique<CFiAccountInfo>(accountType, accountNumber, routingNumber);
        Append(account.get());
        account.release();  // the list owns it now
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return 0;
}

int CFiAccountsList::OnBankAccount(const char* routingNumber, const char* accountNumber,
                                   const char* accountType) {
    const int type = CFiAccountInfo::TypeFromText(accountType);
    if (type < 0) return ofx::kErrorInvalidData;
    return Add(static_cast<std::uint8_t>(type), accountNumber, routingNumber);
}

int CFiAccountsList::OnCreditCardAccount(const char* accountNumber) {
    return Add(CFiAccountInfo::kCreditCard, accountNumber, "");
}
