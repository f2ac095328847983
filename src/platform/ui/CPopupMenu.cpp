#include "platform/ui/CPopupMenu.h"

#include <algorithm>

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {
namespace {

constexpr wchar_t kMenuClass[] = L"PopupMenu";
constexpr wchar_t kCheckMark = L'✓';
constexpr wchar_t kRadioMark = L'•';
constexpr wchar_t kSubMenuMark = L'►';
constexpr wchar_t kSeparator = L'─';
constexpr int kFrame = 1;
constexpr int kDecoration = 7;  // frame, number, blank, mark, blank, sub-menu mark, frame
constexpr int kNumberedItems = 10;

}  // namespace

HWND CPopupMenu::Open(HWND owner, CMenu* menu, HWND parentMenu) {
    if (menu == nullptr || menu->GetItemCount() == 0) return nullptr;
    const RECT work = CWindowManager::Instance().WorkArea();
    int textWidth = 0;
    for (int i = 0; i < menu->GetItemCount(); ++i) {
        textWidth = std::max(textWidth, static_cast<int>(menu->GetItem(i)->text.size()));
    }
    const int width = std::min(work.Width(), textWidth + kDecoration);
    const int height = std::min(work.Height(), menu->GetItemCount() + 2 * kFrame);
    int x = work.right - width;
    int y = work.bottom - height;
    if (parentMenu != nullptr) {
        RECT parent;
        GetWindowRect(parentMenu, parent);
        const CPopupMenu* parentControl = GetControl<CPopupMenu>(parentMenu);
        const int row = parentControl != nullptr
                            ? parentControl->m_highlight - parentControl->m_top
                            : 0;
        x = std::max(work.left, parent.left - width + 2);
        y = std::clamp(parent.top + kFrame + row, work.top, work.bottom - height);
    }
    const HWND previousFocus = GetFocus();
    const HWND window = CreateWindowEx(WS_EX_NOACTIVATE, kMenuClass, L"",
                                       WS_POPUP | WS_BORDER | WS_VISIBLE, x, y, width, height,
                                       parentMenu != nullptr ? parentMenu : owner);
    CPopupMenu* control = GetControl<CPopupMenu>(window);
    if (control == nullptr) return nullptr;
    control->m_menu = menu;
    control->m_owner = owner;
    control->m_parentMenu = parentMenu;
    control->m_previousFocus = previousFocus;
    control->m_highlight = -1;
    control->MoveHighlight(1);
    SetFocus(window);
    return window;
}

void CPopupMenu::CloseAll(HWND menuWindow) {
    HWND root = menuWindow;
    while (const CPopupMenu* control = GetControl<CPopupMenu>(root)) {
        if (control->m_parentMenu == nullptr) break;
        root = control->m_parentMenu;
    }
    const CPopupMenu* rootControl = GetControl<CPopupMenu>(root);
    if (rootControl == nullptr) return;
    const HWND previous = rootControl->m_previousFocus;
    DestroyWindow(root);  // sub-menus are owned by their parent menu and go with it
    SetFocus(previous);
}

void CPopupMenu::CloseLevel() {
    const HWND parent = m_parentMenu;
    const HWND previous = m_previousFocus;
    const HWND self = Handle();
    if (parent == nullptr) {
        CloseAll(self);
        return;
    }
    DestroyWindow(self);
    SetFocus(IsWindow(parent) ? parent : previous);
}

int CPopupMenu::VisibleRows() const { return std::max(1, ClientRect().Height() - 2 * kFrame); }

void CPopupMenu::MoveHighlight(int delta) {
    const int count = m_menu->GetItemCount();
    int position = m_highlight;
    for (int step = 0; step < count; ++step) {
        position = ((position + delta) % count + count) % count;
        if (!m_menu->GetItem(position)->IsSeparator()) break;
    }
    m_highlight = position;
    const int rows = VisibleRows();
    if (m_highlight < m_top) m_top = m_highlight;
    else if (m_highlight >= m_top + rows) m_top = m_highlight - rows + 1;
    Invalidate();
}

int CPopupMenu::NumberOf(int position) const {
    int number = 0;
    for (int i = 0; i <= position && i < m_menu->GetItemCount(); ++i) {
        if (!m_menu->GetItem(i)->IsSeparator()) ++number;
    }
    return number;
}

int CPopupMenu::PositionOfNumber(int number) const {
    for (int i = 0; i < m_menu->GetItemCount(); ++i) {
        if (!m_menu->GetItem(i)->IsSeparator() && NumberOf(i) == number) return i;
    }
    return -1;
}

void CPopupMenu::Activate(int position, bool openOnly) {
    CMenu::Item* item = m_menu->GetItem(position);
    if (item == nullptr || item->IsSeparator() || !item->IsEnabled()) return;
    m_highlight = position;
    Invalidate();
    if (item->popup) {
        Open(m_owner, item->popup.get(), Handle());
        return;
    }
    if (openOnly) return;
    const UINT id = item->id;
    const HWND owner = m_owner;
    CloseAll(Handle());
    PostMessage(owner, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void CPopupMenu::KeyDown(unsigned vk) {
    if (vk >= '0' && vk <= '9') {
        const int number = vk == '0' ? kNumberedItems : static_cast<int>(vk - '0');
        const int position = PositionOfNumber(number);
        if (position >= 0) Activate(position, false);
        return;
    }
    switch (vk) {
        case VK_UP: MoveHighlight(-1); break;
        case VK_DOWN: MoveHighlight(1); break;
        case VK_RETURN: Activate(m_highlight, false); break;
        case VK_RIGHT: Activate(m_highlight, true); break;
        case VK_LEFT:
        case VK_TBACK:
        case VK_BACK: CloseLevel(); break;
        default: break;
    }
}

LRESULT CPopupMenu::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
        case WM_KEYDOWN: KeyDown(static_cast<unsigned>(wParam)); return 0;
        case WM_CANCELMODE: CloseAll(Handle()); return 0;
        case WM_LBUTTONUP: {
            const int row = static_cast<std::int16_t>(HIWORD(lParam)) - kFrame;
            if (row >= 0 && row < VisibleRows()) Activate(m_top + row, false);
            return 0;
        }
        default: handled = false; return 0;
    }
}

void CPopupMenu::Paint(CDeviceContext& dc, const RECT& client) {
    const COLORREF back = GetSysColor(COLOR_WINDOW);
    dc.FillRect(client, back);
    dc.FrameRect(client, GetSysColor(COLOR_WINDOWTEXT));
    const int rows = VisibleRows();
    for (int row = 0; row < rows && m_top + row < m_menu->GetItemCount(); ++row) {
        const int position = m_top + row;
        const CMenu::Item* item = m_menu->GetItem(position);
        const int y = kFrame + row;
        RECT line{kFrame, y, client.right - kFrame, y + 1};
        if (item->IsSeparator()) {
            dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
            dc.TextOut(kFrame, y, std::wstring(static_cast<std::size_t>(line.Width()), kSeparator));
            continue;
        }
        const bool highlighted = position == m_highlight;
        const COLORREF rowBack = highlighted ? GetSysColor(COLOR_HIGHLIGHT) : back;
        COLORREF text = highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                    : GetSysColor(COLOR_WINDOWTEXT);
        if (!item->IsEnabled()) text = GetSysColor(COLOR_GRAYTEXT);
        dc.FillRect(line, rowBack);
        dc.SetBkColor(rowBack);
        dc.SetTextColor(text);
        const int number = NumberOf(position);
        std::wstring label;
        label += number <= kNumberedItems ? static_cast<wchar_t>(L'0' + number % 10) : L' ';
        label += L' ';
        if (item->IsChecked()) label += (item->flags & MFT_RADIOCHECK) ? kRadioMark : kCheckMark;
        else label += L' ';
        label += item->text;
        RECT textArea{line.left, y, line.right - 2, y + 1};
        dc.DrawText(label, textArea, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
        if (item->popup) dc.TextOut(line.right - 1, y, std::wstring(1, kSubMenuMark));
    }
    dc.SetBkColor(back);
    dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    if (m_top > 0) dc.TextOut(client.right - 2, 0, L"▲");
    if (m_top + rows < m_menu->GetItemCount()) dc.TextOut(client.right - 2, client.bottom - 1, L"▼");
}

}  // namespace ui
