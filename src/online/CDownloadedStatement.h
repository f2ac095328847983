#pragma once

#include <optional>
#include <string>
#include <vector>

#include "storage/DateTime.h"

class CCVAccount;
class CCVTxnList;

// One account's statement as the online-banking library delivers it: its lines, the download
// marker and the ledger balance, held until the library's call has succeeded and then given to
// the account in the order they came. A call that fails or is cancelled half-way through its
// delivery so leaves the account as it was: no line of a cut statement enters the register, the
// marker does not move past lines that were never taken, and an account new for the download
// still takes the bank's balance from the next download that succeeds.
class CDownloadedStatement {
  public:
    // Null texts count as empty.
    void AddLine(DateTime date, const char* amount, const char* type, const char* checkNumber,
                 const char* payee, const char* memo, const char* transactionId);
    void SetDownloadMarker(const char* marker);
    void SetLedgerBalance(const char* amount);
    void Clear();

    std::size_t LineCount() const { return m_lines.size(); }

    // Takes the statement into the account: starts its download (appending the new transactions
    // to `downloadList`, null for none), adds every line (matched against the transactions
    // entered), moves the download marker, sets the cleared balance of an account new for this
    // download, and ends the download so that the account keeps no reference to the list. 0, or
    // the error of the line that could not be added; the lines before it stay and the marker does
    // not move, so the next download brings the rest.
    int ApplyTo(CCVAccount& account, CCVTxnList* downloadList) const;

  private:
    struct Line {
        DateTime date = 0;
        std::string amount;
        std::string type;
        std::string checkNumber;
        std::string payee;
        std::string memo;
        std::string transactionId;
    };

    std::vector<Line> m_lines;
    std::optional<std::string> m_downloadMarker;
    std::optional<std::string> m_ledgerBalance;
};
