#include "platform/term/TerminalColors.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace term {
namespace {

struct Rgb {
    int r, g, b;
};

// The 16 colours in the usual xterm values; the first 8 are the basic ones.
constexpr Rgb kAnsi[16] = {
    {0, 0, 0},       {205, 0, 0},     {0, 205, 0},     {205, 205, 0},
    {0, 0, 238},     {205, 0, 205},   {0, 205, 205},   {229, 229, 229},
    {127, 127, 127}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
    {92, 92, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};
constexpr int kCubeLevels[6] = {0, 95, 135, 175, 215, 255};
constexpr int kCubeStart = 16;
constexpr int kGreyStart = 232;
constexpr int kGreySteps = 24;

int Distance(Rgb a, Rgb b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return dr * dr * 3 + dg * dg * 4 + db * db * 2;
}

int NearestLevel(int value) {
    int best = 0;
    for (int i = 1; i < 6; ++i) {
        if (std::abs(kCubeLevels[i] - value) < std::abs(kCubeLevels[best] - value)) best = i;
    }
    return best;
}

int NearestOf(Rgb color, int count) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < count; ++i) {
        const int distance = Distance(color, kAnsi[i]);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

int TerminalColor(ui::COLORREF color, int colors) {
    const Rgb rgb{static_cast<int>(ui::GetRValue(color)), static_cast<int>(ui::GetGValue(color)),
                  static_cast<int>(ui::GetBValue(color))};
    if (colors >= kDirectColors) return (rgb.r << 16) | (rgb.g << 8) | rgb.b;
    if (colors >= 256) {
        const int r = NearestLevel(rgb.r);
        const int g = NearestLevel(rgb.g);
        const int b = NearestLevel(rgb.b);
        const int cube = kCubeStart + 36 * r + 6 * g + b;
        const Rgb cubeColor{kCubeLevels[r], kCubeLevels[g], kCubeLevels[b]};
        const int average = (rgb.r + rgb.g + rgb.b) / 3;
        const int step = std::min(kGreySteps - 1, std::max(0, (average - 8) / 10));
        const int level = 8 + step * 10;
        const Rgb greyColor{level, level, level};
        return Distance(rgb, greyColor) < Distance(rgb, cubeColor) ? kGreyStart + step : cube;
    }
    return NearestOf(rgb, colors >= 16 ? 16 : 8);
}

}  // namespace term
