#pragma once

#include "cli/CCommand.h"

namespace cli {

// upcoming [--through PERIOD]: the occurrences of the scheduled transactions up to the end of the
// period, by date, as the upcoming-transactions list builds them.
class CUpcomingCommand : public CCommand {
  public:
    std::string_view Name() const override { return "upcoming"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_UPCOMING; }
    std::size_t ArgumentCount() const override { return 0; }
    std::vector<std::string_view> Options() const override { return {"--json", "--through"}; }
    int Run(Context& context) override;
};

}  // namespace cli
