#pragma once

#include <cstdint>
#include <functional>

// The basic types of the window system. Windows' names and numbers are kept, so that code written
// against the handheld's interfaces reads the same here. Coordinates are character cells; the dot
// layer of a surface (see CCellSurface) has 2 x 4 dots per cell.
namespace ui {

// A window handle. The value is a number that is never reused, so a stale handle is harmless:
// every function given one treats it as "no such window".
struct HWND__;
using HWND = HWND__*;

using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR

// Every window of a class shares its procedure. Procedures are called on the window's thread.
using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

struct POINT {
    int x = 0;
    int y = 0;
    bool operator==(const POINT&) const = default;
};

struct SIZE {
    int cx = 0;
    int cy = 0;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const RECT&) const = default;
};

RECT IntersectRects(const RECT& a, const RECT& b);
RECT OffsetRectBy(const RECT& r, int dx, int dy);

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr unsigned GetRValue(COLORREF c) { return c & 0xFF; }
constexpr unsigned GetGValue(COLORREF c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(COLORREF c) { return (c >> 16) & 0xFF; }

constexpr unsigned LOWORD(std::uintptr_t v) { return v & 0xFFFF; }
constexpr unsigned HIWORD(std::uintptr_t v) { return (v >> 16) & 0xFFFF; }
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
    return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}

// Posting or sending to this handle reaches every top-level window, and for a registered message
// also the other programs of the user (see CBroadcastListener).
inline HWND const HWND_BROADCAST = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xFFFF));

// Position and size "chosen by the system": a top-level window then fills the work area.
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// Virtual keys. On the handheld the soft keys are F1 and F2 and the Back key is Escape.
enum VirtualKey : unsigned {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F3 = 0x72,
    VK_PACKET = 0xE7,  // a key that only carries a character
    VK_TSOFT1 = VK_F1,
    VK_TSOFT2 = VK_F2,
    VK_TBACK = VK_ESCAPE,
    VK_TACTION = VK_RETURN,
    VK_HELP_KEY = VK_F3,
};

// Modifier bits of WM_HOTKEY's low word.
constexpr unsigned MOD_KEYUP = 0x1000;

}  // namespace ui
