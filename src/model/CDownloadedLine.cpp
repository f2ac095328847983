#include "model/CDownloadedLine.h"

#include <cstring>
#include <limits>

#include "model/AmountMath.h"
#include "model/BuiltInKey.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CTransaction.h"
#include "model/CTransactionTypeList.h"
#include "model/ModelText.h"
#include "storage/AmountText.h"

namespace {

constexpr const char* kBankTypeAtm = "ATM";
constexpr const char* kBankTypeCheck = "CHECK";
constexpr const char* kBankTypeDebit = "DEBIT";
constexpr char kDecimalPoint = '.';
constexpr char kGrouping = ',';

const char* OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of the leading digits; false when there are none or they do not fit 32 bits.
bool LeadingNumber(const char* text, std::uint32_t& value, const char** end) {
    std::uint64_t number = 0;
    const char* p = text;
    for (; IsDigit(*p); ++p) {
        number = number * 10 + static_cast<std::uint64_t>(*p - '0');
        if (number > std::numeric_limits<std::uint32_t>::max()) return false;
    }
    *end = p;
    value = static_cast<std::uint32_t>(number);
    return p != text;
}

// "CHECK": the check number text's integer value.
std::uint32_t CheckNumberOf(const char* text) {
    std::uint32_t value = 0;
    const char* end = nullptr;
    return LeadingNumber(text, value, &end) ? value : 0;
}

// "DEBIT": a check number only when the text is all digits and not zero.
bool DebitCheckNumber(const char* text, std::uint32_t& value) {
    const char* end = nullptr;
    return LeadingNumber(text, value, &end) && *end == '\0' && value != 0;
}

}  // namespace

Amount CDownloadedLine::ParseBankAmount(const char* text) {
    // More decimals than hundredths (money-market and dividend lines) are rounded, as banks round.
    Amount amount = 0;
    if (ReadAmountText(OrEmpty(text), AmountRounding::kHalfAwayFromZero, amount) ==
        AmountTextResult::kRead) {
        return amount;
    }
    return ParseAmount(OrEmpty(text), kDecimalPoint, kGrouping);
}

CDownloadedLine::CDownloadedLine(DateTime date, const char* amountText, const char* typeText,
                                 const char* checkNumberText, const char* payeeText,
                                 const char* memoText, const char* transactionIdText)
    : m_date(date),
      m_amountText(OrEmpty(amountText)),
      m_typeText(OrEmpty(typeText)),
      m_checkNumberText(OrEmpty(checkNumberText)),
      m_payeeText(OrEmpty(payeeText)),
      m_memoText(OrEmpty(memoText)),
      m_transactionIdText(OrEmpty(transactionIdText)) {}

std::unique_ptr<CTransaction> CDownloadedLine::MakeTransaction(std::uint8_t currency,
                                                               CCVPayeeLookUpList* lookUps) const {
    auto transaction = std::make_unique<CTransaction>();
    transaction->SetDate(m_date);
    SetTypeAndAmount(*transaction);
    transaction->SetDownloadedAmount(transaction->GetAmount());
    transaction->SetState(CTransaction::kCleared);
    transaction->SetCurrencyCode(currency);
    transaction->SetOnlineOrigin(CTransaction::kAwaitingReview);
    SetPayee(*transaction, lookUps);
    transaction->SetMemo(m_memoText);
    transaction->SetOnlineId(m_transactionIdText);
    return transaction;
}

void CDownloadedLine::SetTypeAndAmount(CTransaction& transaction) const {
    using Type = CTransactionTypeList::BuiltInType;
    const Amount amount = ParseBankAmount(m_amountText);
    if (amount >= 0) {
        transaction.SetAmount(amount);
        transaction.SetTypeId(BuiltInKey(Type::kTypeDeposit));
        return;
    }
    transaction.SetAmount(NegateAmount(amount));
    std::uint32_t checkNumber = 0;
    if (std::strcmp(m_typeText, kBankTypeAtm) == 0) {
        transaction.SetTypeId(BuiltInKey(Type::kTypeAtm));
    } else if (std::strcmp(m_typeText, kBankTypeCheck) == 0) {
        transaction.SetTypeId(BuiltInKey(Type::kTypeCheck));
        transaction.SetCheckNumber(CheckNumberOf(m_checkNumberText));
    } else if (std::strcmp(m_typeText, kBankTypeDebit) == 0 &&
               DebitCheckNumber(m_checkNumberText, checkNumber)) {
        transaction.SetTypeId(BuiltInKey(Type::kTypeCheck));
        transaction.SetCheckNumber(checkNumber);
    } else {
        transaction.SetTypeId(BuiltInKey(Type::kTypeWithdrawal));
    }
}

void CDownloadedLine::SetPayee(CTransaction& transaction, CCVPayeeLookUpList* lookUps) const {
    if (transaction.GetTypeId() == BuiltInKey(CTransactionTypeList::kTypeCheck) ||
        lookUps == nullptr) {
        transaction.SetPayeeName(m_payeeText);
        return;
    }
    CCVPayeeLookUpItem* lookUp = lookUps->FindByBankName(m_payeeText);
    const bool replaced = lookUp != nullptr && !IsEmptyText(lookUp->GetPayeeName());
    transaction.SetPayeeName(replaced ? lookUp->GetPayeeName() : m_payeeText);
    if (lookUp == nullptr) lookUp = lookUps->AddLookUp(m_payeeText, "");
    transaction.SetPayeeId(*lookUp->GetKey());
}
