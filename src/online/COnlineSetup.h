#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "online/MOnlineMessages.h"
#include "resources/StringIds.h"
#include "storage/RecordKey.h"

class CCVAccountList;
class CCVAccountRecord;
class CFiAccountsList;
class MOnlineProgress;
class MPasswordPrompt;

// Setting an account up for online access: the rules of the set-up screen and of the screens it
// opens (the bank list, the accounts the bank reports, the account details typed in).
//
// They all work on one working copy of the account's online fields, which the account editor
// hands to the set-up and takes back on "Done"; the editor's own save writes it into the
// account. "Cancel" anywhere simply drops the copy: nothing was written, so nothing needs to be
// put back, and no copy can land in another account. A new account, not yet in the list, works
// the same way.
class COnlineSetup {
  public:
    static constexpr std::size_t kMaxCustomerId = 32;
    static constexpr std::size_t kMaxPassword = 32;
    static constexpr std::size_t kMaxNumber = 20;
    static constexpr std::size_t kRoutingNumberLength = 9;

    // One account the bank reported.
    struct Reported {
        std::uint8_t accountType = 0;
        std::string accountNumber;
        std::string routingNumber;
    };

    // The online fields of the account being set up, and which account that is.
    struct WorkingCopy {
        bool enabled = false;
        std::uint32_t fiId = 0;
        std::string bankName;
        std::string customerId;
        std::string password;  // empty: asked at every download
        std::string accountNumber;
        std::string routingNumber;
        std::uint8_t accountType = 0;
        RecordKey accountId;  // none for a new account
        std::vector<Reported> reported;
    };

    // The account types a bank account may have, in the order the details screen offers them:
    // Checking, Savings, Credit, Money Market, Line Of Credit.
    static const std::vector<std::uint8_t>& OnlineTypes();
    static res::StringId OnlineTypeNameId(std::size_t index);

    static WorkingCopy CopyOf(const CCVAccountRecord& record, const RecordKey& accountId);
    // Writes the fields that only the set-up edits (access, bank id, customer id, password,
    // routing number); the bank name, the account number and the type are the editor's fields.
    static void WriteOnlineFields(const WorkingCopy& copy, CCVAccountRecord& record);

    explicit COnlineSetup(CCVAccountList& accounts) : m_accounts(accounts) {}

    // "Select bank": brings the bank list up to date from the institution directory. 0, or 1
    // after the error message (none for a cancel).
    int UpdateBanks(MOnlineProgress& progress, MOnlineMessages& messages);
    // The bank chosen in the bank list by its name; false when no bank has it.
    bool ChooseBank(WorkingCopy& copy, const char* bankName) const;
    // The name of the copy's bank, or empty.
    std::string BankNameOf(const WorkingCopy& copy) const;

    // "Select Account": the checks before the bank is asked (IDS_NONE when it may be).
    static res::StringId CheckSelectAccount(const WorkingCopy& copy, const std::string& customerId);
    // Asks the bank for the customer's accounts into copy.reported, with the password typed on
    // the screen, or asked when none was typed (a password given at the prompt is not kept). The
    // customer id and the typed password become the copy's. 0 when the bank answered (an empty
    // list means the details are typed in); 1 when cancelled, or after the error message: a wrong
    // password or a lost connection is said, and nothing changes.
    int FetchAccounts(WorkingCopy& copy, const std::string& customerId,
                      const std::string& typedPassword, MOnlineProgress& progress,
                      MPasswordPrompt& prompt, MOnlineMessages& messages);

    // "Done" in the bank's account list with the row at `index`: IDS_NONE when taken.
    res::StringId ChooseReported(WorkingCopy& copy, std::size_t index) const;
    // "Done" in the details screen: IDS_NONE when taken.
    res::StringId EnterDetails(WorkingCopy& copy, std::size_t typeIndex,
                               const std::string& accountNumber,
                               const std::string& routingNumber) const;
    // "Done" in the set-up screen: IDS_NONE when the copy is complete; it then holds the bank's
    // name and, with access enabled, the customer id and password typed (`willPrompt`: none).
    res::StringId Finish(WorkingCopy& copy, const std::string& customerId,
                         const std::string& password, bool willPrompt) const;

    // Whether another account than the copy's own already downloads from that bank account.
    bool InUse(const WorkingCopy& copy, const std::string& routingNumber,
               const std::string& accountNumber) const;

  private:
    CCVAccountList& m_accounts;
};
