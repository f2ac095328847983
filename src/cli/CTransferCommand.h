#pragma once

#include "cli/CCommand.h"

namespace cli {

// transfer FROM TO AMOUNT [--date D] [--cleared]: the transfer screen's withdrawal "Transfer" in
// FROM and its twin deposit in TO, converted between their currencies.
class CTransferCommand : public CCommand {
  public:
    std::string_view Name() const override { return "transfer"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_TRANSFER; }
    std::size_t ArgumentCount() const override { return 3; }
    std::vector<std::string_view> Options() const override {
        return {"--json", "--date", "--cleared"};
    }
    CDataSession::Access Access() const override { return CDataSession::kChange; }
    int Run(Context& context) override;
};

}  // namespace cli
