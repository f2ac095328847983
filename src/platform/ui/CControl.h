#pragma once

#include "platform/ui/CDeviceContext.h"
#include "platform/ui/WinMessages.h"

// The base of the built-in controls. A control is the object behind a window of a built-in class:
// the class's procedure hands every message to it. A control paints itself when asked, takes the
// focus on a tap, and tells its parent about changes with WM_COMMAND, WM_NOTIFY or
// WM_CV_VALUE_CHANGED.
//
// A control's methods are called on the thread that owns its window. Reach a control from its
// handle with ui::GetControl<CEdit>(hwnd), which gives null for a stale handle or another class.
namespace ui {

// The background of a field, and of the field that has the focus.
constexpr COLORREF kFieldColor = RGB(224, 224, 224);
constexpr COLORREF kFocusFieldColor = RGB(255, 255, 176);

class CControl {
public:
    virtual ~CControl() = default;

    LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Handle() const { return m_hwnd; }

protected:
    // Draws the whole client area.
    virtual void Paint(CDeviceContext& dc, const RECT& client) = 0;
    // Handles a message; `handled` false passes it on to the default handling.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    virtual bool TakesFocus() const { return true; }

    void Invalidate() const;
    bool HasFocus() const;
    RECT ClientRect() const;
    HFONT Font() const;
    int ControlId() const;
    DWORD Style() const;
    LRESULT NotifyParent(NMHDR& header) const;  // WM_NOTIFY; fills the header's sender fields
    void CommandParent(UINT code) const;        // WM_COMMAND with the control's id and `code`
    void ValueChanged() const;                  // WM_CV_VALUE_CHANGED

    // The text colour (grey when disabled) and the field colour (marked when focused).
    COLORREF TextColor() const;
    COLORREF FieldColor() const;

private:
    HWND m_hwnd = nullptr;
};

// Registers the classes of the built-in controls ("STATIC", "EDIT", "BUTTON", "LISTBOX",
// "SysListView32", "SysDateTimePick32", "SysAnimate32", "SoftKeyBar", "PopupMenu",
// "MessageBox", "COMBOBOX"). Done once by the window manager.
void RegisterBuiltinClasses();

}  // namespace ui
