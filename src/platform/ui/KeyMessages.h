#pragma once

#include "platform/ui/WinTypes.h"

// The lParam of WM_KEYDOWN carries, above Windows' 32 bits of key data, the character the key
// types, so that TranslateMessage can make WM_CHAR from it.
namespace ui {

static_assert(sizeof(LPARAM) >= 8, "key characters ride in the upper half of a 64-bit lParam");

constexpr int kKeyCharShift = 32;
constexpr LPARAM kKeyRepeatOne = 1;
constexpr LPARAM kKeyUpBits = static_cast<LPARAM>(0xC0000000u);  // previous state and transition

constexpr LPARAM MakeKeyLParam(wchar_t ch) {
    return kKeyRepeatOne | (static_cast<LPARAM>(static_cast<std::uint32_t>(ch)) << kKeyCharShift);
}

constexpr wchar_t KeyCharOf(LPARAM lParam) {
    return static_cast<wchar_t>((static_cast<std::uint64_t>(lParam) >> kKeyCharShift) & 0x1FFFFF);
}

}  // namespace ui

namespace ui {

// The virtual key of a key that types `ch`: digits and letters have their own codes (letters the
// upper-case one), the space bar VK_SPACE, anything else VK_PACKET.
constexpr unsigned VirtualKeyForChar(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') return static_cast<unsigned>(ch);
    if (ch >= L'A' && ch <= L'Z') return static_cast<unsigned>(ch);
    if (ch >= L'a' && ch <= L'z') return static_cast<unsigned>(ch - L'a' + L'A');
    if (ch == L' ') return VK_SPACE;
    return VK_PACKET;
}

}  // namespace ui
