#pragma once

#include <string>
#include <vector>

#include "platform/ui/CDeviceContext.h"
#include "platform/ui/WinMessages.h"
#include "views/help/CHelpPage.h"

// The help viewer: a window over the whole work area that shows one help page at a time, opened
// by the help key (F3 or Ctrl+G) at the page of the screen shown. It runs its own loop and leaves
// the screen under it as it was.
//
// Keys: up and down scroll a line, Page Up and Page Down a page, Home and End to the top and the
// bottom; left and right choose the previous or next link, and the action key follows it. The
// Back key returns to the page before, and from the first page closes the viewer; "Contents"
// shows the table of contents and "Close" closes the viewer at once.
namespace views {

class CHelpViewer {
  public:
    // `page` is "Coinvale.htm#Topic" (or just the topic).
    static void Show(const std::string& page);

  private:
    CHelpViewer() = default;
    ui::LRESULT WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    void Open(const std::string& topic, bool remember);
    void Back();
    void Paint(ui::CDeviceContext& dc, const ui::RECT& client);
    bool OnKey(unsigned vk);
    void ScrollTo(int top);
    void SelectLink(int link);
    int PageRows() const;
    int Width() const;

    ui::HWND m_window = nullptr;
    std::vector<std::string> m_history;
    CHelpPage m_page{""};
    int m_top = 0;
    int m_link = -1;
};

}  // namespace views
