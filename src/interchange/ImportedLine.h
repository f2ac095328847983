#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CTransaction.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"

// What a reader of an outside file (QIF, CSV) found for one transaction, before it goes into an
// account. Texts are stored text (Windows-1252) and may be longer than the model holds: the
// import shortens them and says so. Amounts are signed: money into the account is positive.
struct ImportedSplit {
    std::string category;  // "Category", "Category:Sub-category", "[Account]" or empty
    std::string className;
    std::string memo;
    Amount amount = 0;
};

struct ImportedLine {
    std::uint32_t lineNumber = 0;  // the file line the transaction starts on
    std::string account;           // the account section it stands in; empty: the chosen one
    DateTime date = 0;
    Amount amount = 0;
    std::string number;  // a check number or a word ("ATM", "Transfer", ...)
    std::string payee;
    std::string memo;
    std::string category;  // as in ImportedSplit
    std::string className;
    CTransaction::State state = CTransaction::kUncleared;
    std::vector<ImportedSplit> splits;
};

// The outcome of reading a file: the lines, or the first thing that could not be read.
struct ImportedFile {
    std::vector<ImportedLine> lines;
    std::string error;  // UTF-8, with the line number; empty when the whole file was read
};
