#pragma once

#include <string>

#include "cli/CCommand.h"

class CCVAccount;

namespace cli {

// import FILE --account A for the formats of the interchange library: QIF, and CSV with a column
// mapping from --rules FILE and the options --columns, --date-format, --header-lines,
// --separator and --decimal (an option wins over the rules file). The format is --format, else
// the file's extension (".qif", ".csv").
class CFileImport {
  public:
    enum class FileFormat { kOfx, kQif, kCsv };

    // The format to read; false after saying why (an unknown --format).
    static bool ChooseFormat(CCommand::Context& context, const std::string& path,
                             FileFormat& format);
    // Reads the file and takes its lines into the account; the exit status.
    static int Import(CCommand::Context& context, CCVAccount& account, const std::string& path,
                      FileFormat format);
};

}  // namespace cli
