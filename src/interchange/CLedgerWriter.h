#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "storage/Amount.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CCVAccountList;
class CTransaction;

// Writes the whole data folder as a plain-text journal that ledger and hledger read (UTF-8):
//
//   - every currency is a commodity (its symbol, quoted when it is more than letters or one
//     sign), with its rate to the home currency as a price ("P" line dated `priceDate`);
//   - an account is "Assets:Name", or "Liabilities:Name" for the Credit, Liability and Line Of
//     Credit types, with an opening entry from "Equity:Opening Balances" for its beginning
//     balance, dated on its first transaction;
//   - a category is "Income:Name" or "Expenses:Name" ("...:Parent:Sub" for a sub-category): Income
//     when the amounts of the category and its sub-categories add up above zero, else Expenses;
//     money without a category (and the part of a split its lines leave) is "Unassigned";
//   - each transaction posts its own amount to its account, in the account's commodity, and the
//     counter-postings: its category, each split line, or the account of a transfer with the
//     twin's own amount. A transfer is written once, by the account listed first; a transfer
//     whose twin is gone posts to "Equity:Unlinked Transfers";
//   - category amounts are in the home currency, converted as the reports convert them (each
//     part on its own); postings in another commodity carry their value in the home currency as
//     a total cost ("@@"), so every entry balances exactly;
//   - a reconciled posting is marked cleared ("*"), a cleared one pending ("!"); the check number
//     is the entry's code; the memo is a comment, and a split line's memo its posting's comment;
//   - void transactions are left out (they count nothing);
//   - names and payees are kept readable as the journal's syntax: no ":" inside a name, no run of
//     spaces, brackets and parentheses as braces, a payee starting with "*" or "!" after a "-".
class CLedgerWriter {
  public:
    CLedgerWriter(CCVAccountList& accounts, DateTime priceDate)
        : m_accounts(accounts), m_priceDate(priceDate) {}

    void Write(std::string& out);

  private:
    struct Posting {
        std::string account;
        Amount amount = 0;          // in `commodity`
        std::uint8_t currency = 0;  // the currency number
        Amount home = 0;            // the value in the home currency
        char mark = 0;              // '*', '!' or none
        const char* comment = nullptr;
    };

    void FindIncomeCategories();
    void WriteCommodities(std::string& out) const;
    void WriteOpening(const CCVAccount& account, std::string& out) const;
    void WriteTransaction(std::uint32_t accountIndex, const CCVAccount& account,
                          const CTransaction& transaction, std::string& out);
    std::string CategoryAccount(const RecordKey& key) const;
    std::string AccountName(const CCVAccount& account) const;
    const std::string& Commodity(std::uint8_t currency) const;
    // The postings on the other side of a transfer (or split line) to `key`; false when `key`
    // names no account.
    bool TransferPosting(const RecordKey& key, const RecordKey& link, Amount fallback,
                         std::uint8_t fallbackCurrency, std::uint32_t accountIndex,
                         const CTransaction& transaction, Posting& posting, bool& skip) const;
    void WritePostings(std::vector<Posting>& postings, std::string& out) const;

    CCVAccountList& m_accounts;  // read only: its list getters are not const
    DateTime m_priceDate;
    std::uint8_t m_home = 0;
    std::map<std::uint8_t, std::string> m_commodities;
    // Looked up once a posting, so kept by the key's eight bytes as one number.
    static std::uint64_t KeyNumber(const RecordKey& key);
    // The account of that identifier, or null.
    const CCVAccount* AccountById(const RecordKey& key) const;

    std::map<RecordKey, bool> m_income;  // top-level category (all-zero: unassigned) -> income
    std::unordered_map<std::uint64_t, std::uint32_t> m_accountIndex;  // identifier -> index
    std::vector<std::string> m_accountNames;                          // by index
    std::unordered_map<std::uint64_t, RecordKey> m_topCategory;       // category -> top level
    std::unordered_map<std::uint64_t, std::string> m_categoryNames;   // category -> journal name
    struct Held {
        const CTransaction* transaction;
        std::uint32_t account;
    };
    std::unordered_map<std::uint64_t, Held> m_transactions;  // identifier -> where it is
    // The transaction of that identifier in that account, or null.
    const CTransaction* FindIn(const RecordKey& accountId, const RecordKey& transactionId) const;
};
