#pragma once

#include <cstdint>
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
    // The reader changed texts of the line that comes next so that they can be stored (characters
    // the data files cannot hold, control characters).
    void NoteTextChanged() { m_nextLineChanged = true; }
    void SetDownloadMarker(const char* marker);
    void SetLedgerBalance(const char* amount);
    void Clear();

    std::size_t LineCount() const { return m_lines.size(); }
    // What an import's or a download's summary adds about the lines whose texts were changed to
    // be stored (see ApplyTo); empty for none. The statement-file import and the online download
    // both report them with this.
    static std::wstring ChangedLinesNote(std::uint32_t changedLines);

    // Takes the statement into the account: starts its download (appending the new transactions
    // to `downloadList`, null for none), adds every line (matched against the transactions
    // entered), moves the download marker, sets the cleared balance of an account new for this
    // download, and ends the download so that the account keeps no reference to the list. 0, or
    // the error of the line that could not be added; the lines before it stay and the marker does
    // not move, so the next download brings the rest. `changedTaken`, when given, receives how
    // many of the lines taken in had texts changed to be stored: those the reader noted, and those
    // whose payee or memo is longer than a transaction keeps. A line the account already held is
    // not counted: nothing of it was stored.
    int ApplyTo(CCVAccount& account, CCVTxnList* downloadList,
                std::uint32_t* changedTaken = nullptr) const;

  private:
    struct Line {
        DateTime date = 0;
        std::string amount;
        std::string type;
        std::string checkNumber;
        std::string payee;
        std::string memo;
        std::string transactionId;
        bool changed = false;  // texts changed, or to be cut, to be stored
    };

    std::vector<Line> m_lines;
    std::optional<std::string> m_downloadMarker;
    std::optional<std::string> m_ledgerBalance;
    bool m_nextLineChanged = false;
};
