#pragma once

#include "cli/CCommand.h"
#include "resources/ScreenIds.h"

namespace cli {

// init: makes a data folder (--data, else the one of the settings) with its list files and the
// first accounts. The one command that makes a data folder; it refuses where data is already.
class CInitCommand : public CCommand {
  public:
    std::string_view Name() const override { return "init"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_INIT; }
    std::size_t ArgumentCount() const override { return 0; }
    std::vector<std::string_view> Options() const override { return {}; }
    CDataSession::Access Access() const override { return CDataSession::kCreate; }
    int Run(Context& context) override;
};

}  // namespace cli
