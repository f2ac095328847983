#pragma once

#include "cli/CCommand.h"

namespace cli {

// export ACCOUNT [--format csv] [--filter F] [--sort COLUMN] [--descending]: the register as
// CSV on standard output, dates ISO 8601 and amounts signed. --format qif, ledger and json go to
// the interchange library (CFileExport); the account is optional for them.
class CExportCommand : public CCommand {
  public:
    std::string_view Name() const override { return "export"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_EXPORT; }
    std::size_t ArgumentCount() const override { return 1; }
    std::size_t OptionalArgumentCount() const override { return 1; }
    std::vector<std::string_view> Options() const override {
        return {"--format", "--filter", "--sort", "--descending"};
    }
    int Run(Context& context) override;
};

}  // namespace cli
