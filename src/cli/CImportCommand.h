#pragma once

#include "cli/CCommand.h"
#include "online/CStatementFile.h"

namespace cli {

// import FILE --account A: a statement file saved from the bank's web site (OFX or QFX) taken
// into the account as a download takes it: lines the account already holds are skipped, the
// others are matched with entered transactions where one fits and await review. Nothing is
// saved unless the whole file went in. Of a file with statements of several accounts,
// --statement NUMBER takes the one of that account number. QIF and CSV files go to the
// interchange library (CFileImport): by --format, else by the file's extension.
class CImportCommand : public CCommand {
  public:
    std::string_view Name() const override { return "import"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_IMPORT; }
    std::size_t ArgumentCount() const override { return 1; }
    std::vector<std::string_view> Options() const override {
        return {"--json",        "--account",   "--statement", "--format",      "--rules",
                "--columns",     "--date-format", "--separator", "--decimal", "--header-lines"};
    }
    std::vector<std::string_view> RequiredOptions() const override { return {"--account"}; }
    CDataSession::Access Access() const override { return CDataSession::kChange; }
    int Run(Context& context) override;

  private:
    // The import, of the statement --statement names when it is given.
    static int ImportChosenStatement(Context& context, CCVAccount& account, const std::string& path,
                                     CStatementFile::Result& result);
};

}  // namespace cli
