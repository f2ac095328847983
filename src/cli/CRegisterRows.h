#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "model/CRegisterText.h"
#include "resources/StringIds.h"
#include "storage/Amount.h"

class CCVAccount;
class CCVAccountList;
class CTransaction;

namespace cli {

class CTextTable;

// The register of an account as the command line shows it: for each transaction that passes the
// filter, in register order, its date, check number or type, payee, category, class, memo,
// signed amount, state and running balance: the texts of the model's CRegisterText in UTF-8.
class CRegisterRows {
  public:
    struct Row {
        std::string date;
        std::uint32_t checkNumber = 0;  // 0 when the type carries none
        std::string type;
        std::string payee;
        std::string category;
        std::string className;
        std::string memo;
        Amount amount = 0;
        std::string state;
        Amount balance = 0;

        // The check number when there is one, else the type.
        std::string Number() const;
    };

    CRegisterRows(CCVAccountList& accounts, const CCVAccount& account)
        : m_text(accounts, account) {}

    // The name of a transaction state (Uncleared, Cleared, Reconciled, Void).
    static std::string StateName(int state);
    static std::vector<res::StringId> StateNames();

    std::vector<Row> Rows(int filter) const;
    Row RowOf(const CTransaction& transaction, Amount balance) const;
    // The row of one transaction of the register, with its running balance in the whole
    // register; false when the transaction is not in it.
    bool FindRow(const CTransaction& transaction, Row& row) const;

    // The columns for people, and the same row for programs and for CSV.
    static void AddColumns(CTextTable& table);
    static std::vector<std::string> Cells(const Row& row);
    static nlohmann::ordered_json Json(const Row& row);
    static std::vector<std::string> CsvHeader();
    static std::vector<std::string> CsvFields(const Row& row);

  private:
    CRegisterText m_text;
};

}  // namespace cli
