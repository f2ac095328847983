#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/StringIds.h"

class CCVAccount;

// A statement file that the owner saved from the bank's web site (OFX or QFX), taken into an
// account as a download would take it: read by the online-banking library's reader, each line
// through the account's downloaded-line rule (a line whose bank identifier the account already
// holds is skipped; the others are looked up, matched automatically and await review), and the
// ledger balance taken by an account that held nothing. The download marker of the account's
// online access does not move.
//
// A file with one statement gives that statement. Of a file with several (a bank and a credit-
// card account, or two statements in one reply, as some banks write them), the one chosen by its
// account number is taken; without a choice, the one whose account number is the account's, and
// when none is, the only one that has lines (the message says so). Otherwise the import is
// refused with the account numbers the file holds. Nothing changes unless the whole file can be
// read.
//
// Texts the data files cannot hold as the bank wrote them (characters outside Windows-1252,
// control characters, a payee or memo longer than its field) are stored as well as they can be;
// the result counts the lines so changed.
class CStatementFile {
  public:
    enum Error : int {
        kImported = 0,
        kUnreadable = 1,   // the file could not be read
        kDamaged = 2,      // not a statement file that can be read, or the bank reports an error
        kNoStatement = 3,  // a readable file without any statement
        kNoneFits = 4,     // several statements, none for the account's number
        kSeveralFit = 5,   // several statements for the account's number
        kNotAdded = 6,     // a line could not be added (those before it stay)
        kNoSuchStatement = 7,  // the statement chosen is not in the file
    };

    struct Result {
        std::uint32_t added = 0;    // lines that became transactions
        std::uint32_t matched = 0;  // of those, the ones matched with an entered transaction
        std::uint32_t skipped = 0;  // lines the account already held
        std::uint32_t changed = 0;  // lines whose texts were changed to be stored
        std::string statement;      // the account number of the statement taken
        res::StringId message = res::IDS_NONE;
        std::wstring text;                // the message with its details and the notes, as shown
        std::vector<std::wstring> notes;  // what else the owner should know of the import
    };

    // 0 or one of the errors above, with the message in `result`. `path` is a native path.
    // `statementNumber`, when given, chooses the statement by its account number (Windows-1252).
    static int ImportStatementFile(CCVAccount& account, const std::string& path, Result& result,
                                   const std::string* statementNumber = nullptr);
};
