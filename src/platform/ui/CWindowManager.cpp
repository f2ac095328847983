#include "platform/ui/CWindowManager.h"

#include <algorithm>
#include <cwctype>

#include "platform/ui/CControl.h"

// Windows, classes, focus and activation. Messages are in CWindowManagerMessages.cpp, input and
// composition in CWindowManagerScreen.cpp.
namespace ui {
namespace {

// Handles start above the broadcast handle and are never reused.
constexpr std::uintptr_t kFirstHandle = 0x10000;

std::wstring Lower(const std::wstring& text) {
    std::wstring lower = text;
    for (wchar_t& ch : lower) ch = static_cast<wchar_t>(std::towlower(ch));
    return lower;
}

std::uintptr_t Key(HWND hwnd) { return reinterpret_cast<std::uintptr_t>(hwnd); }

}  // namespace

CWindowManager& CWindowManager::Instance() {
    static CWindowManager manager;
    return manager;
}

CWindowManager::CWindowManager() : m_nextHandle(kFirstHandle) {}

WindowRecord* CWindowManager::Find(HWND hwnd) {
    auto it = m_windows.find(Key(hwnd));
    return it == m_windows.end() ? nullptr : it->second.get();
}

bool CWindowManager::RegisterClass(const std::wstring& name, WNDPROC proc, ControlFactory factory) {
    std::lock_guard lock(m_mutex);
    const std::wstring key = Lower(name);
    if (name.empty() || !proc || m_classes.count(key) != 0) return false;
    m_classes[key] = ClassInfo{name, std::make_shared<const WNDPROC>(std::move(proc)),
                               std::move(factory)};
    return true;
}

bool CWindowManager::UnregisterClass(const std::wstring& name) {
    std::lock_guard lock(m_mutex);
    const std::wstring key = Lower(name);
    for (const auto& [handle, record] : m_windows) {
        if (Lower(record->className) == key) return false;  // still in use
    }
    return m_classes.erase(key) != 0;
}

HWND CWindowManager::Create(const CREATESTRUCT& create) {
    static std::once_flag builtins;
    std::call_once(builtins, RegisterBuiltinClasses);
    std::unique_lock lock(m_mutex);
    auto cls = m_classes.find(Lower(create.className));
    if (cls == m_classes.end()) return nullptr;
    const bool child = (create.style & WS_CHILD) != 0;
    WindowRecord* parent = create.hwndParent != nullptr ? Find(create.hwndParent) : nullptr;
    if (child && parent == nullptr) return nullptr;

    auto record = std::make_unique<WindowRecord>();
    record->handle = reinterpret_cast<HWND>(m_nextHandle++);
    record->className = cls->second.name;
    record->title = create.name;
    record->style = create.style;
    record->exStyle = create.exStyle;
    record->id = create.id;
    record->visible = (create.style & WS_VISIBLE) != 0;
    record->enabled = (create.style & WS_DISABLED) == 0;
    record->thread = CurrentThreadId();
    record->proc = cls->second.proc;
    if (cls->second.factory) record->control = cls->second.factory();
    if (child) {
        record->parent = create.hwndParent;
        record->rect = RECT{create.x, create.y, create.x + std::max(0, create.cx),
                            create.y + std::max(0, create.cy)};
    } else {
        record->owner = parent != nullptr ? create.hwndParent : nullptr;
        if (create.x == CW_USEDEFAULT || create.cx == CW_USEDEFAULT) {
            record->fillsWorkArea = true;
            record->rect = WorkArea();
        } else {
            record->rect = RECT{create.x, create.y, create.x + std::max(0, create.cx),
                                create.y + std::max(0, create.cy)};
        }
    }
    const HWND hwnd = record->handle;
    QueueOf(record->thread);
    m_windows[Key(hwnd)] = std::move(record);
    if (child) parent->children.push_back(hwnd);
    else m_topLevel.push_back(hwnd);
    m_screenDirty = true;
    lock.unlock();

    CREATESTRUCT params = create;
    if (Call(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&params)) == -1) {
        Destroy(hwnd);
        return nullptr;
    }
    const bool activate = !child && (create.style & WS_VISIBLE) != 0 &&
                          (create.exStyle & WS_EX_NOACTIVATE) == 0;
    if (activate) SetActive(hwnd);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

bool CWindowManager::Destroy(HWND hwnd) {
    std::unique_lock lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr || record->destroying || record->thread != CurrentThreadId()) {
        return false;
    }
    record->destroying = true;
    const bool wasActive = m_active == hwnd;
    const HWND owner = record->owner;
    lock.unlock();

    Call(hwnd, WM_DESTROY, 0, 0);
    // Owned windows (soft-key bar, pop-ups, boxes) and children go with their window.
    std::vector<HWND> dependants;
    lock.lock();
    for (const auto& [key, other] : m_windows) {
        if (other->owner == hwnd) dependants.push_back(other->handle);
    }
    if (WindowRecord* again = Find(hwnd)) {
        dependants.insert(dependants.end(), again->children.begin(), again->children.end());
    }
    lock.unlock();
    for (HWND dependant : dependants) Destroy(dependant);
    Call(hwnd, WM_NCDESTROY, 0, 0);

    lock.lock();
    RemoveRecord(hwnd);
    const HWND next = wasActive ? NextActiveCandidate(owner) : nullptr;
    lock.unlock();
    if (next != nullptr) SetActive(next);
    return true;
}

void CWindowManager::RemoveRecord(HWND hwnd) {
    auto it = m_windows.find(Key(hwnd));
    if (it == m_windows.end()) return;
    WindowRecord& record = *it->second;
    if (WindowRecord* parent = Find(record.parent)) {
        std::erase(parent->children, hwnd);
        if (parent->lastFocus == hwnd) parent->lastFocus = nullptr;
    }
    std::erase(m_topLevel, hwnd);
    m_timers.RemoveWindow(hwnd);
    for (auto& [key, other] : m_windows) {
        if (other->softKeyBar == hwnd) other->softKeyBar = nullptr;
        if (other->lastFocus == hwnd) other->lastFocus = nullptr;
    }
    if (m_focus == hwnd) m_focus = nullptr;
    if (m_active == hwnd) m_active = nullptr;
    CThreadQueue& queue = QueueOf(record.thread);
    std::erase_if(queue.posted, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; });
    queue.graveyard.push_back(std::move(it->second));
    m_windows.erase(it);
    m_screenDirty = true;
}

HWND CWindowManager::NextActiveCandidate(HWND preferred) {
    auto usable = [this](HWND hwnd) {
        const WindowRecord* record = Find(hwnd);
        return record != nullptr && record->parent == nullptr && record->visible &&
               record->enabled && !record->isSoftKeyBar && !record->destroying &&
               (record->exStyle & WS_EX_NOACTIVATE) == 0;
    };
    if (usable(preferred)) return preferred;
    for (auto it = m_topLevel.rbegin(); it != m_topLevel.rend(); ++it) {
        if (usable(*it)) return *it;
    }
    return nullptr;
}

bool CWindowManager::IsWindow(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    return Find(hwnd) != nullptr;
}

CControl* CWindowManager::ControlOf(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    return record != nullptr ? record->control.get() : nullptr;
}

bool CWindowManager::Read(HWND hwnd, const std::function<void(const WindowRecord&)>& reader) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    if (record == nullptr) return false;
    reader(*record);
    return true;
}

bool CWindowManager::Update(HWND hwnd, const std::function<void(WindowRecord&)>& writer) {
    std::lock_guard lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr) return false;
    writer(*record);
    m_screenDirty = true;
    return true;
}

HWND CWindowManager::GetParent(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    return record != nullptr ? record->parent : nullptr;
}

HWND CWindowManager::GetOwner(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    return record != nullptr ? record->owner : nullptr;
}

HWND CWindowManager::GetRoot(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    while (record != nullptr && record->parent != nullptr) record = Find(record->parent);
    return record != nullptr ? record->handle : nullptr;
}

std::vector<HWND> CWindowManager::GetChildren(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    return record != nullptr ? record->children : std::vector<HWND>{};
}

HWND CWindowManager::FindWindow(const std::wstring& className, const std::wstring& title) {
    std::lock_guard lock(m_mutex);
    const std::wstring key = Lower(className);
    for (auto it = m_topLevel.rbegin(); it != m_topLevel.rend(); ++it) {
        const WindowRecord* record = Find(*it);
        if (record == nullptr || record->destroying) continue;
        if (!className.empty() && Lower(record->className) != key) continue;
        if (!title.empty() && record->title != title) continue;
        return record->handle;
    }
    return nullptr;
}

bool CWindowManager::Move(HWND hwnd, const RECT& rect) {
    std::unique_lock lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr) return false;
    const bool resized = record->rect.Width() != rect.Width() ||
                         record->rect.Height() != rect.Height();
    record->rect = rect;
    record->fillsWorkArea = false;
    record->invalid = true;
    m_screenDirty = true;
    QueueOf(record->thread).wake.notify_all();
    lock.unlock();
    if (resized) Notify(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
    return true;
}

bool CWindowManager::Show(HWND hwnd, bool visible) {
    std::unique_lock lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr) return false;
    const bool was = record->visible;
    record->visible = visible;
    record->invalid = true;
    m_screenDirty = true;
    QueueOf(record->thread).wake.notify_all();
    const bool topLevel = record->parent == nullptr && !record->isSoftKeyBar &&
                          (record->exStyle & WS_EX_NOACTIVATE) == 0;
    HWND next = nullptr;
    bool activate = false;
    if (!visible && (m_focus == hwnd || m_active == hwnd)) {
        if (m_active == hwnd) {
            m_active = nullptr;
            m_focus = nullptr;
            next = NextActiveCandidate(record->owner);
        } else {
            m_focus = nullptr;
        }
    } else if (visible && !was && topLevel) {
        activate = true;
    }
    lock.unlock();
    if (was != visible) Notify(hwnd, WM_SHOWWINDOW, visible ? 1 : 0, 0);
    if (activate) SetActive(hwnd);
    if (next != nullptr) SetActive(next);
    return was;
}

bool CWindowManager::IsVisibleLocked(const WindowRecord* record) {
    while (record != nullptr) {
        if (!record->visible) return false;
        if (record->parent == nullptr) return true;
        record = Find(record->parent);
    }
    return false;
}

bool CWindowManager::IsVisible(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    return IsVisibleLocked(Find(hwnd));
}

bool CWindowManager::Enable(HWND hwnd, bool enabled) {
    std::unique_lock lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr) return false;
    const bool was = record->enabled;
    record->enabled = enabled;
    record->invalid = true;
    m_screenDirty = true;
    QueueOf(record->thread).wake.notify_all();
    if (!enabled && m_focus == hwnd) m_focus = nullptr;
    lock.unlock();
    if (was != enabled) Notify(hwnd, WM_ENABLE, enabled ? 1 : 0, 0);
    return !was;
}

bool CWindowManager::IsEnabled(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(hwnd);
    return record != nullptr && record->enabled;
}

void CWindowManager::Raise(HWND top) {
    auto it = std::find(m_topLevel.begin(), m_topLevel.end(), top);
    if (it == m_topLevel.end()) return;
    m_topLevel.erase(it);
    m_topLevel.push_back(top);
    // Windows it owns (its bar, its open boxes and menus) stay above it.
    std::vector<HWND> owned;
    for (HWND hwnd : m_topLevel) {
        const WindowRecord* record = Find(hwnd);
        if (record != nullptr && record->owner == top) owned.push_back(hwnd);
    }
    for (HWND hwnd : owned) Raise(hwnd);
}

HWND CWindowManager::SetActive(HWND hwnd) {
    std::unique_lock lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    while (record != nullptr && record->parent != nullptr) record = Find(record->parent);
    if (record == nullptr || record->isSoftKeyBar || !record->enabled) return nullptr;
    const HWND top = record->handle;
    const HWND previous = m_active;
    Raise(top);
    m_screenDirty = true;
    if (previous == top) return previous;
    m_active = top;
    HWND focus = record->lastFocus;
    const WindowRecord* focused = Find(focus);
    if (focused == nullptr || !IsVisibleLocked(focused) || !focused->enabled) focus = top;
    lock.unlock();
    if (previous != nullptr) Notify(previous, WM_ACTIVATE, WA_INACTIVE, 0);
    Notify(top, WM_ACTIVATE, WA_ACTIVE, 0);
    SetFocus(focus);
    return previous;
}

HWND CWindowManager::GetActive() {
    std::lock_guard lock(m_mutex);
    return m_active;
}

HWND CWindowManager::SetFocus(HWND hwnd) {
    std::unique_lock lock(m_mutex);
    const HWND previous = m_focus;
    if (hwnd == nullptr) {
        m_focus = nullptr;
        lock.unlock();
        if (previous != nullptr) Notify(previous, WM_KILLFOCUS, 0, 0);
        return previous;
    }
    WindowRecord* record = Find(hwnd);
    if (record == nullptr || !record->enabled || record->isSoftKeyBar) return nullptr;
    WindowRecord* top = record;
    while (top->parent != nullptr) top = Find(top->parent);
    const bool activate = top->handle != m_active && (top->exStyle & WS_EX_NOACTIVATE) == 0;
    if (activate) {
        top->lastFocus = hwnd;
        lock.unlock();
        SetActive(top->handle);  // gives the focus to `hwnd` through lastFocus
        return previous;
    }
    top->lastFocus = hwnd;
    if (previous == hwnd) return previous;
    m_focus = hwnd;
    m_screenDirty = true;
    lock.unlock();
    if (previous != nullptr) Notify(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    Notify(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND CWindowManager::GetFocus() {
    std::lock_guard lock(m_mutex);
    return m_focus;
}

void CWindowManager::Invalidate(HWND hwnd) {
    std::lock_guard lock(m_mutex);
    WindowRecord* record = Find(hwnd);
    if (record == nullptr) return;
    record->invalid = true;
    m_screenDirty = true;
    QueueOf(record->thread).wake.notify_all();
}

void CWindowManager::AttachSoftKeyBar(HWND owner, HWND bar) {
    std::lock_guard lock(m_mutex);
    WindowRecord* ownerRecord = Find(owner);
    WindowRecord* barRecord = Find(bar);
    if (ownerRecord == nullptr || barRecord == nullptr) return;
    ownerRecord->softKeyBar = bar;
    barRecord->isSoftKeyBar = true;
    barRecord->owner = owner;
    const SIZE size = ScreenSize();
    barRecord->rect = RECT{0, size.cy - 1, size.cx, size.cy};
    m_screenDirty = true;
}

HWND CWindowManager::GetSoftKeyBar(HWND owner) {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(owner);
    return record != nullptr ? record->softKeyBar : nullptr;
}

void CWindowManager::SetBackOverride(HWND bar, bool overrides) {
    std::lock_guard lock(m_mutex);
    if (WindowRecord* record = Find(bar)) record->overridesBack = overrides;
}

HWND CWindowManager::ActiveSoftKeyBar() {
    std::lock_guard lock(m_mutex);
    const WindowRecord* record = Find(m_focus != nullptr ? m_focus : m_active);
    while (record != nullptr) {
        if (record->softKeyBar != nullptr) return record->softKeyBar;
        record = Find(record->parent != nullptr ? record->parent : record->owner);
    }
    return nullptr;
}

SIZE CWindowManager::ScreenSize() {
    std::lock_guard lock(m_mutex);
    if (m_backend != nullptr) m_screenSize = m_backend->ScreenSize();
    return m_screenSize;
}

RECT CWindowManager::WorkArea() {
    const SIZE size = ScreenSize();
    // One row for the title above, one for the soft keys below.
    return RECT{0, 1, size.cx, std::max(1, size.cy - 1)};
}

void CWindowManager::ThreadExiting(DWORD thread) {
    std::vector<HWND> owned;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& [key, record] : m_windows) {
            if (record->thread == thread && record->parent == nullptr) {
                owned.push_back(record->handle);
            }
        }
    }
    for (HWND hwnd : owned) Destroy(hwnd);
    std::lock_guard lock(m_mutex);
    auto it = m_queues.find(thread);
    if (it == m_queues.end()) return;
    for (auto& sent : it->second->sent) {
        sent->done = true;  // nobody will run it; the sender gets 0
        if (CThreadQueue* sender = ExistingQueue(sent->senderThread)) sender->wake.notify_all();
    }
    m_queues.erase(it);
}

void CWindowManager::ResetForTests() {
    std::vector<HWND> all;
    {
        std::lock_guard lock(m_mutex);
        for (HWND hwnd : m_topLevel) all.push_back(hwnd);
    }
    for (HWND hwnd : all) Destroy(hwnd);
    std::lock_guard lock(m_mutex);
    m_windows.clear();
    m_topLevel.clear();
    m_focus = nullptr;
    m_active = nullptr;
    m_timers = CTimerTable();
    for (auto& [thread, queue] : m_queues) {
        queue->posted.clear();
        queue->quit = false;
        queue->graveyard.clear();
    }
    m_waitShown = false;
    m_screenDirty = true;
    m_presented = CCellSurface();
}

}  // namespace ui
