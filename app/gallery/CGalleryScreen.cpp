#include "CGalleryScreen.h"

#include <algorithm>

#include "platform/ui/CPaintDC.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace {

constexpr wchar_t kScreenClass[] = L"GalleryScreen";

}  // namespace

CGalleryScreen::~CGalleryScreen() { ui::DestroyWindow(m_window); }

bool CGalleryScreen::Create(const std::wstring& title, int menuId) {
    static const bool registered = ui::RegisterClass(
        kScreenClass, [](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            auto* screen = reinterpret_cast<CGalleryScreen*>(
                ui::GetWindowLongPtr(hwnd, ui::GWLP_USERDATA));
            return screen != nullptr ? screen->WindowProc(hwnd, message, wParam, lParam)
                                     : ui::DefWindowProc(hwnd, message, wParam, lParam);
        });
    (void)registered;
    m_window = ui::CreateWindow(kScreenClass, title, 0, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT,
                                ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, nullptr);
    if (m_window == nullptr) return false;
    ui::SetWindowLongPtr(m_window, ui::GWLP_USERDATA, reinterpret_cast<std::intptr_t>(this));
    CCVUIUtility::Instance().CreateSoftKeyBar(menuId, m_window);
    Build();
    ui::ShowWindow(m_window, ui::SW_SHOW);
    if (!m_fields.empty()) ui::SetFocus(m_fields.front());
    return true;
}

ui::HWND CGalleryScreen::AddField(const wchar_t* className, ui::DWORD style, int x, int y,
                                  int width, int height, int id, const std::wstring& text) {
    const ui::HWND field = ui::CreateWindow(className, text, ui::WS_CHILD | ui::WS_VISIBLE |
                                            ui::WS_TABSTOP | style, x, y, width, height,
                                            m_window, id);
    if (field != nullptr) m_fields.push_back(field);
    return field;
}

ui::HWND CGalleryScreen::AddLabel(res::StringId text, int x, int y, int width) {
    return CCVUIUtility::Instance().StaticLabel(text, {}, ui::RECT{x, y, x + width, y + 1},
                                                m_window);
}

void CGalleryScreen::MoveFocus(int direction) {
    if (m_fields.empty()) return;
    auto it = std::find(m_fields.begin(), m_fields.end(), ui::GetFocus());
    int index = it == m_fields.end() ? 0 : static_cast<int>(it - m_fields.begin()) + direction;
    const int count = static_cast<int>(m_fields.size());
    index = (index % count + count) % count;
    ui::SetFocus(m_fields[static_cast<std::size_t>(index)]);
}

void CGalleryScreen::Paint(ui::CDeviceContext&, const ui::RECT&) {}

ui::LRESULT CGalleryScreen::Notify(const ui::NMHDR&) { return 0; }

void CGalleryScreen::DrawItem(const ui::DRAWITEMSTRUCT&) {}

void CGalleryScreen::Resized(int, int) {}

ui::LRESULT CGalleryScreen::WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                       ui::LPARAM lParam) {
    switch (message) {
        case ui::WM_PAINT: {
            ui::CPaintDC dc(hwnd);
            Paint(dc.Context(), dc.ClientRect());
            return 0;
        }
        case ui::WM_KEYDOWN:
            if (wParam == ui::VK_UP || wParam == ui::VK_DOWN) {
                // A focused list keeps the arrows; otherwise they move between the fields.
                ui::MSG msg{hwnd, message, wParam, lParam, 0, ui::POINT{}};
                if (!CCVUIUtility::Instance().RouteKey(ui::GetFocus(), msg)) {
                    MoveFocus(wParam == ui::VK_UP ? -1 : 1);
                }
                return 0;
            }
            break;
        case ui::WM_HOTKEY:
            // The Back key erases in a field, and on the key's release leaves a screen whose
            // focused field is not an edit field.
            if ((ui::LOWORD(lParam) & ui::MOD_KEYUP) != 0 &&
                ui::GetClassName(ui::GetFocus()) != L"EDIT") {
                ui::PostThreadMessage(ui::GetCurrentThreadId(), kScreenCommand,
                                      res::IDC_GALLERY_BACK, 0);
            }
            ui::SendBackToFocusWindow(message, wParam, lParam);
            return 0;
        case ui::WM_COMMAND:
            if (lParam == 0 && !Command(static_cast<int>(ui::LOWORD(wParam)))) {
                ui::PostThreadMessage(ui::GetCurrentThreadId(), kScreenCommand,
                                      ui::LOWORD(wParam), 0);
            }
            return 0;
        case ui::WM_NOTIFY: return Notify(*reinterpret_cast<const ui::NMHDR*>(lParam));
        case ui::WM_SIZE:
            Resized(static_cast<int>(ui::LOWORD(lParam)), static_cast<int>(ui::HIWORD(lParam)));
            return 0;
        case ui::WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const ui::DRAWITEMSTRUCT*>(lParam));
            return 1;
        default: break;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}
