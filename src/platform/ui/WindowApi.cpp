#include "platform/ui/WindowApi.h"

#include <utility>

#include "platform/ui/CControl.h"
#include "platform/ui/CMessageBox.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/KeyMessages.h"
#include "platform/ui/SysColors.h"

namespace ui {
namespace {

CWindowManager& Manager() { return CWindowManager::Instance(); }

constexpr wchar_t kDialogClass[] = L"Dialog";

// A pop-up with a border draws a frame on its outer cells, with its title in the top edge.
void PaintDefault(HWND hwnd) {
    CPaintDC dc(hwnd);
    DWORD style = 0;
    std::wstring title;
    Manager().Read(hwnd, [&](const WindowRecord& record) {
        style = record.style;
        title = record.title;
    });
    if ((style & WS_BORDER) == 0) return;
    RECT frame = dc.ClientRect();
    dc->FrameRect(frame, GetSysColor(COLOR_WINDOWTEXT));
    if (!title.empty() && frame.Width() > 4) {
        RECT caption{2, 0, frame.right - 2, 1};
        dc->DrawText(L" " + title + L" ", caption, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
}

}  // namespace

bool RegisterClass(const std::wstring& name, WNDPROC proc) {
    return Manager().RegisterClass(name, std::move(proc));
}

bool UnregisterClass(const std::wstring& name) { return Manager().UnregisterClass(name); }

HWND CreateWindowEx(DWORD exStyle, const std::wstring& className, const std::wstring& title,
                    DWORD style, int x, int y, int width, int height, HWND parent, int id,
                    LPARAM param) {
    CREATESTRUCT create;
    create.lpCreateParams = param;
    create.hwndParent = parent;
    create.id = id;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = style;
    create.exStyle = exStyle;
    create.name = title;
    create.className = className;
    return Manager().Create(create);
}

HWND CreateWindow(const std::wstring& className, const std::wstring& title, DWORD style, int x,
                  int y, int width, int height, HWND parent, int id, LPARAM param) {
    return CreateWindowEx(0, className, title, style, x, y, width, height, parent, id, param);
}

bool DestroyWindow(HWND hwnd) { return Manager().Destroy(hwnd); }
bool IsWindow(HWND hwnd) { return Manager().IsWindow(hwnd); }

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintDefault(hwnd); return 0;
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_SETTEXT: {
            const auto* text = reinterpret_cast<const wchar_t*>(lParam);
            Manager().Update(hwnd, [&](WindowRecord& record) {
                record.title = text != nullptr ? text : L"";
            });
            InvalidateRect(hwnd);
            return 1;
        }
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(GetWindowText(hwnd).size());
        case WM_SETFONT:
            Manager().Update(hwnd, [&](WindowRecord& record) {
                record.font = reinterpret_cast<HFONT>(wParam);
            });
            if (lParam != 0) InvalidateRect(hwnd);
            return 0;
        case WM_GETFONT: {
            HFONT font = nullptr;
            Manager().Read(hwnd, [&](const WindowRecord& record) { font = record.font; });
            return reinterpret_cast<LRESULT>(font);
        }
        default: return 0;
    }
}

std::wstring GetClassName(HWND hwnd) {
    std::wstring name;
    Manager().Read(hwnd, [&](const WindowRecord& record) { name = record.className; });
    return name;
}

std::wstring GetWindowText(HWND hwnd) {
    std::wstring text;
    Manager().Read(hwnd, [&](const WindowRecord& record) { text = record.title; });
    return text;
}

bool SetWindowText(HWND hwnd, const std::wstring& text) {
    if (!IsWindow(hwnd)) return false;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

HWND GetParent(HWND hwnd) { return Manager().GetParent(hwnd); }
HWND GetOwner(HWND hwnd) { return Manager().GetOwner(hwnd); }
HWND GetAncestorRoot(HWND hwnd) { return Manager().GetRoot(hwnd); }

HWND GetDlgItem(HWND parent, int id) {
    for (HWND child : Manager().GetChildren(parent)) {
        if (GetDlgCtrlID(child) == id) return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    int id = 0;
    Manager().Read(hwnd, [&](const WindowRecord& record) { id = record.id; });
    return id;
}

std::intptr_t GetWindowLongPtr(HWND hwnd, int index) {
    std::intptr_t value = 0;
    Manager().Read(hwnd, [&](const WindowRecord& record) {
        if (index == GWLP_USERDATA) value = record.userData;
        else if (index == GWL_STYLE) value = record.style;
        else if (index == GWL_ID) value = record.id;
    });
    return value;
}

std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value) {
    std::intptr_t previous = 0;
    Manager().Update(hwnd, [&](WindowRecord& record) {
        if (index == GWLP_USERDATA) previous = std::exchange(record.userData, value);
        else if (index == GWL_STYLE) previous = std::exchange(record.style, static_cast<DWORD>(value));
        else if (index == GWL_ID) previous = std::exchange(record.id, static_cast<int>(value));
    });
    InvalidateRect(hwnd);
    return previous;
}

bool SetWindowProc(HWND hwnd, WNDPROC proc) {
    if (!proc) return false;
    auto shared = std::make_shared<const WNDPROC>(std::move(proc));
    return Manager().Update(hwnd, [&](WindowRecord& record) { record.proc = shared; });
}

HWND FindWindow(const std::wstring& className, const std::wstring& title) {
    return Manager().FindWindow(className, title);
}

bool GetWindowRect(HWND hwnd, RECT& rect) {
    HWND current = hwnd;
    RECT result;
    bool first = true;
    while (current != nullptr) {
        RECT own;
        HWND parent = nullptr;
        if (!Manager().Read(current, [&](const WindowRecord& record) {
                own = record.rect;
                parent = record.parent;
            })) {
            return false;
        }
        result = first ? own : OffsetRectBy(result, own.left, own.top);
        first = false;
        current = parent;
    }
    if (first) return false;
    rect = result;
    return true;
}

bool GetClientRect(HWND hwnd, RECT& rect) {
    return Manager().Read(hwnd, [&](const WindowRecord& record) {
        rect = RECT{0, 0, record.rect.Width(), record.rect.Height()};
    });
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height) {
    return Manager().Move(hwnd, RECT{x, y, x + width, y + height});
}

bool ShowWindow(HWND hwnd, int command) { return Manager().Show(hwnd, command != SW_HIDE); }
bool IsWindowVisible(HWND hwnd) { return Manager().IsVisible(hwnd); }
bool EnableWindow(HWND hwnd, bool enabled) { return Manager().Enable(hwnd, enabled); }
bool IsWindowEnabled(HWND hwnd) { return Manager().IsEnabled(hwnd); }
HWND SetFocus(HWND hwnd) { return Manager().SetFocus(hwnd); }
HWND GetFocus() { return Manager().GetFocus(); }
HWND SetActiveWindow(HWND hwnd) { return Manager().SetActive(hwnd); }
HWND GetActiveWindow() { return Manager().GetActive(); }
bool SetForegroundWindow(HWND hwnd) { return IsWindow(hwnd) && (SetActiveWindow(hwnd), true); }
HWND GetForegroundWindow() { return GetActiveWindow(); }

bool InvalidateRect(HWND hwnd, const RECT*) {
    if (!IsWindow(hwnd)) return false;
    Manager().Invalidate(hwnd);
    return true;
}

bool UpdateWindow(HWND hwnd) {
    bool invalid = false;
    DWORD thread = 0;
    Manager().Read(hwnd, [&](const WindowRecord& record) {
        invalid = record.invalid;
        thread = record.thread;
    });
    if (invalid && thread == GetCurrentThreadId()) {
        Manager().Dispatch(MSG{hwnd, WM_PAINT, 0, 0, 0, POINT{}});
    }
    return IsWindow(hwnd);
}

void SendFont(HWND hwnd, HFONT font) {
    SendMessage(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
}

CControl* GetControlObject(HWND hwnd) { return Manager().ControlOf(hwnd); }

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Manager().Post(hwnd, message, wParam, lParam);
}

bool PostThreadMessage(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam) {
    return Manager().PostToThread(thread, message, wParam, lParam);
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Manager().Send(hwnd, message, wParam, lParam);
}

bool GetMessage(MSG& msg, HWND filter, UINT first, UINT last) {
    Manager().Get(msg, filter, first, last, true, true);
    return msg.message != WM_QUIT;
}

bool PeekMessage(MSG& msg, HWND filter, UINT first, UINT last, UINT remove) {
    return Manager().Get(msg, filter, first, last, remove == PM_REMOVE, false);
}

bool TranslateMessage(const MSG& msg) { return Manager().Translate(msg); }
LRESULT DispatchMessage(const MSG& msg) { return Manager().Dispatch(msg); }
void PostQuitMessage(int code) { Manager().PostQuit(code); }
UINT RegisterWindowMessage(const std::wstring& name) { return Manager().RegisterMessage(name); }
DWORD GetCurrentThreadId() { return Manager().CurrentThreadId(); }

DWORD GetWindowThreadId(HWND hwnd) {
    DWORD thread = 0;
    Manager().Read(hwnd, [&](const WindowRecord& record) { thread = record.thread; });
    return thread;
}

void PumpUntilIdle() {
    MSG msg;
    while (PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
}

void RefreshScreen() {
    Manager().PaintPending();
    Manager().Compose();
}

bool SetTimer(HWND hwnd, UINT id, UINT elapse) { return Manager().SetTimer(hwnd, id, elapse); }
bool KillTimer(HWND hwnd, UINT id) { return Manager().KillTimer(hwnd, id); }
DWORD GetLastInputTick() { return Manager().LastInputTick(); }

int RunModalLoop(HWND dialog, const std::function<bool(MSG&)>& filter) {
    const HWND owner = GetOwner(dialog);
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, false);
    int result = IDCANCEL;
    bool quit = false;
    int quitCode = 0;
    MSG msg;
    while (true) {
        bool ended = false;
        if (!Manager().Read(dialog, [&](const WindowRecord& record) {
                ended = record.modalEnded;
                result = record.modalEnded ? record.modalResult : IDCANCEL;
            })) {
            break;
        }
        if (ended) break;
        if (!GetMessage(msg)) {
            quit = true;
            quitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (filter && filter(msg)) continue;
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    if (disableOwner) EnableWindow(owner, true);
    if (quit) PostQuitMessage(quitCode);
    return result;
}

bool EndDialog(HWND dialog, int result) {
    const bool found = Manager().Update(dialog, [&](WindowRecord& record) {
        record.modalEnded = true;
        record.modalResult = result;
    });
    if (found) PostMessage(dialog, WM_NULL, 0, 0);  // wakes the modal loop
    return found;
}

int DialogBoxIndirect(HWND owner, const std::wstring& title, int width, int height, WNDPROC proc,
                      LPARAM param, const std::function<bool(MSG&)>& filter) {
    const RECT work = Manager().WorkArea();
    width = std::min(width, work.Width());
    height = std::min(height, work.Height());
    const HWND dialog = CreateWindowEx(0, kDialogClass, title, WS_POPUP | WS_BORDER, work.left +
                                       (work.Width() - width) / 2, work.top +
                                       (work.Height() - height) / 2, width, height, owner);
    if (dialog == nullptr) return IDCANCEL;
    SetWindowProc(dialog, std::move(proc));
    ShowWindow(dialog, SW_SHOW);
    SendMessage(dialog, WM_INITDIALOG, 0, param);
    const int result = RunModalLoop(dialog, filter);
    DestroyWindow(dialog);
    return result;
}

int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
    return CMessageBox::Run(owner, text, caption, style);
}

HWND CreateSoftKeyBar(HWND owner, int menuId) { return CSoftKeyBar::Create(owner, menuId); }
HWND GetSoftKeyBar(HWND owner) { return Manager().GetSoftKeyBar(owner); }
void OverrideBackKey(HWND bar, bool overrides) { Manager().SetBackOverride(bar, overrides); }

void SendBackToFocusWindow(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_HOTKEY || HIWORD(lParam) != VK_TBACK) return;
    if ((LOWORD(lParam) & MOD_KEYUP) != 0) return;  // acted on when pressed
    if (HWND focus = GetFocus()) SendMessage(focus, WM_KEYDOWN, VK_BACK, MakeKeyLParam(0));
}

void ShowWaitIndicator(bool shown) {
    Manager().SetWaitIndicator(shown);
    RefreshScreen();
}

bool IsWaitIndicatorShown() { return Manager().WaitIndicatorShown(); }

}  // namespace ui

namespace ui {

bool MoveArrowKeyToParent(MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_UP && msg.wParam != VK_DOWN)) return false;
    const HWND parent = GetParent(msg.hwnd);
    if (parent == nullptr) return false;
    const LRESULT code =
        SendMessage(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if ((code & DLGC_WANTARROWS) != 0) return false;
    msg.hwnd = parent;
    return true;
}

}  // namespace ui
