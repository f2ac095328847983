#pragma once

#include <string>

class CCVAccountList;

// Everything in the data folder as one JSON document (UTF-8), for scripts: the home currency,
// the currencies with their rates, the categories (full names), classes and payees, and every
// account with its type, currency, balances and register. A transaction carries its identifier,
// date (YYYY-MM-DD), signed amount, type, check number, payee, category ("[Account]" for a
// transfer), class, memo, state, review origin, its twin's identifier, and its split lines.
// Amounts are texts with two decimals ("-12.34"), so no reader loses a cent to floating point.
class CJsonExport {
  public:
    explicit CJsonExport(CCVAccountList& accounts) : m_accounts(accounts) {}

    void Write(std::string& out) const;

  private:
    CCVAccountList& m_accounts;  // read only: its list getters are not const
};
