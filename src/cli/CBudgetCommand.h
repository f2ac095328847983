#pragma once

#include "cli/CCommand.h"

namespace cli {

// budget --by payee|category|class --period NAME [--show-empty]: the budget screen's rows: the
// budget over the period, what the transactions of all accounts came to, and the difference.
class CBudgetCommand : public CCommand {
  public:
    std::string_view Name() const override { return "budget"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_BUDGET; }
    std::size_t ArgumentCount() const override { return 0; }
    std::vector<std::string_view> Options() const override {
        return {"--json", "--by", "--period", "--show-empty"};
    }
    std::vector<std::string_view> RequiredOptions() const override { return {"--by", "--period"}; }
    int Run(Context& context) override;
};

}  // namespace cli
