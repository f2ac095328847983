#include "platform/ui/CDeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/sys/AnsiText.h"

namespace ui {
namespace {

constexpr std::wstring_view kEllipsis = L"...";

// Box-drawing characters of a frame.
constexpr wchar_t kFrameHorizontal = L'─';
constexpr wchar_t kFrameVertical = L'│';
constexpr wchar_t kFrameTopLeft = L'┌';
constexpr wchar_t kFrameTopRight = L'┐';
constexpr wchar_t kFrameBottomLeft = L'└';
constexpr wchar_t kFrameBottomRight = L'┘';

std::vector<std::wstring_view> SplitLines(std::wstring_view text, bool singleLine) {
    std::vector<std::wstring_view> lines;
    if (singleLine) {
        lines.push_back(text);
        return lines;
    }
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

std::wstring FitTextToWidth(std::wstring_view text, int width) {
    const int length = static_cast<int>(text.size());
    if (length <= width) return std::wstring(text);
    const int ellipsis = static_cast<int>(kEllipsis.size());
    if (width >= ellipsis + 1) {
        std::wstring fitted(text.substr(0, width - ellipsis));
        fitted += kEllipsis;
        return fitted;
    }
    return std::wstring(kEllipsis.substr(0, std::max(0, width)));
}

std::vector<std::wstring> WrapText(std::wstring_view text, int width) {
    std::vector<std::wstring> lines;
    width = std::max(1, width);
    for (std::wstring_view paragraph : SplitLines(text, false)) {
        while (static_cast<int>(paragraph.size()) > width) {
            std::size_t cut = paragraph.rfind(L' ', static_cast<std::size_t>(width));
            const bool atBlank = cut != std::wstring_view::npos && cut > 0;
            if (!atBlank) cut = static_cast<std::size_t>(width);
            lines.emplace_back(paragraph.substr(0, cut));
            paragraph.remove_prefix(atBlank ? cut + 1 : cut);
        }
        lines.emplace_back(paragraph);
    }
    return lines;
}

CDeviceContext::CDeviceContext(CCellSurface& surface, const RECT& clip, POINT origin)
    : m_surface(surface),
      m_clip(IntersectRects(clip, surface.Bounds())),
      m_origin(origin),
      m_font(CFont::Default()) {}

COLORREF CDeviceContext::SetTextColor(COLORREF color) { return std::exchange(m_textColor, color); }
COLORREF CDeviceContext::SetBkColor(COLORREF color) { return std::exchange(m_backColor, color); }
int CDeviceContext::SetBkMode(int mode) { return std::exchange(m_backMode, mode); }

HFONT CDeviceContext::SelectFont(HFONT font) {
    return std::exchange(m_font, font != nullptr ? font : CFont::Default());
}

LOGPEN CDeviceContext::SelectPen(const LOGPEN& pen) { return std::exchange(m_pen, pen); }

std::uint8_t CDeviceContext::FontAttributes() const {
    std::uint8_t attr = 0;
    if (m_font->IsBold()) attr |= kAttrBold;
    if (m_font->IsUnderlined()) attr |= kAttrUnderline;
    return attr;
}

namespace {
constexpr wchar_t kShownControl = 0xFFFD;
}  // namespace

void CDeviceContext::PutCell(int x, int y, wchar_t ch, COLORREF fg, COLORREF bg, bool opaque) {
    POINT p{x + m_origin.x, y + m_origin.y};
    if (!m_clip.Contains(p)) return;
    Cell* cell = m_surface.At(p.x, p.y);
    // Every character a window draws passes here: a control character from stored data (an
    // escape sequence in a payee) is shown, never sent to the terminal.
    cell->ch = sys::IsControlChar(ch) ? kShownControl : ch;
    cell->fg = fg;
    cell->dots = 0;
    cell->attr = FontAttributes();
    if (opaque) cell->bg = bg;
}

int CDeviceContext::TextOut(int x, int y, std::wstring_view text) {
    const bool opaque = m_backMode == OPAQUE;
    int column = x;
    for (wchar_t ch : text) {
        if (ch == L'\t' || ch == L'\n' || ch == L'\r') ch = L' ';
        PutCell(column++, y, ch, m_textColor, m_backColor, opaque);
    }
    return column - x;
}

SIZE CDeviceContext::GetTextExtent(std::wstring_view text) const {
    return SIZE{static_cast<int>(text.size()), 1};
}

TEXTMETRIC CDeviceContext::GetTextMetrics() const {
    TEXTMETRIC metrics;
    metrics.tmWeight = m_font->Description().lfWeight;
    return metrics;
}

int CDeviceContext::DrawText(std::wstring_view text, RECT& rect, unsigned format) {
    std::vector<std::wstring> wrapped;
    std::vector<std::wstring_view> lines;
    if ((format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0) {
        wrapped = WrapText(text, rect.Width());
        lines.assign(wrapped.begin(), wrapped.end());
    } else {
        lines = SplitLines(text, (format & DT_SINGLELINE) != 0);
    }
    const int height = static_cast<int>(lines.size());
    if ((format & DT_CALCRECT) != 0) {
        int width = 0;
        for (std::wstring_view line : lines) width = std::max(width, GetTextExtent(line).cx);
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
        return height;
    }
    int top = rect.top;
    if ((format & DT_VCENTER) != 0) top += std::max(0, (rect.Height() - height) / 2);
    int drawn = 0;
    for (std::wstring_view line : lines) {
        const int y = top + drawn;
        if (y >= rect.bottom) break;
        std::wstring shown = (format & DT_END_ELLIPSIS) != 0
                                 ? FitTextToWidth(line, rect.Width())
                                 : std::wstring(line.substr(0, std::max(0, rect.Width())));
        const int width = GetTextExtent(shown).cx;
        int x = rect.left;
        if ((format & DT_RIGHT) != 0) x = rect.right - width;
        else if ((format & DT_CENTER) != 0) x = rect.left + (rect.Width() - width) / 2;
        TextOut(x, y, shown);
        ++drawn;
    }
    return drawn;
}

void CDeviceContext::FillRect(const RECT& rect, COLORREF color) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            PutCell(x, y, L' ', m_textColor, color, true);
            POINT p{x + m_origin.x, y + m_origin.y};
            if (m_clip.Contains(p)) m_surface.At(p.x, p.y)->attr = 0;
        }
    }
}

void CDeviceContext::FrameRect(const RECT& rect, COLORREF color) {
    if (rect.IsEmpty()) return;
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    const bool opaque = m_backMode == OPAQUE;
    for (int x = rect.left + 1; x < right; ++x) {
        PutCell(x, rect.top, kFrameHorizontal, color, m_backColor, opaque);
        PutCell(x, bottom, kFrameHorizontal, color, m_backColor, opaque);
    }
    for (int y = rect.top + 1; y < bottom; ++y) {
        PutCell(rect.left, y, kFrameVertical, color, m_backColor, opaque);
        PutCell(right, y, kFrameVertical, color, m_backColor, opaque);
    }
    PutCell(rect.left, rect.top, kFrameTopLeft, color, m_backColor, opaque);
    PutCell(right, rect.top, kFrameTopRight, color, m_backColor, opaque);
    PutCell(rect.left, bottom, kFrameBottomLeft, color, m_backColor, opaque);
    PutCell(right, bottom, kFrameBottomRight, color, m_backColor, opaque);
}

void CDeviceContext::DrawFocusRect(const RECT& rect) {
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            POINT p{x + m_origin.x, y + m_origin.y};
            if (m_clip.Contains(p)) m_surface.At(p.x, p.y)->attr |= kAttrUnderline;
        }
    }
}

void CDeviceContext::PlotDot(int x, int y) {
    // The pen is a square of its width, centred on the point.
    const int width = std::max(1, m_pen.width);
    const int low = -(width - 1) / 2;
    for (int dy = low; dy < low + width; ++dy) {
        for (int dx = low; dx < low + width; ++dx) {
            const int dotX = x + dx + m_origin.x * kDotsPerCellX;
            const int dotY = y + dy + m_origin.y * kDotsPerCellY;
            if (!m_clip.Contains(POINT{dotX / kDotsPerCellX, dotY / kDotsPerCellY})) continue;
            if (dotX < 0 || dotY < 0) continue;
            m_surface.SetDot(dotX, dotY, m_pen.color);
        }
    }
}

void CDeviceContext::DrawLine(POINT from, POINT to) {
    if (m_pen.style == PS_NULL) return;
    // Bresenham: every dot between the two end points, both included.
    int dx = std::abs(to.x - from.x);
    int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    POINT p = from;
    while (true) {
        PlotDot(p.x, p.y);
        if (p == to) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

void CDeviceContext::MoveTo(int x, int y) { m_position = POINT{x, y}; }

void CDeviceContext::LineTo(int x, int y) {
    DrawLine(m_position, POINT{x, y});
    m_position = POINT{x, y};
}

void CDeviceContext::Polyline(const POINT* points, int count) {
    if (points == nullptr || count <= 0) return;
    if (count == 1) {
        DrawLine(points[0], points[0]);
        return;
    }
    for (int i = 1; i < count; ++i) DrawLine(points[i - 1], points[i]);
}

void CDeviceContext::SetPixel(int x, int y, COLORREF color) {
    const LOGPEN saved = SelectPen(LOGPEN{PS_SOLID, 1, color});
    PlotDot(x, y);
    SelectPen(saved);
}

}  // namespace ui
