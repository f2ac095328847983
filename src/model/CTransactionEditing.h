#pragma once

#include <cstdint>
#include <string>

#include "model/CTransaction.h"
#include "model/EditOutcome.h"
#include "model/PayeeMemoryFields.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CCVAccountList;

// The rules of the transaction editor: reading its fields into the working copy of a
// transaction, and what "Done" does with that copy. The editor works on a copy; nothing reaches
// the account until a save below answers Done.
//
// Fields are read in this order, and the first that is wrong stops the reading with its message:
//   amount    the typed-amount rule (ReadEnteredAmount: not empty, "," only between groups of
//             three, at most two decimals, at most 72,057,594,037,927,936.99); a negative amount
//             is refused with IDS_EDITOR_NEGATIVE_AMOUNT, since the type gives the direction
//   date      the day of the date field; the working copy keeps its time of day
//   payee     the text as typed; a payee new to the payee list is made only when the transaction
//             is saved
//   category  the text turned into an identifier ("-SPLIT-", "[account]", a category path); the
//             action entries ("Edit Category...") leave the category as it was
//   type, class, state, check number (at most eight digits; kept only for a type that carries one)
class CTransactionEditing {
  public:
    // The field texts of the editor, in stored form (Windows-1252).
    struct Fields {
        std::string amount;
        DateTime date = 0;  // the day; the time of day is ignored
        std::string payee;
        bool payeeIsAction = false;  // "Edit Payee..." is selected: the payee stays as it was
        std::string category;
        bool categoryIsAction = false;  // "Edit Category..." is selected
        RecordKey typeId;
        std::string className;
        bool classIsAction = false;  // "Edit Class..." is selected
        std::uint8_t state = CTransaction::kUncleared;
        std::string checkNumber;
    };

    // What a save does beyond replacing the transaction.
    enum class EditMode {
        kRegister,   // the register's edit: may move the transaction, asks about reconciled ones
        kElsewhere,  // opened from a report, a budget or the review: neither
    };

    static constexpr std::size_t kCheckNumberDigits = 8;

    explicit CTransactionEditing(CCVAccountList& accounts) : m_accounts(accounts) {}

    // The amount check of a mandatory amount field; the magnitude in `amount` when Done.
    static EditOutcome ReadAmount(const std::string& text, Amount& amount);
    // Reads the fields into the working copy; see the order above. Nothing else changes.
    EditOutcome ReadFields(const Fields& fields, CTransaction& working) const;

    // Payee memory: choosing a payee fills the other fields only while the amount field holds no
    // whole amount (empty, or its digits before the point read 0), so that what was typed stays.
    static bool PayeeMayFill(const std::string& amountText);
    // The payee of that name (letter case ignored) fills the working copy's amount, type,
    // category, class, memo and split lines; false, changing nothing, when there is none.
    bool FillFromPayee(const std::string& payee, PayeeMemoryFields& working) const;

    // "Done" of a new transaction: into `target` (refused when it is a transfer to `target`
    // itself), with the twins of a transfer and of split lines naming accounts; a payee new to the
    // payee list joins it and the payee remembers the transaction.
    EditOutcome SaveNew(CCVAccount& target, const CTransaction& working);

    // "Done" of an edit of `stored`, a transaction of `account`.
    //  - The twin of a split line is refused (IDS_SPLIT_TWIN_LOCKED): it changes with its source.
    //  - kRegister and `target` another account: the copy is added to `target` first (with a fresh
    //    identifier and its twins), and the transaction leaves `account` (with its twins) only
    //    once that add succeeded.
    //  - Otherwise: the same-account check; kRegister asks IDS_RECONCILED_EDIT_QUESTION (unless
    //    `confirmed`) when a reconciled transaction changes its state, amount or type; then the
    //    stored transaction takes the copy, its twins following.
    // A payee new to the payee list joins it, and the payee remembers the transaction.
    EditOutcome SaveEdit(CCVAccount& account, CTransaction& stored, const CTransaction& working,
                         CCVAccount* target, EditMode mode, bool confirmed);

    // Delete (keepBalance false) or purge (true) from the editor; Check first: the twin of a
    // split line is refused, otherwise the question to ask.
    static EditOutcome CheckRemove(const CTransaction& stored, bool keepBalance);
    EditOutcome Remove(CCVAccount& account, const CTransaction& stored, bool keepBalance);

    // The code of the last failed save, else 0.
    int Error() const { return m_error; }

  private:
    // The payee of the transaction joins the payee list when it is new, and remembers it.
    void RememberPayee(const CTransaction& transaction);
    EditOutcome Failed(int code);

    CCVAccountList& m_accounts;
    int m_error = 0;
};
