#include "shell/online/COnlineActions.h"

#include "model/CVModel.h"
#include "online/COnlineDownload.h"
#include "online/COnlinePassword.h"
#include "shell/SaveChanges.h"
#include "shell/online/COnlinePayload.h"
#include "shell/online/COnlineSession.h"

namespace shell {

bool COnlineActions::DownloadAccount(ui::HWND screen, CCVAccount& account) {
    CVModel& model = *CVModel::GetModel();
    int result = 0;
    {
        COnlineSession session(screen);
        COnlineDownload download(*model.GetAccountList(), session.Progress(), session, session);
        result = download.DownloadAccount(account);
    }
    SaveModelChanges(screen);
    return result == 1;
}

void COnlineActions::DownloadAll(ui::HWND screen) {
    CVModel& model = *CVModel::GetModel();
    {
        COnlineSession session(screen);
        COnlineDownload download(*model.GetAccountList(), session.Progress(), session, session);
        download.DownloadAll();
    }
    SaveModelChanges(screen);
}

std::unique_ptr<CNavigationPayload> COnlineActions::PasswordCriteria(ui::HWND screen,
                                                                     const CCVAccount& account) {
    CVModel& model = *CVModel::GetModel();
    COnlineSession session(screen);
    COnlinePassword password(*model.GetAccountList(), session.Progress(), session);
    COnlinePassword::Criteria criteria{};
    if (password.FetchCriteria(account, criteria) != 0) return nullptr;
    return std::make_unique<COnlinePayload<COnlinePassword::Criteria>>(criteria);
}

}  // namespace shell
