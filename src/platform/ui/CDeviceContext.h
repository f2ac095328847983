#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/CCellSurface.h"
#include "platform/ui/CFont.h"
#include "platform/ui/WinTypes.h"

// Drawing on a cell surface, limited to a clipping rectangle and relative to an origin (a
// window's client area). Text, fills and frames work in cells; pens, lines and polylines work in
// dots of the dot layer (2 x 4 per cell, so the dot (2x, 4y) is the top-left dot of cell (x, y)).
namespace ui {

// DrawText formats.
enum DrawTextFormat : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_SINGLELINE = 0x20,
    DT_WORDBREAK = 0x10,
    DT_CALCRECT = 0x400,
    DT_END_ELLIPSIS = 0x8000,
};

enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };

enum PenStyle : int { PS_SOLID = 0, PS_NULL = 5 };

struct LOGPEN {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = RGB(0, 0, 0);
};

struct TEXTMETRIC {
    int tmHeight = 1;
    int tmAveCharWidth = 1;
    int tmMaxCharWidth = 1;
    int tmWeight = 400;
};

class CDeviceContext {
public:
    // `clip` is in surface coordinates; (0, 0) of the context is `origin` of the surface.
    CDeviceContext(CCellSurface& surface, const RECT& clip, POINT origin);

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF GetBkColor() const { return m_backColor; }
    HFONT SelectFont(HFONT font);  // returns the font it replaces
    LOGPEN SelectPen(const LOGPEN& pen);

    // Writes text from (x, y) on one line; returns the number of cells written.
    int TextOut(int x, int y, std::wstring_view text);

    // Draws text into a rectangle: left, centred or right; vertically centred with DT_VCENTER;
    // cut to the width with "..." with DT_END_ELLIPSIS. Lines break at '\n' unless DT_SINGLELINE.
    // With DT_CALCRECT nothing is drawn and `rect` gets the size the text needs. Returns the
    // height drawn.
    int DrawText(std::wstring_view text, RECT& rect, unsigned format);

    SIZE GetTextExtent(std::wstring_view text) const;
    TEXTMETRIC GetTextMetrics() const;

    void FillRect(const RECT& rect, COLORREF color);
    void FrameRect(const RECT& rect, COLORREF color);  // a line-drawing frame
    void DrawFocusRect(const RECT& rect);              // underlines the rectangle's cells

    // Lines in dots with the selected pen; the end point is drawn too.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const POINT* points, int count);
    void SetPixel(int x, int y, COLORREF color);

private:
    void PutCell(int x, int y, wchar_t ch, COLORREF fg, COLORREF bg, bool opaque);
    void PlotDot(int x, int y);
    void DrawLine(POINT from, POINT to);
    std::uint8_t FontAttributes() const;

    CCellSurface& m_surface;
    RECT m_clip;
    POINT m_origin;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_backColor = RGB(255, 255, 255);
    int m_backMode = OPAQUE;
    HFONT m_font;
    LOGPEN m_pen;
    POINT m_position;
};

}  // namespace ui

namespace ui {

// The text cut to `width` cells: the text itself when it fits; otherwise the longest beginning
// that fits followed by "..."; when not even one character and "..." fit, "..." shortened from
// its end.
std::wstring FitTextToWidth(std::wstring_view text, int width);

// The text broken into lines of at most `width` cells: at '\n', else at the last blank that fits,
// else inside a word that is longer than a line.
std::vector<std::wstring> WrapText(std::wstring_view text, int width);

}  // namespace ui
