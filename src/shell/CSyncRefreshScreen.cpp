#include "shell/CSyncRefreshScreen.h"

#include "platform/ui/CPaintDC.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"

namespace shell {
namespace {

constexpr int kTextId = 1;
constexpr int kTextTop = 3;  // below the heading and a blank row
constexpr int kMargin = 1;

ui::HWND g_window = nullptr;

}  // namespace

ui::HWND CSyncRefreshScreen::Window() {
    return ui::IsWindow(g_window) ? g_window : nullptr;
}

void CSyncRefreshScreen::Show() {
    if (Window() == nullptr) {
        static const bool registered =
            ui::RegisterClass(kClassName, &CSyncRefreshScreen::WindowProc);
        if (!registered) return;
        g_window = ui::CreateWindow(kClassName, std::wstring(res::LoadString(res::IDS_APP_NAME)),
                                    ui::WS_VISIBLE, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT,
                                    ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, nullptr);
        if (g_window == nullptr) return;
        CCVUIUtility::Instance().CreateSoftKeyBar(res::IDM_SYNC_REFRESH, g_window);
        ui::RECT client;
        ui::GetClientRect(g_window, client);
        ui::CreateWindow(L"STATIC", std::wstring(res::LoadString(res::IDS_SYNC_REFRESH_TEXT)),
                         ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | ui::SS_CENTER, kMargin,
                         kTextTop, std::max(1, client.Width() - 2 * kMargin),
                         std::max(1, client.Height() - kTextTop), g_window, kTextId);
    }
    ui::SetForegroundWindow(g_window);
    ui::SetActiveWindow(g_window);
    ui::SetFocus(g_window);
    ui::UpdateWindow(g_window);
}

void CSyncRefreshScreen::ShowFailure(const std::wstring& text) {
    if (Window() == nullptr) Show();
    ui::SetWindowText(ui::GetDlgItem(g_window, kTextId), text);
    ui::InvalidateRect(g_window);
}

void CSyncRefreshScreen::Dismiss() {
    if (Window() != nullptr) ui::DestroyWindow(g_window);
    g_window = nullptr;
}

ui::LRESULT CSyncRefreshScreen::WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                           ui::LPARAM lParam) {
    switch (message) {
        case ui::WM_PAINT: {
            ui::CPaintDC dc(hwnd);
            CCVUIUtility::Instance().DrawHeading(dc.Context(), res::IDS_SYNC_REFRESHING);
            return 0;
        }
        case ui::WM_COMMAND:
            if (ui::LOWORD(wParam) == res::IDC_SYNC_REFRESH_OK) {
                CCVApplication::Instance().PostBack(0);
                return 0;
            }
            break;
        case ui::WM_HOTKEY:
            // Back, when released.
            if (ui::HIWORD(lParam) == ui::VK_TBACK && (ui::LOWORD(lParam) & ui::MOD_KEYUP) != 0) {
                CCVApplication::Instance().PostBack(0);
                return 0;
            }
            break;
        default:
            break;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace shell
