#include "platform/ui/CSoftKeyBar.h"

#include "platform/ui/CPopupMenu.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/MenuTable.h"
#include "resources/StringTable.h"

namespace ui {
namespace {

constexpr wchar_t kBarClass[] = L"SoftKeyBar";
constexpr int kLeftKey = 0;
constexpr int kRightKey = 1;

}  // namespace

HWND CSoftKeyBar::Create(HWND owner, int menuId) {
    const res::MenuDef* definition = res::FindMenu(menuId);
    if (definition == nullptr) return nullptr;
    return CreateFromMenu(owner, CMenu::FromDefinition(definition->keys, res::kSoftKeyCount));
}

HWND CSoftKeyBar::CreateFromMenu(HWND owner, std::unique_ptr<CMenu> menu) {
    if (!IsWindow(owner) || GetParent(owner) != nullptr || !menu) return nullptr;
    CWindowManager& manager = CWindowManager::Instance();
    DestroyWindow(manager.GetSoftKeyBar(owner));  // a window has one bar
    const SIZE size = manager.ScreenSize();
    const HWND bar = CreateWindowEx(WS_EX_NOACTIVATE, kBarClass, L"", WS_POPUP | WS_VISIBLE, 0,
                                    size.cy - 1, size.cx, 1, owner);
    CSoftKeyBar* control = GetControl<CSoftKeyBar>(bar);
    if (control == nullptr) return nullptr;
    control->m_menu = std::move(menu);
    manager.AttachSoftKeyBar(owner, bar);
    InvalidateRect(bar);
    return bar;
}

void CSoftKeyBar::SetKeyLabel(int key, const std::wstring& label) {
    if (m_menu && m_menu->SetItemText(static_cast<UINT>(key), MF_BYPOSITION, label)) Invalidate();
}

bool CSoftKeyBar::IsMenuOpen() const { return IsWindow(m_openMenu); }

void CSoftKeyBar::PressKey(int key) {
    if (IsMenuOpen()) {
        CPopupMenu::CloseAll(m_openMenu);
        m_openMenu = nullptr;
        return;
    }
    const CMenu::Item* item = m_menu ? m_menu->GetItem(key) : nullptr;
    if (item == nullptr || !item->IsEnabled() || item->IsSeparator()) return;
    const HWND owner = GetOwner(Handle());
    if (item->popup) {
        m_openMenu = CPopupMenu::Open(owner, item->popup.get(), nullptr);
    } else {
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(item->id, 0), 0);
    }
}

LRESULT CSoftKeyBar::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    handled = message == WM_KEYDOWN && (wParam == VK_TSOFT1 || wParam == VK_TSOFT2);
    if (handled) PressKey(wParam == VK_TSOFT1 ? kLeftKey : kRightKey);
    return 0;
}

std::wstring CSoftKeyBar::Label(int key, bool bothBindings) const {
    const CMenu::Item* item = m_menu ? m_menu->GetItem(key) : nullptr;
    if (item == nullptr || item->text.empty()) return {};
    res::StringId name = key == kLeftKey ? res::IDS_KEY_LEFT_SOFT : res::IDS_KEY_RIGHT_SOFT;
    if (bothBindings) {
        name = key == kLeftKey ? res::IDS_KEY_LEFT_SOFT_BOTH : res::IDS_KEY_RIGHT_SOFT_BOTH;
    }
    const std::wstring keys(res::LoadString(name));
    return key == kLeftKey ? keys + L" " + item->text : item->text + L" " + keys;
}

void CSoftKeyBar::Paint(CDeviceContext& dc, const RECT& client) {
    const COLORREF back = GetSysColor(COLOR_BTNFACE);
    dc.FillRect(client, back);
    dc.SetBkColor(back);
    if (!m_menu) return;
    const int half = client.Width() / 2;
    const RECT areas[] = {RECT{0, 0, half, 1}, RECT{half, 0, client.right, 1}};
    const bool bothBindings =
        static_cast<int>(Label(kLeftKey, true).size()) <= areas[kLeftKey].Width() &&
        static_cast<int>(Label(kRightKey, true).size()) <= areas[kRightKey].Width();
    for (int key = kLeftKey; key <= kRightKey; ++key) {
        const std::wstring label = Label(key, bothBindings);
        if (label.empty()) continue;
        const CMenu::Item* item = m_menu->GetItem(key);
        dc.SetTextColor(item->IsEnabled() ? GetSysColor(COLOR_WINDOWTEXT)
                                          : GetSysColor(COLOR_GRAYTEXT));
        const HFONT font = (item->flags & MF_DEFAULT) != 0
                               ? CFont::Create(LOGFONT{0, 0, FW_BOLD, false, false, L""})
                               : CFont::Default();
        const HFONT previous = dc.SelectFont(font);
        RECT area = areas[key];
        dc.DrawText(label, area,
                    (key == kLeftKey ? DT_LEFT : DT_RIGHT) | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.SelectFont(previous);
    }
}

}  // namespace ui
