#pragma once

#include <cstdint>
#include <memory>

#include "ofx/COfxClient.h"
#include "online/CFiAccountInfo.h"
#include "storage/CCVItemList.h"

class CCVProgress;

// The accounts a bank reports for a customer (CFiAccountInfo), filled by the online-banking
// library's account-information call while an account is set up for online access. Short-lived
// and never stored.
class CFiAccountsList : public CCVItemList, public COfxClient::MGetAccountInfoEventHandler {
  public:
    static constexpr int kOutOfMemory = 8;

    CFiAccountsList();

    void SetProgress(CCVProgress* progress) { m_progress = progress; }

    // The first record whose account number equals the text exactly, or null.
    CFiAccountInfo* FindByAccountNumber(const char* accountNumber) const;
    CFiAccountInfo* At(std::int64_t index) const {
        return static_cast<CFiAccountInfo*>(GetAt(index));
    }

    bool OnProgress(std::uint32_t value) override;
    // A type text outside the library's table is refused with 54 and nothing is added.
    int OnBankAccount(const char* routingNumber, const char* accountNumber,
                      const char* accountType) override;
    int OnCreditCardAccount(const char* accountNumber) override;

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CFiAccountInfo>();
    }

  private:
    int Add(std::uint8_t accountType, const char* accountNumber, const char* routingNumber);

    CCVProgress* m_progress = nullptr;
};
