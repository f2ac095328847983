#pragma once

#include "cli/CCommand.h"

class CCVAccount;

namespace cli {

// register ACCOUNT [--filter F] [--sort COLUMN] [--descending]: the account's register with its
// running balances, in the order and through the filter chosen (the account's own order and
// "All" by default).
class CRegisterCommand : public CCommand {
  public:
    std::string_view Name() const override { return "register"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_REGISTER; }
    std::size_t ArgumentCount() const override { return 1; }
    std::vector<std::string_view> Options() const override {
        return {"--json", "--filter", "--sort", "--descending"};
    }
    int Run(Context& context) override;

    // Reads --filter, --sort and --descending and puts the register in that order (in memory).
    // 0 with the filter, or kExitRefused after saying what was wrong.
    static int ChooseRows(Context& context, CCVAccount& account, int& filter);
};

}  // namespace cli
