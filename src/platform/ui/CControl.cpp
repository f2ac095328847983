#include "platform/ui/CControl.h"

#include <memory>

#include "platform/ui/CAnimation.h"
#include "platform/ui/CCheckBox.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDatePicker.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListView.h"
#include "platform/ui/CMessageBox.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CPopupMenu.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {

LRESULT CControl::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    m_hwnd = hwnd;
    switch (message) {
        case WM_PAINT: {
            CPaintDC dc(hwnd);
            Paint(dc.Context(), dc.ClientRect());
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE: Invalidate(); break;
        case WM_LBUTTONDOWN:
            if (TakesFocus()) SetFocus(hwnd);
            break;
        default: break;
    }
    bool handled = false;
    const LRESULT result = OnMessage(message, wParam, lParam, handled);
    return handled ? result : DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT CControl::OnMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

void CControl::Invalidate() const { InvalidateRect(m_hwnd); }
bool CControl::HasFocus() const { return GetFocus() == m_hwnd && m_hwnd != nullptr; }

RECT CControl::ClientRect() const {
    RECT rect;
    GetClientRect(m_hwnd, rect);
    return rect;
}

HFONT CControl::Font() const {
    return reinterpret_cast<HFONT>(SendMessage(m_hwnd, WM_GETFONT, 0, 0));
}

int CControl::ControlId() const { return GetDlgCtrlID(m_hwnd); }
DWORD CControl::Style() const { return static_cast<DWORD>(GetWindowLongPtr(m_hwnd, GWL_STYLE)); }

LRESULT CControl::NotifyParent(NMHDR& header) const {
    header.hwndFrom = m_hwnd;
    header.idFrom = static_cast<std::uintptr_t>(ControlId());
    const HWND parent = GetParent(m_hwnd);
    return SendMessage(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void CControl::CommandParent(UINT code) const {
    SendMessage(GetParent(m_hwnd), WM_COMMAND, MAKEWPARAM(ControlId(), code),
                reinterpret_cast<LPARAM>(m_hwnd));
}

void CControl::ValueChanged() const {
    SendMessage(GetParent(m_hwnd), WM_CV_VALUE_CHANGED, static_cast<WPARAM>(ControlId()),
                reinterpret_cast<LPARAM>(m_hwnd));
}

COLORREF CControl::TextColor() const {
    return IsWindowEnabled(m_hwnd) ? GetSysColor(COLOR_WINDOWTEXT) : GetSysColor(COLOR_GRAYTEXT);
}

COLORREF CControl::FieldColor() const { return HasFocus() ? kFocusFieldColor : kFieldColor; }

namespace {

template <class T>
void RegisterControl(const wchar_t* name) {
    CWindowManager::Instance().RegisterClass(
        name,
        [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            CControl* control = GetControlObject(hwnd);
            return control != nullptr ? control->WindowProc(hwnd, message, wParam, lParam)
                                      : DefWindowProc(hwnd, message, wParam, lParam);
        },
        [] { return std::make_unique<T>(); });
}

}  // namespace

void RegisterBuiltinClasses() {
    RegisterControl<CStatic>(L"STATIC");
    RegisterControl<CEdit>(L"EDIT");
    RegisterControl<CCheckBox>(L"BUTTON");
    RegisterControl<CSpinner>(L"LISTBOX");
    RegisterControl<CListView>(L"SysListView32");
    RegisterControl<CDatePicker>(L"SysDateTimePick32");
    RegisterControl<CAnimation>(L"SysAnimate32");
    RegisterControl<CSoftKeyBar>(L"SoftKeyBar");
    RegisterControl<CPopupMenu>(L"PopupMenu");
    RegisterControl<CMessageBox>(L"MessageBox");
    RegisterControl<CComboBox>(L"COMBOBOX");
    CWindowManager::Instance().RegisterClass(L"Dialog", DefWindowProc);
}

}  // namespace ui
