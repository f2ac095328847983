#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/ui/WinTypes.h"

// The window system's timers: each belongs to a window (and so to that window's thread) and
// falls due every `elapse` milliseconds of the tick count (sys::GetTickCount, which tests can
// fix). A due timer becomes one WM_TIMER when its thread has nothing else to do; timers that
// fell due several times meanwhile still give one message, and the next falls due `elapse`
// after it was taken. Guarded by the window manager's lock.
namespace ui {

class CTimerTable {
  public:
    // Starts or restarts the timer `id` of `hwnd`.
    void Set(HWND hwnd, DWORD thread, UINT id, UINT elapse, std::uint32_t now);
    // False when the window has no such timer.
    bool Kill(HWND hwnd, UINT id);
    void RemoveWindow(HWND hwnd);
    bool Empty() const { return m_timers.empty(); }

    // The WM_TIMER of the first timer of `thread` that is due (for `filter`, when given), and the
    // timer is re-armed. False when none is due.
    bool TakeDue(DWORD thread, HWND filter, std::uint32_t now, MSG& msg);
    // Milliseconds until the next timer of `thread` falls due (0 when one is due); nothing when
    // the thread has no timer.
    std::optional<std::uint32_t> UntilNext(DWORD thread, std::uint32_t now) const;

  private:
    struct Timer {
        HWND hwnd = nullptr;
        DWORD thread = 0;
        UINT id = 0;
        UINT elapse = 0;
        std::uint32_t due = 0;
    };
    // The tick count wraps after 49 days: a timer is due when `now` is not before `due`.
    static bool IsDue(const Timer& timer, std::uint32_t now) {
        return static_cast<std::int32_t>(now - timer.due) >= 0;
    }

    std::vector<Timer> m_timers;
};

}  // namespace ui
