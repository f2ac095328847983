#pragma once

#include "cli/CCommand.h"
#include "resources/ScreenIds.h"

namespace cli {

// backup list: the automatic backups of the data folder, newest first (reads only).
// backup restore NAME: puts that backup's data files back, together or not at all, after a
// backup of the folder as it is (changes the data: holds the writer's lock, never saves the
// loaded data over what it restored).
class CBackupCommand : public CCommand {
  public:
    std::string_view Name() const override { return "backup"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_BACKUP; }
    std::size_t ArgumentCount() const override { return 1; }
    bool TakesArguments(std::size_t count) const override { return count == 1 || count == 2; }
    std::vector<std::string_view> Options() const override { return {"--json"}; }
    CDataSession::Access AccessFor(const CArguments& arguments) const override;
    int Run(Context& context) override;

  private:
    static int List(Context& context);
    static int Restore(Context& context, const std::string& name);
};

}  // namespace cli
