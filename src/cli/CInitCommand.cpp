#include "cli/CInitCommand.h"

#include "cli/COutput.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"
#include "resources/ScreenIds.h"

namespace cli {

int CInitCommand::Run(Context& context) {
    // Opening the data made the folder, its list files and first accounts.
    context.output.Line(Format(res::IDS_INIT_DONE, context.data.Accounts().GetFolder().c_str()));
    return kExitDone;
}

}  // namespace cli
