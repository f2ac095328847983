#include "views/accounts/CChooseIconView.h"

#include <algorithm>

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/IconGlyphs.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CHandBack.h"

namespace views {
namespace {

constexpr int kCellWidth = 3;  // a glyph between two blanks
constexpr int kTop = 1;
constexpr int kLeft = 1;
constexpr int kIconSet = 0;

}  // namespace

shell::CCVView::Frame CChooseIconView::Describe(ui::LPARAM) {
    return Frame{L"ChooseIconView", std::wstring(res::LoadString(res::IDS_CHOOSE_ICON_TITLE)),
                 res::IDM_CHOOSE_ICON};
}

bool CChooseIconView::OnCreate(ui::LPARAM param) {
    const int count = res::IconCount();
    if (count <= 0) return false;
    m_selected = std::clamp(static_cast<int>(param), 0, count - 1);
    ui::SetFocus(Window());
    return true;
}

int CChooseIconView::Columns() const {
    return std::max(1, (ClientRect().right - kLeft) / kCellWidth);
}

void CChooseIconView::Choose() {
    shell::CCVApplication::Instance().HandBack().Give(
        shell::HandBackKind::kIcon, std::make_unique<shell::CHandBackOf<int>>(m_selected));
    PostBack(0);
}

bool CChooseIconView::OnCommand(int id) {
    switch (id) {
        case res::IDC_ICON_SELECT:
            Choose();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

bool CChooseIconView::OnKey(unsigned vk) {
    const int count = res::IconCount();
    const int columns = Columns();
    int next = m_selected;
    switch (vk) {
        case ui::VK_LEFT:
            next -= 1;
            break;
        case ui::VK_RIGHT:
            next += 1;
            break;
        case ui::VK_UP:
            next -= columns;
            break;
        case ui::VK_DOWN:
            next += columns;
            break;
        case ui::VK_HOME:
            next = 0;
            break;
        case ui::VK_END:
            next = count - 1;
            break;
        case ui::VK_RETURN:
            Choose();
            return true;
        default:
            return false;
    }
    if (next >= 0 && next < count) {
        m_selected = next;
        Repaint();
    }
    return true;
}

void CChooseIconView::OnPaint(ui::CDeviceContext& dc, const ui::RECT&) {
    const int columns = Columns();
    for (int icon = 0; icon < res::IconCount(); ++icon) {
        const int x = kLeft + (icon % columns) * kCellWidth;
        const int y = kTop + icon / columns;
        const bool selected = icon == m_selected;
        const ui::COLORREF back =
            selected ? ui::GetSysColor(ui::COLOR_HIGHLIGHT) : ui::GetSysColor(ui::COLOR_WINDOW);
        dc.SetBkColor(back);
        dc.SetTextColor(selected ? ui::GetSysColor(ui::COLOR_HIGHLIGHTTEXT)
                                 : ui::GetSysColor(ui::COLOR_WINDOWTEXT));
        dc.FillRect(ui::RECT{x, y, x + kCellWidth, y + 1}, back);
        dc.TextOut(x + 1, y, std::wstring(1, res::IconGlyph(kIconSet, icon)));
    }
}

}  // namespace views
