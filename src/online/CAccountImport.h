#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "online/MOnlineMessages.h"
#include "resources/StringIds.h"

class CCVAccount;
class CCVAccountList;
class CTransaction;

// Account import: the accounts a desktop companion left in the import folder (the import list)
// move their transactions into an account of the account list, or into a new account made from
// them. Every transaction moved gets a fresh identifier and becomes cleared and imported
// (awaiting review, without a bank identifier), and is matched automatically against the
// transactions entered in the target, as a downloaded line is. The target's file is written at
// once, and only then is the pending file deleted: an import that cannot be written leaves the
// target and the pending item as they were. Before anything is written the data folder is kept
// as a backup, as every import does (CImportBackup); when none can be made nothing is imported.
//
// A new account takes the pending account's whole record (type, currency, icon, online fields
// and the rest) and its colour and register order, but its own name and balances made of the
// imported transactions only. The name must pass the account name rule (letter case ignored,
// no forbidden character) and name no file of the data folder, so that no account file is ever
// written over; an account identifier another account already has is replaced by a fresh one.
class CAccountImport {
  public:
    static constexpr std::size_t kMaxNewName = 100;

    struct Outcome {
        int result = 1;                         // 0 imported; 1 refused or failed
        res::StringId message = res::IDS_NONE;  // IDS_NONE: nothing to show
        std::string text;  // the message's text (UTF-8) when it names things; else empty
        // The icon and buttons of the message.
        MOnlineMessages::Style style = MOnlineMessages::Style::kInformation;
        bool itemsLeft = false;  // the import list still holds items
    };

    CAccountImport(CCVAccountList& accounts, CCVAccountList& imports);

    // "Now": the pending item at `sourceIndex` into `target`, or, with a null target, into a new
    // account named `newName`. Nothing happens without a pending item at that index.
    Outcome ImportNow(std::int64_t sourceIndex, CCVAccount* target, const char* newName);

  private:
    // With IDS_NONE there is nothing to show, and the style does not matter.
    Outcome Result(int result, res::StringId message = res::IDS_NONE,
                   MOnlineMessages::Style style = MOnlineMessages::Style::kInformation) const;
    // The name rule for the new account: IDS_NONE when the name may be used.
    res::StringId RefuseNewName(const char* name) const;
    // Adds fresh copies of the source's transactions to the target, matched automatically; the
    // copies added.
    static std::vector<CTransaction*> MoveTransactions(const CCVAccount& source,
                                                       CCVAccount& target);
    // The moves themselves, with the name or the target checked and the backup made.
    Outcome IntoNewAccount(const CCVAccount& source, const char* newName);
    Outcome IntoAccount(const CCVAccount& source, CCVAccount& target);

    CCVAccountList& m_accounts;
    CCVAccountList& m_imports;
};
