#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/WinTypes.h"

// A rectangle of character cells: what a window paints into and what the screen is composed of.
//
// Every cell has a character, a text and a background colour and attributes. On top of the
// characters lies a dot layer for line drawing: each cell holds 2 x 4 dots, shown as the braille
// character of those dots in the colour of the last pen that set one. Drawing text into a cell
// clears its dots.
namespace ui {

enum CellAttribute : std::uint8_t {
    kAttrBold = 0x01,
    kAttrUnderline = 0x02,
    kAttrReverse = 0x04,
};

constexpr int kDotsPerCellX = 2;
constexpr int kDotsPerCellY = 4;
constexpr wchar_t kBrailleBase = 0x2800;

struct Cell {
    wchar_t ch = L' ';
    COLORREF fg = RGB(0, 0, 0);
    COLORREF bg = RGB(255, 255, 255);
    std::uint8_t attr = 0;
    std::uint8_t dots = 0;  // braille dot bits, see DotBit

    // The character shown: the braille pattern when any dot is set.
    wchar_t Glyph() const { return dots != 0 ? static_cast<wchar_t>(kBrailleBase + dots) : ch; }
    bool operator==(const Cell&) const = default;
};

// The bit of the braille pattern for dot (column 0-1, row 0-3) of a cell.
std::uint8_t DotBit(int column, int row);

class CCellSurface {
public:
    CCellSurface() = default;
    CCellSurface(int width, int height, const Cell& fill = Cell{});

    void Resize(int width, int height, const Cell& fill = Cell{});
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    RECT Bounds() const { return RECT{0, 0, m_width, m_height}; }

    // The cell at (x, y), or null outside the surface.
    Cell* At(int x, int y);
    const Cell* At(int x, int y) const;

    void Fill(const RECT& rect, const Cell& cell);

    // Copies `source` so that its (0, 0) lands on (x, y), only within `clip` of this surface.
    void Blit(const CCellSurface& source, int x, int y, const RECT& clip);

    // Sets one dot (in dot coordinates of the whole surface) in `color`; ignored outside.
    void SetDot(int dotX, int dotY, COLORREF color);

    // The glyphs of one row, and of all rows.
    std::wstring LineText(int y) const;
    std::vector<std::wstring> Lines() const;

    bool operator==(const CCellSurface&) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Cell> m_cells;
};

}  // namespace ui
