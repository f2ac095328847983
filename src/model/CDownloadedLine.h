#pragma once

#include <cstdint>
#include <memory>

#include "storage/Amount.h"
#include "storage/DateTime.h"

class CCVPayeeLookUpList;
class CTransaction;

// One line of a downloaded bank statement, as the bank's texts, and the transaction it becomes.
//
// The amount is read with "." as decimal point and "," as grouping. A zero or positive amount is
// a "Deposit". A negative one is stored as its magnitude with the type the bank's type text gives:
// "ATM" gives "ATM"; "CHECK" gives "Check #" with the check number text's leading digits (0 when
// they do not fit); "DEBIT" with a check number text of digits only and a value other than 0
// gives "Check #" with that number ("0123" is 123); anything else gives "Withdrawal".
//
// The transaction starts cleared and awaiting review, with the downloaded amount and the account's
// currency. Its payee: for "Check #" the bank's payee text; otherwise the payee look-ups are asked
// for the text, and a look-up with a payee name gives that name, else the text itself is used and,
// when no look-up had the text, one is added for it with an empty payee name; the transaction
// records the look-up's key.
class CDownloadedLine {
  public:
    // An amount the bank wrote: "." decimal point, "," grouping, more than two decimals rounded
    // half away from zero; null reads as 0.
    static Amount ParseBankAmount(const char* text);

    // Null texts count as empty.
    CDownloadedLine(DateTime date, const char* amountText, const char* typeText,
                    const char* checkNumberText, const char* payeeText, const char* memoText,
                    const char* transactionIdText);

    // Without look-ups (null) the payee text is used unchanged.
    std::unique_ptr<CTransaction> MakeTransaction(std::uint8_t currency,
                                                  CCVPayeeLookUpList* lookUps) const;

    const char* GetTransactionId() const { return m_transactionIdText; }
    DateTime GetDate() const { return m_date; }
    // The amount as the bank signed it: the signed amount of the transaction the line becomes.
    Amount SignedAmount() const { return ParseBankAmount(m_amountText); }

  private:
    void SetTypeAndAmount(CTransaction& transaction) const;
    void SetPayee(CTransaction& transaction, CCVPayeeLookUpList* lookUps) const;

    DateTime m_date;
    const char* m_amountText;
    const char* m_typeText;
    const char* m_checkNumberText;
    const char* m_payeeText;
    const char* m_memoText;
    const char* m_transactionIdText;
};
