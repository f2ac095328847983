#pragma once

#include <cstdint>
#include <string>

#include "model/EditOutcome.h"
#include "storage/Amount.h"

class CCVAccount;
class CCVAccountList;
class CCVPreferences;

// The rules of the account screens: the account editor's checks, in the order the user meets
// them, writing its fields into a new or an existing account, and deleting an account from the
// account list.
//
// A rename carries the account's own settings (register columns, filter, font, row colour, and
// "Last Active Account" when it named the account) to the settings key of the new name. A delete
// leaves no current-account index pointing at another account, forgets the account as the last
// active one, and can remove the scheduled transactions that aim at it (those of the account and
// those transferring into it), which could never be entered again.
class CAccountEditing {
  public:
    // The texts the account stores: the name as the file name (at most 32 characters), the bank
    // and the account number as record fields.
    static constexpr std::size_t kNameLimit = 32;
    static constexpr std::size_t kBankLimit = 33;
    static constexpr std::size_t kAccountNumberLimit = 20;

    // What the editor's fields hold.
    struct Fields {
        std::string name;
        std::uint8_t type = 0;
        std::string bank;
        std::string accountNumber;
        std::string balanceText;  // the beginning balance as typed; empty means 0
        std::uint8_t currency = 1;
        std::uint16_t icon = 2;
        bool includeInTotal = true;
    };
    // The field a refused check or a question is about.
    enum class Field : int { kName, kAccountNumber, kBalance };
    struct Check {
        EditOutcome outcome;
        Field field = Field::kName;
    };

    CAccountEditing(CCVAccountList& accounts, CCVPreferences* preferences)
        : m_accounts(accounts), m_preferences(preferences) {}

    // The fields of an existing account (or of a new one, for null).
    Fields FieldsOf(const CCVAccount* account) const;

    // The checks of "Done", in order: the name (empty, a forbidden character, another account's
    // name in any letter case; `edited` may keep its own name in any case), an account number
    // longer than the record holds, a beginning balance text that is not an amount
    // (ReadEnteredAmount's message), a beginning balance that would take an edited account's
    // balances past what they can hold (IDS_BALANCE_LIMIT), and, unless `balanceConfirmed`, the
    // question about a positive beginning balance of a Credit, Liability or Line Of Credit
    // account.
    Check CheckFields(const Fields& fields, const CCVAccount* edited, bool balanceConfirmed) const;

    // Writes checked fields into a new account (edited null: it is added and its file written)
    // or into `edited` (renamed first when the name differs in any way, and kept in name order).
    // 0, or the error of adding or renaming (the account then stays as it was). `saved` receives
    // the account written.
    int Save(const Fields& fields, CCVAccount* edited, CCVAccount** saved = nullptr);

    // The selection checks of "Edit" and "Delete" on the account list: an empty list, no row
    // selected (-1), a position outside the list.
    EditOutcome CheckSelection(std::int64_t index) const;
    // The scheduled transactions that aim at the account: its own, and those whose category or a
    // split line's category is the account (transfers into it).
    std::uint32_t CountScheduledFor(std::int64_t index) const;
    // Deletes the account (its file kept under a deleted-account name); with removeScheduled also
    // the scheduled transactions that aim at it. 0, 1 for an invalid index, or the move's error
    // (nothing changes then).
    int DeleteAccount(std::int64_t index, bool removeScheduled);

  private:
    // Copies the settings key of `oldName` to that of `newName` and moves "Last Active Account".
    void CarrySettings(const std::string& oldName, const std::string& newName) const;
    // Back in name order after a rename, the current account staying current.
    void Replace(CCVAccount& account);

    CCVAccountList& m_accounts;
    CCVPreferences* m_preferences;
};
