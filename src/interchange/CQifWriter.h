#pragma once

#include <string>

class CCVAccount;
class CCVAccountList;
class CTransaction;

// Writes accounts as QIF (UTF-8): one account as its section alone ("!Type:Bank", "!Type:Cash",
// "!Type:CCard", "!Type:Oth A" or "!Type:Oth L" by the account's type), or every account, each in
// an "!Account" block followed by its section. Each transaction is a record: D date
// (MM/DD/YYYY), T signed amount, C "*" cleared or "X" reconciled, N check number, P payee,
// M memo, L category or "[Account]" with "/Class", and for a split its S, E and $ lines. A
// transfer appears in the sections of both its accounts, as QIF has it; the reader takes it once.
// Void transactions are not written: QIF has no void state.
class CQifWriter {
  public:
    explicit CQifWriter(CCVAccountList& accounts) : m_accounts(accounts) {}

    void WriteAccount(const CCVAccount& account, std::string& out) const;
    void WriteAll(std::string& out) const;

  private:
    void WriteSection(const CCVAccount& account, std::string& out) const;
    void WriteTransaction(const CTransaction& transaction, std::string& out) const;

    CCVAccountList& m_accounts;  // read only: its list getters are not const
};
