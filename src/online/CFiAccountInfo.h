#pragma once

#include <cstdint>
#include <string>

#include "storage/CCVItem.h"

// One account a bank reports for a customer while an account is set up for online access.
// Kept only in a CFiAccountsList; never stored.
class CFiAccountInfo : public CCVItem {
  public:
    // The account types of the data model that a bank can report.
    static constexpr std::uint8_t kChecking = 0;
    static constexpr std::uint8_t kSavings = 1;
    static constexpr std::uint8_t kCreditCard = 3;
    static constexpr std::uint8_t kMoneyMarket = 6;
    static constexpr std::uint8_t kLineOfCredit = 7;
    static constexpr std::size_t kRoutingNumberLength = 9;

    CFiAccountInfo() = default;
    // Keeps the first kRoutingNumberLength characters of the routing number.
    CFiAccountInfo(std::uint8_t accountType, const char* accountNumber, const char* routingNumber);

    const char* GetName() const override { return nullptr; }

    std::uint8_t AccountType() const { return m_accountType; }
    const char* AccountNumber() const { return m_accountNumber.c_str(); }
    const char* RoutingNumber() const { return m_routingNumber.c_str(); }

    // The online-banking library's account type texts:
    //   "CHECKING" 0, "SAVINGS" 1, "MONEYMRKT" 6, "CREDITLINE" 7
    // Credit cards (3) are reported apart and have no text, like types 2, 4 and 5.
    // TypeFromText answers -1 for any other text; TextFromType null for a type without text.
    static int TypeFromText(const char* text);
    static const char* TextFromType(std::uint8_t accountType);

  private:
    std::uint8_t m_accountType = kChecking;
    std::string m_accountNumber;
    std::string m_routingNumber;
};
