#pragma once

#include <cstdint>
#include <string>

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
// card account, say), the one whose account number is the account's is taken; the import is
// refused when none or more than one is. Nothing changes unless the whole file can be read.
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
    };

    struct Result {
        std::uint32_t added = 0;    // lines that became transactions
        std::uint32_t matched = 0;  // of those, the ones matched with an entered transaction
        std::uint32_t skipped = 0;  // lines the account already held
        res::StringId message = res::IDS_NONE;
        std::wstring text;  // the message with its details, as shown
    };

    // 0 or one of the errors above, with the message in `result`. `path` is a native path.
    static int ImportStatementFile(CCVAccount& account, const std::string& path, Result& result);
};
