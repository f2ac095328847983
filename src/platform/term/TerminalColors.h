#pragma once

#include "platform/ui/WinTypes.h"

// Colours of the window system (COLORREF) mapped to what a terminal offers: the colour itself on
// a direct-colour terminal, else the nearest of the 256-colour palette, of the 16 or of the 8
// basic colours.
namespace term {

constexpr int kDirectColors = 0x1000000;

// The terminal colour number for `color` on a terminal with `colors` colours.
int TerminalColor(ui::COLORREF color, int colors);

}  // namespace term
