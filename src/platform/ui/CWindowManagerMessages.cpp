#include <algorithm>
#include <atomic>
#include <chrono>
#include <cwctype>

#include "platform/ui/CControl.h"
#include "platform/ui/CWindowManager.h"
#include "platform/ui/KeyMessages.h"
#include "platform/sys/Clock.h"

// The threads' queues: post, send, get, peek, dispatch, quit, registered messages.
namespace ui {
namespace {

std::atomic<DWORD> g_nextThreadId{1};
thread_local int t_callDepth = 0;

// Gives each thread a small id on first use, and tells the manager when a thread that used the
// window system ends.
struct ThreadSlot {
    DWORD id = g_nextThreadId++;
    bool used = false;
    ~ThreadSlot() {
        if (used) CWindowManager::Instance().ThreadExiting(id);
    }
};
thread_local ThreadSlot t_thread;

std::wstring LowerName(const std::wstring& text) {
    std::wstring lower = text;
    for (wchar_t& ch : lower) ch = static_cast<wchar_t>(std::towlower(ch));
    return lower;
}

bool Matches(const MSG& msg, HWND filter, UINT first, UINT last) {
    if (filter != nullptr && msg.hwnd != filter) return false;
    if (first == 0 && last == 0) return true;
    return msg.message >= first && msg.message <= last;
}

}  // namespace

DWORD CWindowManager::CurrentThreadId() { return t_thread.id; }

CThreadQueue& CWindowManager::QueueOf(DWORD thread) {
    auto& slot = m_queues[thread];
    if (!slot) {
        slot = std::make_unique<CThreadQueue>();
        slot->threadId = thread;
        if (thread == t_thread.id) t_thread.used = true;
    }
    return *slot;
}

CThreadQueue* CWindowManager::ExistingQueue(DWORD thread) {
    auto it = m_queues.find(thread);
    return it == m_queues.end() ? nullptr : it->second.get();
}

LRESULT CWindowManager::Call(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    std::shared_ptr<const WNDPROC> proc;
    {
        std::lock_guard lock(m_mutex);
        const WindowRecord* record = Find(hwnd);
        if (record == nullptr) return 0;
        proc = record->proc;
    }
    ++t_callDepth;
    const LRESULT result = (*proc)(hwnd, message, wParam, lParam);
    --t_callDepth;
    return result;
}

void CWindowManager::Notify(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD thread = 0;
    if (!Read(hwnd, [&](const WindowRecord& record) { thread = record.thread; })) return;
    if (thread == CurrentThreadId()) Call(hwnd, message, wParam, lParam);
    else Post(hwnd, message, wParam, lParam);
}

bool CWindowManager::PostLocked(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = Find(hwnd);
    if (record == nullptr || record->destroying) return false;
    CThreadQueue& queue = QueueOf(record->thread);
    queue.posted.push_back(MSG{hwnd, message, wParam, lParam, sys::GetTickCount(), POINT{}});
    queue.wake.notify_all();
    return true;
}

bool CWindowManager::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd == nullptr) return PostToThread(CurrentThreadId(), message, wParam, lParam);
    if (hwnd != HWND_BROADCAST) {
        std::lock_guard lock(m_mutex);
        return PostLocked(hwnd, message, wParam, lParam);
    }
    std::function<void(const std::wstring&, WPARAM, LPARAM)> remote;
    std::wstring name;
    {
        std::lock_guard lock(m_mutex);
        for (HWND top : m_topLevel) {
            const WindowRecord* record = Find(top);
            if (record != nullptr && !record->isSoftKeyBar) {
                PostLocked(top, message, wParam, lParam);
            }
        }
        if (message >= kFirstRegisteredMessage) {
            remote = m_remoteBroadcast;
            name = RegisteredName(message);
        }
    }
    if (remote && !name.empty()) remote(name, wParam, lParam);
    return true;
}

void CWindowManager::ReceiveRemoteBroadcast(const std::wstring& name, WPARAM wParam,
                                            LPARAM lParam) {
    std::lock_guard lock(m_mutex);
    auto it = m_registered.find(LowerName(name));
    if (it == m_registered.end()) return;  // a message this program does not know
    for (HWND top : m_topLevel) {
        const WindowRecord* record = Find(top);
        if (record != nullptr && !record->isSoftKeyBar) {
            PostLocked(top, it->second, wParam, lParam);
        }
    }
}

void CWindowManager::SetRemoteBroadcast(
    std::function<void(const std::wstring&, WPARAM, LPARAM)> sender) {
    std::lock_guard lock(m_mutex);
    m_remoteBroadcast = std::move(sender);
}

bool CWindowManager::PostToThread(DWORD thread, UINT message, WPARAM wParam, LPARAM lParam) {
    std::lock_guard lock(m_mutex);
    CThreadQueue* queue = thread == CurrentThreadId() ? &QueueOf(thread) : ExistingQueue(thread);
    if (queue == nullptr) return false;
    queue->posted.push_back(MSG{nullptr, message, wParam, lParam, sys::GetTickCount(), POINT{}});
    queue->wake.notify_all();
    return true;
}

LRESULT CWindowManager::Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        Post(hwnd, message, wParam, lParam);
        return 0;
    }
    std::unique_lock lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    if (record == nullptr) return 0;
    const DWORD me = CurrentThreadId();
    if (record->thread == me) {
        lock.unlock();
        return Call(hwnd, message, wParam, lParam);
    }
    // Another thread's window: its thread runs the message; meanwhile this thread answers the
    // messages sent to it, so two threads sending to each other do not lock up.
    auto sent = std::make_shared<SentMessage>();
    sent->msg = MSG{hwnd, message, wParam, lParam, sys::GetTickCount(), POINT{}};
    sent->senderThread = me;
    CThreadQueue& target = QueueOf(record->thread);
    target.sent.push_back(sent);
    target.wake.notify_all();
    CThreadQueue& mine = QueueOf(me);
    while (!sent->done) {
        if (RunSentMessages(mine, lock)) continue;
        mine.wake.wait(lock);
    }
    return sent->result;
}

bool CWindowManager::RunSentMessages(CThreadQueue& queue,
                                     std::unique_lock<std::recursive_mutex>& lock) {
    if (queue.sent.empty()) return false;
    std::shared_ptr<SentMessage> sent = queue.sent.front();
    queue.sent.pop_front();
    lock.unlock();
    const LRESULT result = Call(sent->msg.hwnd, sent->msg.message, sent->msg.wParam,
                                sent->msg.lParam);
    lock.lock();
    sent->result = result;
    sent->done = true;
    if (CThreadQueue* sender = ExistingQueue(sent->senderThread)) sender->wake.notify_all();
    return true;
}

HWND CWindowManager::FindInvalid(DWORD thread) {
    for (const auto& [key, record] : m_windows) {
        if (record->thread == thread && record->invalid && !record->destroying &&
            IsVisibleLocked(record.get())) {
            return record->handle;
        }
    }
    return nullptr;
}

bool CWindowManager::Get(MSG& msg, HWND filter, UINT first, UINT last, bool remove, bool wait) {
    std::unique_lock lock(m_mutex);
    const DWORD me = CurrentThreadId();
    CThreadQueue& queue = QueueOf(me);
    if (t_callDepth == 0) queue.graveyard.clear();
    while (true) {
        if (RunSentMessages(queue, lock)) continue;
        for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
            if (!Matches(*it, filter, first, last)) continue;
            msg = *it;
            if (remove) queue.posted.erase(it);
            return true;
        }
        if (queue.quit) {
            msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, 0, POINT{}};
            if (remove) queue.quit = false;
            return true;
        }
        const HWND invalid = FindInvalid(me);
        if (invalid != nullptr && Matches(MSG{invalid, WM_PAINT, 0, 0, 0, POINT{}}, filter, first, last)) {
            msg = MSG{invalid, WM_PAINT, 0, 0, sys::GetTickCount(), POINT{}};
            return true;
        }
        if (m_screenDirty && invalid == nullptr) Compose();
        // Held input is taken once the screen is up to date, as a person types at what they see.
        InputEvent event;
        if (m_backend != nullptr && InputThreadLocked() == me && m_backend->TakeHeldInput(event)) {
            RouteInputLocked(event);
            continue;
        }
        // A due timer is taken only by a caller that asks for WM_TIMER; the clock is read only
        // when there are timers, which most loops have none of.
        const bool wantsTimers =
            (first == 0 && last == 0) || (first <= WM_TIMER && WM_TIMER <= last);
        if (wantsTimers && !m_timers.Empty() &&
            m_timers.TakeDue(me, filter, sys::GetTickCount(), msg)) {
            return true;
        }
        if (!wait) return false;
        if (const auto next = m_timers.Empty() ? std::nullopt
                                               : m_timers.UntilNext(me, sys::GetTickCount())) {
            queue.wake.wait_for(lock, std::chrono::milliseconds(std::max<std::uint32_t>(*next, 1)));
        } else {
            queue.wake.wait(lock);
        }
    }
}

bool CWindowManager::SetTimer(HWND hwnd, UINT id, UINT elapse) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    if (record == nullptr || record->destroying) return false;
    m_timers.Set(hwnd, record->thread, id, elapse, sys::GetTickCount());
    if (CThreadQueue* queue = ExistingQueue(record->thread)) queue->wake.notify_all();
    return true;
}

bool CWindowManager::KillTimer(HWND hwnd, UINT id) {
    std::lock_guard lock(m_mutex);
    return m_timers.Kill(hwnd, id);
}

DWORD CWindowManager::LastInputTick() {
    std::lock_guard lock(m_mutex);
    return m_lastInputTick;
}

LRESULT CWindowManager::Dispatch(const MSG& msg) {
    if (msg.hwnd == nullptr || msg.hwnd == HWND_BROADCAST) return 0;
    if (msg.message == WM_PAINT) {
        // Validated before the procedure runs, so a procedure that ignores WM_PAINT does not
        // get it for ever.
        std::lock_guard lock(m_mutex);
        if (WindowRecord* record = Find(msg.hwnd)) record->invalid = false;
    }
    return Call(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

bool CWindowManager::Translate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const wchar_t ch = KeyCharOf(msg.lParam);
    if (ch == 0) return false;
    std::lock_guard lock(m_mutex);
    if (Find(msg.hwnd) == nullptr) return false;
    CThreadQueue& queue = QueueOf(CurrentThreadId());
    queue.posted.push_front(MSG{msg.hwnd, WM_CHAR, static_cast<WPARAM>(ch), 1, msg.time, msg.pt});
    return true;
}

void CWindowManager::PostQuit(int code) {
    std::lock_guard lock(m_mutex);
    CThreadQueue& queue = QueueOf(CurrentThreadId());
    queue.quit = true;
    queue.quitCode = code;
    queue.wake.notify_all();
}

UINT CWindowManager::RegisterMessage(const std::wstring& name) {
    if (name.empty()) return 0;
    std::lock_guard lock(m_mutex);
    const std::wstring key = LowerName(name);
    auto it = m_registered.find(key);
    if (it != m_registered.end()) return it->second;
    if (m_nextRegistered > kLastRegisteredMessage) return 0;
    m_registered[key] = m_nextRegistered;
    return m_nextRegistered++;
}

std::wstring CWindowManager::RegisteredName(UINT message) {
    std::lock_guard lock(m_mutex);
    for (const auto& [name, id] : m_registered) {
        if (id == message) return name;
    }
    return {};
}

void CWindowManager::PaintPending() {
    while (true) {
        HWND invalid = nullptr;
        {
            std::lock_guard lock(m_mutex);
            invalid = FindInvalid(CurrentThreadId());
        }
        if (invalid == nullptr) return;
        Dispatch(MSG{invalid, WM_PAINT, 0, 0, 0, POINT{}});
    }
}

void CWindowManager::WakeAll() {
    std::lock_guard lock(m_mutex);
    for (auto& [thread, queue] : m_queues) queue->wake.notify_all();
}

}  // namespace ui
