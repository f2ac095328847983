#pragma once

#include <string>

#include "cli/CCommand.h"

namespace cli {

// export [ACCOUNT] --format qif|ledger|json for the formats of the interchange library, on
// standard output: QIF of the account named or, without one, of every account; the whole data
// folder as a plain-text journal (ledger) or as JSON.
class CFileExport {
  public:
    // Whether the interchange library writes that format.
    static bool Writes(const std::string& format);
    // The exit status.
    static int Export(CCommand::Context& context, const std::string& format);
};

}  // namespace cli
