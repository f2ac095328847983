#pragma once

#include <memory>
#include <string>

#include "platform/ui/CControl.h"
#include "platform/ui/CMenu.h"

// The soft-key bar of a top-level window: the bottom row of the screen while its window is
// active. Its menu holds one item per soft key (position 0 the left key, 1 the right key); a key
// whose item has a pop-up opens that menu, any other key posts WM_COMMAND with the item's id to
// the bar's window. Labels show with the key names beside them, both of each key's bindings
// ("F1/^L New", "Menu F2/^R") where every label fits its half of the bar, else the function key
// alone ("F1 New"); a disabled key does nothing.
namespace ui {

constexpr UINT MF_DEFAULT = 0x1000;  // the key the action key stands for: drawn in bold

class CSoftKeyBar : public CControl {
public:
    // Builds the bar from a menu definition (null for an unknown id or a window that is not a
    // top-level window), or from a menu made at run time.
    static HWND Create(HWND owner, int menuId);
    static HWND CreateFromMenu(HWND owner, std::unique_ptr<CMenu> menu);

    CMenu* GetMenu() { return m_menu.get(); }
    void SetKeyLabel(int key, const std::wstring& label);
    bool IsMenuOpen() const;
    // Presses a soft key: the same as F1 (0) or F2 (1).
    void PressKey(int key);

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    bool TakesFocus() const override { return false; }

private:
  // The key's label with its key names, or empty when the key has none.
  std::wstring Label(int key, bool bothBindings) const;

  std::unique_ptr<CMenu> m_menu;
  HWND m_openMenu = nullptr;
};

}  // namespace ui
