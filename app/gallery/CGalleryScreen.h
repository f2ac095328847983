#pragma once

#include <vector>

#include "platform/ui/WindowApi.h"
#include "resources/MenuIds.h"
#include "resources/StringIds.h"

// A screen of the gallery: a full-screen window with a soft-key bar and fields that up and down
// move between. Subclasses build their controls and answer their commands; commands they do not
// know go to the gallery's loop as a thread message.
class CGalleryScreen {
public:
    // Thread message to the gallery's loop: wParam is the command (next, back, exit).
    static constexpr ui::UINT kScreenCommand = ui::WM_APP + 1;

    virtual ~CGalleryScreen();
    // Creates the window with `title` and the soft keys of `menuId`. False on failure.
    bool Create(const std::wstring& title, int menuId);
    ui::HWND Window() const { return m_window; }

protected:
    virtual void Build() = 0;
    // Returns true when the command was handled.
    virtual bool Command(int id) = 0;
    virtual void Paint(ui::CDeviceContext& dc, const ui::RECT& client);
    virtual ui::LRESULT Notify(const ui::NMHDR& header);
    virtual void DrawItem(const ui::DRAWITEMSTRUCT& item);
    // The screen took a new size (the terminal was resized).
    virtual void Resized(int width, int height);

    // Adds a control that takes part in the focus ring.
    ui::HWND AddField(const wchar_t* className, ui::DWORD style, int x, int y, int width,
                      int height, int id, const std::wstring& text = L"");
    ui::HWND AddLabel(res::StringId text, int x, int y, int width);
    void MoveFocus(int direction);

    ui::HWND m_window = nullptr;
    std::vector<ui::HWND> m_fields;

private:
    ui::LRESULT WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
};
