#pragma once

#include <functional>
#include <string>

#include "platform/ui/CWindowManager.h"
#include "platform/ui/WinMessages.h"

// The window and message functions, with Windows' names and meanings. A stale handle is harmless
// everywhere: functions given one do nothing and answer null, false or 0.
namespace ui {

class CControl;

// --- classes and windows
bool RegisterClass(const std::wstring& name, WNDPROC proc);
bool UnregisterClass(const std::wstring& name);
HWND CreateWindowEx(DWORD exStyle, const std::wstring& className, const std::wstring& title,
                    DWORD style, int x, int y, int width, int height, HWND parent, int id = 0,
                    LPARAM param = 0);
HWND CreateWindow(const std::wstring& className, const std::wstring& title, DWORD style, int x,
                  int y, int width, int height, HWND parent, int id = 0, LPARAM param = 0);
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

std::wstring GetClassName(HWND hwnd);
std::wstring GetWindowText(HWND hwnd);
bool SetWindowText(HWND hwnd, const std::wstring& text);
HWND GetParent(HWND hwnd);
HWND GetOwner(HWND hwnd);
HWND GetAncestorRoot(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);
std::intptr_t GetWindowLongPtr(HWND hwnd, int index);
std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value);
HWND FindWindow(const std::wstring& className, const std::wstring& title);

bool GetWindowRect(HWND hwnd, RECT& rect);  // on the screen
bool GetClientRect(HWND hwnd, RECT& rect);  // (0, 0) to the size
bool MoveWindow(HWND hwnd, int x, int y, int width, int height);
enum ShowCommand : int { SW_HIDE = 0, SW_SHOW = 5 };
bool ShowWindow(HWND hwnd, int command);
bool IsWindowVisible(HWND hwnd);
bool EnableWindow(HWND hwnd, bool enabled);
bool IsWindowEnabled(HWND hwnd);

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

bool InvalidateRect(HWND hwnd, const RECT* rect = nullptr);
bool UpdateWindow(HWND hwnd);
void SendFont(HWND hwnd, HFONT font);

// The control behind a window of a built-in class, or null.
CControl* GetControlObject(HWND hwnd);
template <class T>
T* GetControl(HWND hwnd) {
    return dynamic_cast<T*>(GetControlObject(hwnd));
}

// --- messages
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
bool PostThreadMessage(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
bool GetMessage(MSG& msg, HWND filter = nullptr, UINT first = 0, UINT last = 0);  // false on WM_QUIT
enum PeekRemove : UINT { PM_NOREMOVE = 0, PM_REMOVE = 1 };
bool PeekMessage(MSG& msg, HWND filter, UINT first, UINT last, UINT remove);
bool TranslateMessage(const MSG& msg);
LRESULT DispatchMessage(const MSG& msg);
void PostQuitMessage(int code);
UINT RegisterWindowMessage(const std::wstring& name);
DWORD GetCurrentThreadId();
DWORD GetWindowThreadId(HWND hwnd);

// Runs the thread's messages until none is left (painting and composing the screen on the way).
void PumpUntilIdle();

// Paints every invalid window of this thread and shows the screen now: for a thread about to
// be busy for a while.
void RefreshScreen();

// --- timers
// Starts (or restarts) timer `id` of the window: WM_TIMER (wParam the id) every `elapse`
// milliseconds of the tick count, until KillTimer or the window's end. False for a stale handle.
bool SetTimer(HWND hwnd, UINT id, UINT elapse);
bool KillTimer(HWND hwnd, UINT id);
// The tick count (sys::GetTickCount) of the last key or tap the screen delivered.
DWORD GetLastInputTick();

// --- modal loops
// Runs the thread's messages until EndDialog(dialog) or until the dialog is destroyed; its owner
// is disabled meanwhile. `filter`, when given, sees every message first and may consume it.
// Returns the result given to EndDialog (IDCANCEL when the dialog went away without one). A quit
// message ends the loop and is posted again for the loop outside.
int RunModalLoop(HWND dialog, const std::function<bool(MSG&)>& filter = {});
bool EndDialog(HWND dialog, int result);

// A dialog built in memory: a pop-up window of class "Dialog" with `proc`, centred over the work
// area, gets WM_INITDIALOG (lParam `param`) and runs modally until EndDialog.
int DialogBoxIndirect(HWND owner, const std::wstring& title, int width, int height, WNDPROC proc,
                      LPARAM param = 0, const std::function<bool(MSG&)>& filter = {});

// A message box: text, caption, icon, buttons and default button from `style`; returns IDOK,
// IDCANCEL, IDYES or IDNO.
int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

// --- soft-key bars
// Creates the soft-key bar of a top-level window from a menu definition; null when the menu id is
// unknown or the window is not a top-level window. The bar shows while its window is active.
HWND CreateSoftKeyBar(HWND owner, int menuId);
HWND GetSoftKeyBar(HWND owner);
// The Back key then reaches the bar's window as WM_HOTKEY (pressed, then MOD_KEYUP released).
void OverrideBackKey(HWND bar, bool overrides);

// Hands the Back key of a WM_HOTKEY to the focused window, as the shell does by default: an edit
// field erases one character.
void SendBackToFocusWindow(UINT message, WPARAM wParam, LPARAM lParam);

// --- the wait indicator (the terminal's wait cursor)
void ShowWaitIndicator(bool shown);
bool IsWaitIndicatorShown();

}  // namespace ui

namespace ui {

// Replaces the procedure of one window (the dialog procedure of DialogBoxIndirect, subclassing).
bool SetWindowProc(HWND hwnd, WNDPROC proc);

}  // namespace ui

namespace ui {

// The main loop's rule for the arrow keys: WM_KEYDOWN of up or down aimed at a child window is
// moved to the child's parent, which moves the focus between its fields, unless the child keeps
// the arrows for itself: it answers WM_GETDLGCODE (wParam the key, lParam the message) with
// DLGC_WANTARROWS, as list views and multi-line edit fields do. Returns whether the message was
// moved.
bool MoveArrowKeyToParent(MSG& msg);

}  // namespace ui
