#pragma once

#include "cli/CCommand.h"

namespace cli {

// accounts: every account with its type, currency, current and cleared balance and whether it
// counts in the total, then the totals as the accounts summary computes them.
class CAccountsCommand : public CCommand {
  public:
    std::string_view Name() const override { return "accounts"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_ACCOUNTS; }
    std::size_t ArgumentCount() const override { return 0; }
    std::vector<std::string_view> Options() const override { return {"--json"}; }
    int Run(Context& context) override;
};

}  // namespace cli
