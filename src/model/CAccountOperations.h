#pragma once

#include <cstdint>
#include <memory>

#include "model/EditOutcome.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CCVAccountList;
class CTransaction;

// The operations that act on more than one transaction or account at a time: transfers and the
// twin transactions that mirror them in the other account, keeping twins in step when a
// transaction is added, edited, deleted or purged, purging old transactions, and converting amounts
// between the accounts' currencies.
//
// Transfer rule: a transaction whose category is an account's identifier is a transfer to or from
// that account; its twin there has the first account's identifier as its category and links back
// to it. A split line whose category is an account has a twin too, which carries the line's index
// as its source split line.
//
// Return codes: 0 success, 1 a missing account or transaction, 2 out of memory. A twin operation
// that fails part-way returns its error and keeps the changes made before it.
class CAccountOperations {
  public:
    // The line argument that means the whole transaction rather than one of its split lines.
    static constexpr int kWholeTransaction = -1;

    enum PurgeMode : int {
        kPurgeBeforeDate = 0,  // every transaction dated before the date, whatever its state
        kPurgeCleared = 1,     // every cleared or reconciled transaction
        kPurgeReconciled = 2,  // every reconciled transaction
    };

    explicit CAccountOperations(CCVAccountList& accounts) : m_accounts(accounts) {}

    // ---- currencies ----
    // The rate from currency `from` to currency `to` (by number), over the home currency: the
    // rate of `from` when `to` is the home currency; 1 / rate(to) when `from` is (0 when that rate
    // is 0); otherwise rate(from) / rate(to) (0 when rate(to) is 0). The home currency's own stored
    // rate is never used; an unknown currency has rate 0.
    double GetConversionRate(std::uint8_t from, std::uint8_t to) const;
    // The amount in the target account's currency: unchanged for the same currency or when either
    // currency is unknown; otherwise amount x 0.01 x rate x 100.0, truncated toward zero
    // (ConvertAtRate through units).
    Amount ConvertBetweenAccounts(const CCVAccount& source, const CCVAccount& target,
                                  Amount amount) const;

    // ---- twins ----
    // Creates, in the account named by the category of the transaction (or of its split line
    // `line`), the twin of the transaction of `source`, and links the transaction (or the line) to
    // it. 1 when the category names no account.
    int CreateTwin(CCVAccount& source, CTransaction& transaction, int line = kWholeTransaction);
    // Brings the twin of the transaction (or of split line `line`) in step with it. 1 when the
    // twin cannot be found.
    int UpdateTwin(const CCVAccount& source, const CTransaction& transaction,
                   int line = kWholeTransaction);

    // The check of a new transaction before it goes into `account` (the transaction editor's
    // "Done"): one whose category is that account itself is refused with
    // IDS_TRANSFER_SAME_ACCOUNT.
    static EditOutcome CheckNewTransaction(const CCVAccount& account,
                                           const CTransaction& transaction);
    // Creates the twins of a transfer and of split lines naming accounts, then adds the
    // transaction (now carrying the links) to the account.
    int AddTransactionWithTwins(CCVAccount& account, std::unique_ptr<CTransaction> transaction);
    // Whether the twins a new transaction of `source` would make (of a transfer, or of split lines
    // naming accounts) fit the balances of their accounts: IDS_BALANCE_LIMIT when one would take
    // its account's balance past what it can hold.
    EditOutcome CheckTwinBalances(const CCVAccount& source, const CTransaction& transaction) const;

    // The checks of the transfer screen: an amount of 0 is refused with "Enter a valid amount.",
    // the same account on both sides with IDS_TRANSFER_SAME_ACCOUNT. (A text that is not an amount
    // at all is refused by the screen's amount check before this.)
    static EditOutcome CheckTransfer(const CCVAccount* from, const CCVAccount* to, Amount amount);

    // The check of the balance adjustment (CCVAccount::SetBalanceTo): the other balance moves by
    // the same difference, which is refused with IDS_BALANCE_LIMIT when that would take it past
    // what it can hold.
    static EditOutcome CheckSetBalance(const CCVAccount& account, int kind, Amount amount);
    // A withdrawal "Transfer" in `from` and its twin deposit, converted, in `to`, on the date's day
    // at the current time of day, cleared when `cleared`. 1 for a missing account;
    // CCVAccount::kBalanceLimit, changing nothing, when either balance would go past its limit.
    int TransferFunds(CCVAccount* from, CCVAccount* to, DateTime date, Amount amount, bool cleared);

    // The question the register asks before deleting (keepBalance false) or purging (true) one
    // transaction, or the refusal for the twin of a split line.
    static EditOutcome CheckDeleteTransaction(const CTransaction& transaction, bool keepBalance);
    // Deletes (keepBalance false: the twins too) or purges (true: the twins only lose their link,
    // and the amount moves into the beginning balance) one transaction. A twin that no longer
    // exists is passed over. The twin of a split line is refused with 1.
    int DeleteTransactionWithTwins(CCVAccount& account, const CTransaction& transaction,
                                   bool keepBalance);

    // The refusal of editing the twin of a split line (it changes only with its source).
    static EditOutcome CheckEditTransaction(const CTransaction& transaction);
    // Stores the edited contents in the stored transaction of the account and keeps the twins in
    // step: an old twin that no longer fits is deleted, a new transfer or split line naming an
    // account gets a twin, one that still fits follows the edit. The stored transaction keeps
    // its identifier and always ends with links to the twins that exist, also when a twin step
    // fails (whose error is then returned). 1 when the transaction is not in the account or is
    // the twin of a split line.
    int UpdateTransactionWithTwins(CCVAccount& account, CTransaction& stored,
                                   const CTransaction& edited);

    // The question the purge screen asks first.
    static EditOutcome CheckPurgeTransactions() {
        return EditOutcome::Ask(res::IDS_PURGE_QUESTION);
    }
    // Purges every transaction the mode selects (for kPurgeBeforeDate those dated before `date`),
    // from the last of the register to the first: its amount (unless void) moves into the
    // beginning balance, so the current balance stays, and its twins only lose their link. 1 for
    // an unknown mode.
    int PurgeTransactions(CCVAccount& account, int mode, DateTime date);

  private:
    // Creates the twins of the split lines naming accounts; stops at the first failure.
    int CreateSplitTwins(CCVAccount& account, CTransaction& transaction);
    // The twins of the split lines of `old` against those of `updated` (both splits).
    int UpdateSplitTwins(CCVAccount& account, const CTransaction& old, CTransaction& updated);
    // The account named by a category, or null when the category is not an account.
    CCVAccount* AccountOf(const RecordKey& categoryId) const;
    // Deletes (or with unlinkOnly unlinks) the twin named by the category and link; a twin or an
    // account that no longer exists is passed over.
    int HandleTwin(const RecordKey& categoryId, const RecordKey& linkedId, bool unlinkOnly) const;

    CCVAccountList& m_accounts;
};
