#pragma once

#include <string>

#include "platform/ui/WinTypes.h"

// Message numbers, styles, notification codes and the records that messages point to. The
// numbers are Windows' own.
namespace ui {

class CDeviceContext;

enum WindowMessage : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_GETTEXTLENGTH = 0x000E,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_CANCELMODE = 0x001F,
    WM_QUIT = 0x0012,
    WM_SHOWWINDOW = 0x0018,
    WM_SETTINGCHANGE = 0x001A,
    WM_DRAWITEM = 0x002B,
    WM_MEASUREITEM = 0x002C,
    WM_SETFONT = 0x0030,
    WM_GETFONT = 0x0031,
    WM_NOTIFY = 0x004E,
    WM_HELP = 0x0053,
    WM_NCDESTROY = 0x0082,
    WM_GETDLGCODE = 0x0087,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
    WM_TIMER = 0x0113,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_HOTKEY = 0x0312,
    WM_USER = 0x0400,
    WM_APP = 0x8000,
};

// The first id RegisterWindowMessage hands out, as on Windows.
constexpr UINT kFirstRegisteredMessage = 0xC000;
constexpr UINT kLastRegisteredMessage = 0xFFFF;

// Sent to a control's parent when the value of an edit field or a spinner changed; wParam is the
// control's id, lParam its handle.
constexpr UINT WM_CV_VALUE_CHANGED = WM_APP + 103;

// Window styles.
enum WindowStyle : DWORD {
    WS_TABSTOP = 0x00010000,
    WS_DISABLED = 0x08000000,
    WS_VISIBLE = 0x10000000,
    WS_CHILD = 0x40000000,
    WS_POPUP = 0x80000000,
    WS_BORDER = 0x00800000,
};

// Static text alignment.
constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_CENTER = 0x1;
constexpr DWORD SS_RIGHT = 0x2;

// Edit fields.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_PASSWORD = 0x0020;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_NUMBER = 0x2000;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;  // wParam 0 shows the text, any other masks it

// Buttons (check boxes).
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr UINT BN_CLICKED = 0;
constexpr unsigned BST_UNCHECKED = 0;
constexpr unsigned BST_CHECKED = 1;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;

// Spinners (one-line list boxes).
constexpr UINT LBN_SELCHANGE = 1;
// The action key on a spinner or a combo box: its entry is chosen (not merely selected).
constexpr UINT LBN_DBLCLK = 2;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT CBN_DBLCLK = 2;
constexpr UINT CBN_EDITCHANGE = 5;
// The action key on an edit field that does not take it as a line break.
constexpr UINT EN_RETURN = 0x0701;
// A multi-line edit field that takes the action key as a line break.
constexpr DWORD ES_WANTRETURN = 0x1000;

// List views.
constexpr DWORD LVS_OWNERDRAWFIXED = 0x0400;
// The list holds no rows, only their count (CListView::SetItemCount); the parent draws the
// visible ones (LVS_OWNERDRAWFIXED) or gives their texts when asked (LVN_GETDISPINFO).
constexpr DWORD LVS_OWNERDATA = 0x1000;
constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;

// WM_SIZE and WM_ACTIVATE codes.
constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;

// WM_GETDLGCODE answers: a control that keeps the arrow keys for itself.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;

// Notification header of WM_NOTIFY (lParam points to it, or to a record that starts with it).
struct NMHDR {
    HWND hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    UINT code = 0;
};

enum NotifyCode : UINT {
    LVN_ITEMCHANGED = static_cast<UINT>(-101),
    LVN_COLUMNCLICK = static_cast<UINT>(-108),
    LVN_GETDISPINFO = static_cast<UINT>(-150),
    LVN_KEYDOWN = static_cast<UINT>(-155),
    LVN_ITEMACTIVATE = static_cast<UINT>(-114),
    DTN_DATETIMECHANGE = static_cast<UINT>(-759),
};

constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr UINT LVIF_STATE = 0x0008;

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction;
    LPARAM lParam = 0;
};

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
};

struct NMLVKEYDOWN {
    NMHDR hdr;
    unsigned wVKey = 0;
};

// LVN_GETDISPINFO: a list with LVS_OWNERDATA asks its parent for the text of one cell; the parent
// fills `text` (left empty, the cell shows blank).
struct NMLVDISPINFO {
    NMHDR hdr;
    int iItem = 0;
    int iSubItem = 0;
    std::wstring text;
};

// Owner-drawn rows: WM_MEASUREITEM asks the parent for the row height, WM_DRAWITEM asks it to
// draw one row. wParam is the control's id, lParam points to the record.
constexpr UINT ODT_LISTVIEW = 102;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODA_DRAWENTIRE = 0x0001;

struct MEASUREITEMSTRUCT {
    UINT CtlType = ODT_LISTVIEW;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 1;  // rows are one cell high unless the parent says otherwise
};

struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_LISTVIEW;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    CDeviceContext* hDC = nullptr;
    RECT rcItem;
    LPARAM itemData = 0;
};

// Message boxes.
enum MessageBoxStyle : UINT {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONSTOP = MB_ICONERROR,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONEXCLAMATION = MB_ICONWARNING,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON1 = 0x000,
    MB_DEFBUTTON2 = 0x100,
};
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFMASK = 0xF00;

enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

// Window data slots of GetWindowLongPtr / SetWindowLongPtr.
constexpr int GWLP_USERDATA = -21;
constexpr int GWL_STYLE = -16;
constexpr int GWL_ID = -12;

}  // namespace ui
