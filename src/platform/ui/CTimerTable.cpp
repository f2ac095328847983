#include "platform/ui/CTimerTable.h"

#include <algorithm>

#include "platform/ui/WinMessages.h"

namespace ui {

void CTimerTable::Set(HWND hwnd, DWORD thread, UINT id, UINT elapse, std::uint32_t now) {
    Kill(hwnd, id);
    m_timers.push_back(Timer{hwnd, thread, id, elapse, now + elapse});
}

bool CTimerTable::Kill(HWND hwnd, UINT id) {
    return std::erase_if(m_timers, [&](const Timer& timer) {
               return timer.hwnd == hwnd && timer.id == id;
           }) != 0;
}

void CTimerTable::RemoveWindow(HWND hwnd) {
    std::erase_if(m_timers, [hwnd](const Timer& timer) { return timer.hwnd == hwnd; });
}

bool CTimerTable::TakeDue(DWORD thread, HWND filter, std::uint32_t now, MSG& msg) {
    for (Timer& timer : m_timers) {
        if (timer.thread != thread || (filter != nullptr && timer.hwnd != filter) ||
            !IsDue(timer, now)) {
            continue;
        }
        timer.due = now + timer.elapse;
        msg = MSG{timer.hwnd, WM_TIMER, static_cast<WPARAM>(timer.id), 0, now, POINT{}};
        return true;
    }
    return false;
}

std::optional<std::uint32_t> CTimerTable::UntilNext(DWORD thread, std::uint32_t now) const {
    std::optional<std::uint32_t> next;
    for (const Timer& timer : m_timers) {
        if (timer.thread != thread) continue;
        const std::uint32_t wait = IsDue(timer, now) ? 0 : timer.due - now;
        next = next ? std::min(*next, wait) : wait;
    }
    return next;
}

}  // namespace ui
