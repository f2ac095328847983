#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/CThreadQueue.h"
#include "platform/ui/CTimerTable.h"
#include "platform/ui/IScreenBackend.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WindowRecord.h"

// The window system's state: windows, classes, focus and activation, the threads' queues, and the
// composition of the screen. One instance per process; every member is guarded by one lock, which
// is never held while a window procedure runs.
//
// Screen layout: the top row shows the title of the foremost screen and the wait indicator, the
// bottom row the soft-key bar of the active window, and the rows between are the work area that
// top-level windows fill by default.
namespace ui {

struct CREATESTRUCT {
    LPARAM lpCreateParams = 0;
    HWND hwndParent = nullptr;
    int id = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::wstring name;
    std::wstring className;
};

// A top-level window with this extended style takes the focus without becoming the active
// window (menus).
constexpr DWORD WS_EX_NOACTIVATE = 0x08000000;

using ControlFactory = std::function<std::unique_ptr<CControl>()>;

class CWindowManager {
public:
    static CWindowManager& Instance();

    // --- classes and windows
    bool RegisterClass(const std::wstring& name, WNDPROC proc, ControlFactory factory = {});
    bool UnregisterClass(const std::wstring& name);
    HWND Create(const CREATESTRUCT& create);
    bool Destroy(HWND hwnd);
    bool IsWindow(HWND hwnd);
    CControl* ControlOf(HWND hwnd);

    // Runs `reader` on the window's record under the lock; false for a stale handle.
    bool Read(HWND hwnd, const std::function<void(const WindowRecord&)>& reader);
    bool Update(HWND hwnd, const std::function<void(WindowRecord&)>& writer);

    HWND GetParent(HWND hwnd);
    HWND GetOwner(HWND hwnd);
    HWND GetRoot(HWND hwnd);  // the top-level window a window belongs to
    std::vector<HWND> GetChildren(HWND hwnd);
    HWND FindWindow(const std::wstring& className, const std::wstring& title);
    bool Move(HWND hwnd, const RECT& rect);
    bool Show(HWND hwnd, bool visible);
    bool IsVisible(HWND hwnd);  // the window and all its parents are visible
    bool Enable(HWND hwnd, bool enabled);
    bool IsEnabled(HWND hwnd);

    HWND SetFocus(HWND hwnd);
    HWND GetFocus();
    HWND SetActive(HWND hwnd);
    HWND GetActive();

    void Invalidate(HWND hwnd);
    RECT WorkArea();
    SIZE ScreenSize();

    // --- soft-key bars
    void AttachSoftKeyBar(HWND owner, HWND bar);
    HWND GetSoftKeyBar(HWND owner);
    void SetBackOverride(HWND bar, bool overrides);
    HWND ActiveSoftKeyBar();  // the bar of the active window or of its nearest owner

    // --- messages
    bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool PostToThread(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Get(MSG& msg, HWND filter, UINT first, UINT last, bool remove, bool wait);
    LRESULT Dispatch(const MSG& msg);
    // Puts the character of a key-down message (see MakeKeyLParam) in front of the queue as WM_CHAR.
    bool Translate(const MSG& msg);
    void PostQuit(int code);
    UINT RegisterMessage(const std::wstring& name);
    std::wstring RegisteredName(UINT message);
    DWORD CurrentThreadId();
    // Sends WM_PAINT now to every invalid window of this thread.
    void PaintPending();

    // --- input and screen
    void SetBackend(IScreenBackend* backend);
    void DeliverInput(const InputEvent& event);
    void WakeAll();  // lets waiting threads look at held input again
    void Compose();
    void SetWaitIndicator(bool shown);
    bool WaitIndicatorShown();

    // Another program's broadcast arrives / this program broadcasts a registered message.
    void SetRemoteBroadcast(std::function<void(const std::wstring&, WPARAM, LPARAM)> sender);
    void ReceiveRemoteBroadcast(const std::wstring& name, WPARAM wParam, LPARAM lParam);

    // --- timers and idle time
    bool SetTimer(HWND hwnd, UINT id, UINT elapse);
    bool KillTimer(HWND hwnd, UINT id);
    // The tick count of the last key or tap (of the start, before any).
    DWORD LastInputTick();

    // A thread ends: its windows are destroyed and its queue dropped.
    void ThreadExiting(DWORD thread);

    // Destroys every window of the calling thread and forgets the others' (for tests).
    void ResetForTests();

private:
    CWindowManager();
    struct ClassInfo {
        std::wstring name;
        std::shared_ptr<const WNDPROC> proc;
        ControlFactory factory;
    };

    WindowRecord* Find(HWND hwnd);
    CThreadQueue& QueueOf(DWORD thread);
    CThreadQueue* ExistingQueue(DWORD thread);
    LRESULT Call(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Notify(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool PostLocked(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Raise(HWND top);
    void RemoveRecord(HWND hwnd);
    HWND NextActiveCandidate(HWND preferred);
    bool RunSentMessages(CThreadQueue& queue, std::unique_lock<std::recursive_mutex>& lock);
    HWND FindInvalid(DWORD thread);
    DWORD InputThreadLocked();
    void RouteInputLocked(const InputEvent& event);
    void RouteKeyLocked(unsigned vk, wchar_t ch);
    void RouteTapLocked(POINT point);
    void LayoutLocked();
    void DrawWindowLocked(const WindowRecord& record, int x, int y, const RECT& clip);
    HWND WindowAtLocked(HWND hwnd, POINT point, int x, int y);
    bool IsVisibleLocked(const WindowRecord* record);

    std::recursive_mutex m_mutex;
    std::map<std::wstring, ClassInfo> m_classes;  // by lower-case name
    std::unordered_map<std::uintptr_t, std::unique_ptr<WindowRecord>> m_windows;
    std::uintptr_t m_nextHandle;
    std::vector<HWND> m_topLevel;  // bottom to top
    HWND m_focus = nullptr;
    HWND m_active = nullptr;
    std::map<DWORD, std::unique_ptr<CThreadQueue>> m_queues;
    std::map<std::wstring, UINT> m_registered;  // by lower-case name
    UINT m_nextRegistered = kFirstRegisteredMessage;
    IScreenBackend* m_backend = nullptr;
    SIZE m_screenSize{80, 24};
    CCellSurface m_screen;
    CCellSurface m_presented;
    bool m_screenDirty = true;
    bool m_waitShown = false;
    std::function<void(const std::wstring&, WPARAM, LPARAM)> m_remoteBroadcast;
    CTimerTable m_timers;
    DWORD m_lastInputTick = 0;
};

}  // namespace ui
