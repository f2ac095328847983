#include "shell/online/COnlineSession.h"

#include "model/CVModel.h"
#include "ofx/CFidbClient.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/WindowApi.h"
#include "resources/StringTable.h"
#include "shell/OnlineMessageStyle.h"
#include "shell/online/CPasswordPromptDlg.h"

namespace shell {

COnlineSession::COnlineSession(ui::HWND screen) : m_screen(screen) {
    if (CVModel* model = CVModel::GetModel()) {
        CFidbClient::SetDirectoryLocation(
            sys::WideToUtf8(model->GetPreferences().GetInstitutionDirectory()));
    }
}

bool COnlineSession::ShowMessage(Owner owner, std::wstring_view text, res::StringId caption,
                                 Style style) {
    const ui::HWND progress = m_progress.Window();
    const ui::HWND window = owner == kOwnerProgress && ui::IsWindow(progress) ? progress : m_screen;
    const int answer =
        ui::MessageBox(window, std::wstring(text), std::wstring(res::LoadString(caption)),
                       OnlineMessageStyle(style));
    m_progress.Refocus();
    return answer == ui::IDOK || answer == ui::IDYES;
}

bool COnlineSession::AskPassword(const char* bankName, const char* secondLine,
                                 std::string& password) {
    const bool given = CPasswordPromptDlg::Ask(m_screen, sys::AnsiToWide(bankName),
                                               sys::AnsiToWide(secondLine), password);
    m_progress.Refocus();
    return given;
}

}  // namespace shell
