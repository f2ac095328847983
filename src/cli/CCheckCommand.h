#pragma once

#include "cli/CCommand.h"

namespace cli {

// check: reads every file of the data folder without changing anything and reports what it
// could not read or what looks wrong (CDataCheck); exit status 1 when it found anything.
class CCheckCommand : public CCommand {
  public:
    std::string_view Name() const override { return "check"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_CHECK; }
    std::size_t ArgumentCount() const override { return 0; }
    std::vector<std::string_view> Options() const override { return {"--json"}; }
    bool ReportsFileProblems() const override { return false; }
    int Run(Context& context) override;
};

}  // namespace cli
