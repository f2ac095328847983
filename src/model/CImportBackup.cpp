#include "model/CImportBackup.h"

#include "model/CCVAccountList.h"
#include "model/CDataBackups.h"
#include "model/DataFolderText.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

std::string CImportBackup::Make(const CCVAccountList& accounts) {
    if (!accounts.KeepsBackups()) return {};
    const std::string& folder = accounts.GetFolder();
    CDataBackups backups(folder);
    if (backups.MakeNow() == 0) return {};
    return sys::FormatText(sys::WideToUtf8(res::LoadString(res::IDS_BACKUP_FAILED)), folder.c_str(),
                           FileErrorCause(backups.LastFailure().error).c_str());
}
