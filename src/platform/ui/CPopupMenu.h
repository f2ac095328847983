#pragma once

#include "platform/ui/CControl.h"
#include "platform/ui/CMenu.h"

// An open pop-up menu ("PopupMenu"): a framed list of the menu's items above the soft-key bar,
// numbered 1-9 and 0 for the tenth. Up and down move the highlight, a number or the action key
// picks an item, right opens a sub-menu, left and the Back key close one level. Picking a command
// closes every level and posts WM_COMMAND to the window the menu belongs to; disabled items cannot
// be picked. The menu shows check and radio marks and scrolls when it is taller than the screen.
// It takes the focus while open and gives it back when closed.
namespace ui {

class CPopupMenu : public CControl {
public:
    // Opens `menu` for `owner`; `parentMenu` is the menu window a sub-menu opens from, or null.
    // `menu` must outlive the open menu (the soft-key bar owns it).
    static HWND Open(HWND owner, CMenu* menu, HWND parentMenu);
    // Closes the menu and every level above and below it.
    static void CloseAll(HWND menuWindow);

    int Highlighted() const { return m_highlight; }

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void KeyDown(unsigned vk);
    void Activate(int position, bool openOnly);
    void MoveHighlight(int delta);
    void CloseLevel();
    int PositionOfNumber(int number) const;
    int NumberOf(int position) const;
    int VisibleRows() const;

    CMenu* m_menu = nullptr;
    HWND m_owner = nullptr;
    HWND m_parentMenu = nullptr;
    HWND m_previousFocus = nullptr;
    int m_highlight = 0;
    int m_top = 0;
};

}  // namespace ui
