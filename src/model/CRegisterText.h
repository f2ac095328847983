#pragma once

#include <cstdint>
#include <string>

#include "resources/StringIds.h"
#include "storage/Amount.h"

class CCVAccount;
class CCVAccountList;
class CTransaction;

// The texts of one register row, worked out once for every register that shows transactions
// (the register screen, the command line's register, export and add). Texts are narrow
// Windows-1252 as stored; each caller converts them for its output and formats the date, the
// amount and the state name its own way.
//
//   type          the name of the transaction type
//   checkNumber   the check number when the type carries one, else 0
//   category      the category's full name, "[account]" for a transfer, "-SPLIT-" for a split,
//                 empty for none
//   categoryIcon  the icon of a category; 0 for a split, a transfer or none
//   signedAmount  the amount with the type's direction: negative when money leaves the account
//   awaitingReview  downloaded or imported and not accepted yet
class CRegisterText {
  public:
    struct Fields {
        std::string type;
        std::uint32_t checkNumber = 0;
        std::string payee;
        std::string category;
        std::uint16_t categoryIcon = 0;
        bool hasCategoryIcon = false;  // false for a split, a transfer or no category
        std::string className;
        std::string memo;
        Amount signedAmount = 0;
        int state = 0;
        bool awaitingReview = false;  // downloaded or imported, not yet accepted
    };

    // The texts of transactions of `account`'s register; the reference lists and the other
    // accounts (transfers) come from `accounts`.
    CRegisterText(CCVAccountList& accounts, const CCVAccount& account)
        : m_accounts(accounts), m_account(account) {}

    Fields Of(const CTransaction& transaction) const;

    // The name of a transaction state (CTransaction::State): Uncleared, Cleared, Reconciled,
    // Void; IDS_NONE for anything else.
    static res::StringId StateNameId(int state);

    const CCVAccount& Account() const { return m_account; }

  private:
    CCVAccountList& m_accounts;
    const CCVAccount& m_account;
};
