#pragma once

#include "platform/ui/WinTypes.h"

// The system colours, by Windows' index numbers: a light screen with dark text, as on the
// handheld. The terminal backend maps them to what the terminal offers.
namespace ui {

enum SysColorIndex : int {
    COLOR_ACTIVECAPTION = 2,
    COLOR_WINDOW = 5,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_GRAYTEXT = 17,
};

constexpr COLORREF GetSysColor(int index) {
    switch (index) {
        case COLOR_ACTIVECAPTION: return RGB(0, 0, 128);
        case COLOR_WINDOW: return RGB(255, 255, 255);
        case COLOR_CAPTIONTEXT: return RGB(255, 255, 255);
        case COLOR_HIGHLIGHT: return RGB(0, 0, 128);
        case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
        case COLOR_BTNFACE: return RGB(192, 192, 192);
        case COLOR_GRAYTEXT: return RGB(128, 128, 128);
        case COLOR_WINDOWTEXT:
        default: return RGB(0, 0, 0);
    }
}

}  // namespace ui
