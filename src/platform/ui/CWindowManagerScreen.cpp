#include <algorithm>

#include "platform/sys/Clock.h"
#include "platform/ui/CControl.h"
#include "platform/ui/CWindowManager.h"
#include "platform/ui/KeyMessages.h"
#include "platform/ui/SysColors.h"
#include "resources/StringTable.h"

// Input routing and the composition of the screen.
namespace ui {
namespace {

constexpr wchar_t kPopupMenuClass[] = L"PopupMenu";
constexpr wchar_t kWaitGlyph = L'⧗';

Cell BlankCell() { return Cell{L' ', GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)}; }

}  // namespace

void CWindowManager::SetBackend(IScreenBackend* backend) {
    std::lock_guard lock(m_mutex);
    m_backend = backend;
    m_presented = CCellSurface();
    LayoutLocked();
}

DWORD CWindowManager::InputThreadLocked() {
    const WindowRecord* target = Find(m_focus != nullptr ? m_focus : m_active);
    return target != nullptr ? target->thread : 0;
}

void CWindowManager::DeliverInput(const InputEvent& event) {
    std::lock_guard lock(m_mutex);
    RouteInputLocked(event);
}

void CWindowManager::RouteInputLocked(const InputEvent& event) {
    if (event.kind != InputEvent::Kind::Resize) m_lastInputTick = sys::GetTickCount();
    switch (event.kind) {
        case InputEvent::Kind::Key: RouteKeyLocked(event.vk, event.ch); break;
        case InputEvent::Kind::Tap: RouteTapLocked(event.point); break;
        case InputEvent::Kind::Resize: LayoutLocked(); break;
    }
}

void CWindowManager::RouteKeyLocked(unsigned vk, wchar_t ch) {
    const WindowRecord* focus = Find(m_focus);
    const bool menuOpen = focus != nullptr && focus->className == kPopupMenuClass;
    if (vk == VK_TSOFT1 || vk == VK_TSOFT2) {
        if (HWND bar = ActiveSoftKeyBar()) {
            PostLocked(bar, WM_KEYDOWN, vk, MakeKeyLParam(0));
            return;
        }
    }
    if (vk == VK_TBACK && !menuOpen) {
        const WindowRecord* bar = Find(ActiveSoftKeyBar());
        if (bar != nullptr && bar->overridesBack) {
            // The key pressed, then released: screens act on the release (MOD_KEYUP).
            PostLocked(bar->owner, WM_HOTKEY, VK_TBACK, MAKELPARAM(0, VK_TBACK));
            PostLocked(bar->owner, WM_HOTKEY, VK_TBACK, MAKELPARAM(MOD_KEYUP, VK_TBACK));
            return;
        }
    }
    const HWND target = m_focus != nullptr ? m_focus : m_active;
    const WindowRecord* record = Find(target);
    if (record == nullptr || !record->enabled) return;
    if (vk == VK_HELP_KEY) {
        PostLocked(target, WM_HELP, 0, 0);
        return;
    }
    PostLocked(target, WM_KEYDOWN, vk, MakeKeyLParam(ch));
    PostLocked(target, WM_KEYUP, vk, kKeyRepeatOne | kKeyUpBits);
}

HWND CWindowManager::WindowAtLocked(HWND hwnd, POINT point, int x, int y) {
    const WindowRecord* record = Find(hwnd);
    if (record == nullptr || !record->visible) return nullptr;
    const RECT area{x, y, x + record->rect.Width(), y + record->rect.Height()};
    if (!area.Contains(point)) return nullptr;
    for (auto it = record->children.rbegin(); it != record->children.rend(); ++it) {
        const WindowRecord* child = Find(*it);
        if (child == nullptr) continue;
        if (HWND hit = WindowAtLocked(*it, point, x + child->rect.left, y + child->rect.top)) {
            return hit;
        }
    }
    return hwnd;
}

void CWindowManager::RouteTapLocked(POINT point) {
    const SIZE size = ScreenSize();
    if (point.y == size.cy - 1) {
        // A tap on a soft key's label is that soft key.
        RouteKeyLocked(point.x < size.cx / 2 ? VK_TSOFT1 : VK_TSOFT2, 0);
        return;
    }
    const WindowRecord* focus = Find(m_focus);
    HWND hit = nullptr;
    int originX = 0;
    int originY = 0;
    for (auto it = m_topLevel.rbegin(); it != m_topLevel.rend() && hit == nullptr; ++it) {
        const WindowRecord* top = Find(*it);
        if (top == nullptr || top->isSoftKeyBar) continue;
        hit = WindowAtLocked(*it, point, top->rect.left, top->rect.top);
    }
    if (focus != nullptr && focus->className == kPopupMenuClass && hit != m_focus) {
        PostLocked(m_focus, WM_CANCELMODE, 0, 0);
    }
    const WindowRecord* record = Find(hit);
    // A window under a modal box (its owner disabled) takes no taps.
    for (const WindowRecord* r = record; r != nullptr; r = Find(r->parent)) {
        if (!r->enabled) return;
    }
    if (record == nullptr) return;
    // Client coordinates of the tap.
    for (const WindowRecord* r = record; r != nullptr; r = Find(r->parent)) {
        originX += r->rect.left;
        originY += r->rect.top;
    }
    const LPARAM where = MAKELPARAM(point.x - originX, point.y - originY);
    PostLocked(hit, WM_LBUTTONDOWN, 0, where);
    PostLocked(hit, WM_LBUTTONUP, 0, where);
}

void CWindowManager::LayoutLocked() {
    const SIZE size = ScreenSize();
    const RECT work = WorkArea();
    for (HWND top : m_topLevel) {
        WindowRecord* record = Find(top);
        if (record == nullptr) continue;
        if (record->isSoftKeyBar) {
            record->rect = RECT{0, size.cy - 1, size.cx, size.cy};
        } else if (record->fillsWorkArea) {
            if (!(record->rect == work)) {
                record->rect = work;
                PostLocked(top, WM_SIZE, SIZE_RESTORED, MAKELPARAM(work.Width(), work.Height()));
            }
        }
        PostLocked(top, WM_SETTINGCHANGE, 0, 0);
    }
    for (auto& [key, record] : m_windows) record->invalid = true;
    for (auto& [thread, queue] : m_queues) queue->wake.notify_all();
    m_screenDirty = true;
}

void CWindowManager::DrawWindowLocked(const WindowRecord& record, int x, int y, const RECT& clip) {
    const RECT area = IntersectRects(clip, RECT{x, y, x + record.rect.Width(),
                                               y + record.rect.Height()});
    if (area.IsEmpty()) return;
    m_screen.Blit(record.surface, x, y, area);
    for (HWND hwnd : record.children) {
        const WindowRecord* child = Find(hwnd);
        if (child == nullptr || !child->visible) continue;
        DrawWindowLocked(*child, x + child->rect.left, y + child->rect.top, area);
    }
}

void CWindowManager::Compose() {
    std::lock_guard lock(m_mutex);
    if (m_backend == nullptr) return;
    m_screenDirty = false;
    const SIZE size = ScreenSize();
    m_screen.Resize(size.cx, size.cy, BlankCell());
    const RECT work = WorkArea();

    // The title row: the foremost screen's title, and the wait indicator.
    const Cell caption{L' ', GetSysColor(COLOR_CAPTIONTEXT), GetSysColor(COLOR_ACTIVECAPTION),
                       kAttrBold};
    m_screen.Fill(RECT{0, 0, size.cx, 1}, caption);
    std::wstring title;
    for (auto it = m_topLevel.rbegin(); it != m_topLevel.rend(); ++it) {
        const WindowRecord* record = Find(*it);
        if (record != nullptr && record->visible && !record->isSoftKeyBar &&
            (record->style & WS_POPUP) == 0 && (record->exStyle & WS_EX_NOACTIVATE) == 0) {
            title = record->title;
            break;
        }
    }
    if (m_waitShown) {
        std::wstring wait(1, kWaitGlyph);
        wait += L' ';
        wait += res::LoadString(res::IDS_PLEASE_WAIT);
        const int start = std::max(0, size.cx - static_cast<int>(wait.size()) - 1);
        for (int i = 0; i < static_cast<int>(wait.size()) && start + i < size.cx; ++i) {
            m_screen.At(start + i, 0)->ch = wait[static_cast<std::size_t>(i)];
        }
        title = title.substr(0, static_cast<std::size_t>(std::max(0, start - 2)));
    }
    for (int i = 0; i < static_cast<int>(title.size()) && i + 1 < size.cx; ++i) {
        m_screen.At(i + 1, 0)->ch = title[static_cast<std::size_t>(i)];
    }

    for (HWND top : m_topLevel) {
        const WindowRecord* record = Find(top);
        if (record == nullptr || !record->visible || record->isSoftKeyBar) continue;
        DrawWindowLocked(*record, record->rect.left, record->rect.top, work);
    }

    const Cell barCell{L' ', GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE)};
    m_screen.Fill(RECT{0, size.cy - 1, size.cx, size.cy}, barCell);
    if (const WindowRecord* bar = Find(ActiveSoftKeyBar())) {
        DrawWindowLocked(*bar, 0, size.cy - 1, RECT{0, size.cy - 1, size.cx, size.cy});
    }
    if (!(m_screen == m_presented)) {
        m_backend->Present(m_screen);
        m_presented = m_screen;
    }
}

void CWindowManager::SetWaitIndicator(bool shown) {
    std::lock_guard lock(m_mutex);
    m_waitShown = shown;
    m_screenDirty = true;
}

bool CWindowManager::WaitIndicatorShown() {
    std::lock_guard lock(m_mutex);
    return m_waitShown;
}

}  // namespace ui
