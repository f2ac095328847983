#include "shell/online/CPasswordPromptDlg.h"

#include "platform/ui/CEdit.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace shell {
namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 8;
constexpr int kFieldId = 1;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

bool CPasswordPromptDlg::Ask(ui::HWND owner, const std::wstring& bankName,
                             const std::wstring& secondLine, std::string& password) {
    ui::HWND field = nullptr;
    std::wstring typed;
    const ui::WNDPROC proc = [&](ui::HWND dialog, ui::UINT message, ui::WPARAM wParam,
                                 ui::LPARAM lParam) -> ui::LRESULT {
        switch (message) {
            case ui::WM_INITDIALOG: {
                // Inside the frame: its outer cells hold the border and the title.
                ui::RECT client;
                ui::GetClientRect(dialog, client);
                const int width = client.Width() - 2;
                int row = 1;
                for (const std::wstring& line :
                     {Text(res::IDS_ONLINE_ENTER_PASSWORD), bankName, secondLine}) {
                    ui::CreateWindow(L"STATIC", line, ui::WS_CHILD | ui::WS_VISIBLE, 1, row++,
                                     width, 1, dialog);
                }
                field = ui::CreateWindow(
                    L"EDIT", L"", ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | ui::ES_PASSWORD,
                    1, row + 1, width, 1, dialog, kFieldId);
                if (auto* edit = ui::GetControl<ui::CEdit>(field)) edit->SetLimit(kMaxPassword);
                ui::OverrideBackKey(ui::CreateSoftKeyBar(dialog, res::IDM_DONE_CANCEL_PROMPT),
                                    true);
                ui::SetFocus(field);
                return 0;
            }
            case ui::WM_COMMAND:
                if (ui::LOWORD(wParam) == res::IDC_OPERATION_DONE) {
                    typed = ui::GetWindowText(field);
                    if (typed.empty()) {
                        CCVUIUtility::Instance().MessageBox(dialog, res::IDS_ONLINE_ENTER_PASSWORD,
                                                            ui::MB_OK | ui::MB_ICONEXCLAMATION);
                        ui::SetFocus(field);
                        return 0;
                    }
                    ui::EndDialog(dialog, ui::IDOK);
                    return 0;
                }
                if (ui::LOWORD(wParam) == res::IDC_OPERATION_CANCEL) {
                    ui::EndDialog(dialog, ui::IDCANCEL);
                    return 0;
                }
                break;
            case ui::WM_HOTKEY:
                ui::SendBackToFocusWindow(message, wParam, lParam);
                return 0;
            default:
                break;
        }
        return ui::DefWindowProc(dialog, message, wParam, lParam);
    };
    const int result =
        ui::DialogBoxIndirect(owner, Text(res::IDS_ONLINE_PASSWORD_TITLE), kWidth, kHeight, proc);
    if (result != ui::IDOK || typed.empty()) {
        password.clear();
        return false;
    }
    password = CCVUIUtility::NarrowCopy(typed);
    // The wide copy is wiped: the password serves one call and is kept nowhere.
    std::fill(typed.begin(), typed.end(), L'\0');
    return true;
}

}  // namespace shell
