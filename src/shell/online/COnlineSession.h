#pragma once

#include <string>
#include <string_view>

#include "online/MOnlineMessages.h"
#include "online/MPasswordPrompt.h"
#include "platform/ui/WinTypes.h"
#include "shell/online/CCVOnlineProgressDlg.h"

// The screen's side of one online operation: the progress window, the password prompt and the
// message boxes, over the screen that started it. A box meant for the progress window is shown
// over it while it is up (over the screen otherwise); after a box or the prompt the focus goes
// back to the progress window so that "Cancel" still reaches it. The institution directory is
// read from where the preference "Institution Directory" says (the built-in one when empty).
namespace shell {

class COnlineSession : public MOnlineMessages, public MPasswordPrompt {
  public:
    explicit COnlineSession(ui::HWND screen);
    ~COnlineSession() = default;
    COnlineSession(const COnlineSession&) = delete;
    COnlineSession& operator=(const COnlineSession&) = delete;

    CCVOnlineProgressDlg& Progress() { return m_progress; }

    bool ShowMessage(Owner owner, std::wstring_view text, res::StringId caption,
                     Style style) override;
    bool AskPassword(const char* bankName, const char* secondLine, std::string& password) override;

  private:
    ui::HWND m_screen;
    CCVOnlineProgressDlg m_progress;
};

}  // namespace shell
