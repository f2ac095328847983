#pragma once

#include <cstdint>
#include <string>

#include "model/CTransaction.h"
#include "model/EditOutcome.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CCVAccountList;
class CCVPayeeItem;

// Entering a new transaction into an account, as the transaction editor's "Done" does and the
// command line's add: one operation, so that both enter the same way.
//
//   1. The transaction is made from the request, dated on the request's day at the current time
//      of day. A check number stays only when the type carries one.
//   2. A payee of the payee list fills in what the request left empty (kFillEmptyFields): the
//      category (a remembered split with its lines), the class and the memo. The amount and the
//      type are always the request's.
//   3. A transfer to the account itself is refused (IDS_TRANSFER_SAME_ACCOUNT); nothing changes.
//   4. The transaction goes into the account with the twins of a transfer and of split lines
//      naming accounts. When that fails, Error() holds the code and the answer is
//      IDS_DATA_NOT_SAVED (its text takes the data folder and the code); no payee is made.
//   5. Entered: a payee new to the payee list joins it, the payee remembers the transaction, and
//      a check number above the account's last one becomes its last.
class CNewTransaction {
  public:
    enum class PayeeMemory {
        kFillEmptyFields,  // the payee fills in the fields left empty
        kAsEntered,        // the fields as they are (a screen that filled them in already)
    };

    // The fields of the transaction editor. Texts are Windows-1252 as stored.
    struct Request {
        DateTime date = 0;  // the day; the time of day is the current one
        RecordKey typeId;
        std::uint32_t checkNumber = 0;
        std::string payee;
        RecordKey categoryId;  // a category, an account (a transfer), the split value or none
        CTransaction::SplitLines splits{};  // the lines of a split
        RecordKey classId;
        std::string memo;
        Amount amount = 0;  // the magnitude: the type gives the direction
        std::uint8_t state = CTransaction::kUncleared;
        PayeeMemory payeeMemory = PayeeMemory::kFillEmptyFields;
    };

    explicit CNewTransaction(CCVAccountList& accounts) : m_accounts(accounts) {}

    // Done when the transaction is in the account; see the steps above.
    EditOutcome Enter(CCVAccount& account, const Request& request);

    // The transaction the last Enter put into the account (its twin is in the account its
    // category names), or null.
    const CTransaction* Entered() const { return m_entered; }
    // The code of the last failed Enter, else 0.
    int Error() const { return m_error; }

  private:
    static void FillFromPayee(const CCVPayeeItem& payee, CTransaction& transaction);

    CCVAccountList& m_accounts;
    const CTransaction* m_entered = nullptr;
    int m_error = 0;
};
