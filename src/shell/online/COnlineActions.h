#pragma once

#include <memory>

#include "platform/ui/WinTypes.h"
#include "shell/NavigationRecords.h"

class CCVAccount;

// The online operations a screen starts, with their progress window, password prompt and
// message boxes over that screen; what changed is saved at once (a save that fails is said).
namespace shell {

class COnlineActions {
  public:
    // "Go online" for one account: true when transactions came in and the online summary
    // should open.
    static bool DownloadAccount(ui::HWND screen, CCVAccount& account);
    // "Go Online" on the summary: every account set up for online access.
    static void DownloadAll(ui::HWND screen);
    // The bank's password rules for the change-password screen (a COnlinePayload of
    // COnlinePassword::Criteria), or null after the message that says why not.
    static std::unique_ptr<CNavigationPayload> PasswordCriteria(ui::HWND screen,
                                                                const CCVAccount& account);
};

}  // namespace shell
