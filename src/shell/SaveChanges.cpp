#include "shell/SaveChanges.h"

#include "model/CVModel.h"
#include "resources/ScreenIds.h"
#include "shell/CCVUIUtility.h"

namespace shell {

bool SaveModelChanges(ui::HWND owner) {
    CVModel& model = *CVModel::GetModel();
    if (model.SaveChanges() == 0) return true;
    // Which file could not be written and why (a full disk, another program's change).
    CCVUIUtility::Instance().MessageBox(owner, res::IDS_NONE, ui::MB_OK | ui::MB_ICONERROR,
                                        res::IDS_APP_NAME, CCVUIUtility::SaveFailureMessage(model));
    return false;
}

}  // namespace shell
