#include "platform/ui/CCellSurface.h"

#include <algorithm>

namespace ui {

std::uint8_t DotBit(int column, int row) {
    // Braille numbers dots 1-3 down the left column, 4-6 down the right, then 7 and 8 below.
    static constexpr std::uint8_t kLeft[kDotsPerCellY] = {0x01, 0x02, 0x04, 0x40};
    static constexpr std::uint8_t kRight[kDotsPerCellY] = {0x08, 0x10, 0x20, 0x80};
    if (row < 0 || row >= kDotsPerCellY) return 0;
    if (column == 0) return kLeft[row];
    if (column == 1) return kRight[row];
    return 0;
}

RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.IsEmpty()) return RECT{};
    return r;
}

RECT OffsetRectBy(const RECT& r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

CCellSurface::CCellSurface(int width, int height, const Cell& fill) { Resize(width, height, fill); }

void CCellSurface::Resize(int width, int height, const Cell& fill) {
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    m_cells.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill);
}

Cell* CCellSurface::At(int x, int y) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return nullptr;
    return &m_cells[static_cast<std::size_t>(y) * m_width + x];
}

const Cell* CCellSurface::At(int x, int y) const {
    return const_cast<CCellSurface*>(this)->At(x, y);
}

void CCellSurface::Fill(const RECT& rect, const Cell& cell) {
    RECT r = IntersectRects(rect, Bounds());
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) *At(x, y) = cell;
    }
}

void CCellSurface::Blit(const CCellSurface& source, int x, int y, const RECT& clip) {
    RECT target = IntersectRects(IntersectRects(clip, Bounds()),
                                 OffsetRectBy(source.Bounds(), x, y));
    for (int row = target.top; row < target.bottom; ++row) {
        for (int column = target.left; column < target.right; ++column) {
            *At(column, row) = *source.At(column - x, row - y);
        }
    }
}

void CCellSurface::SetDot(int dotX, int dotY, COLORREF color) {
    if (dotX < 0 || dotY < 0) return;
    Cell* cell = At(dotX / kDotsPerCellX, dotY / kDotsPerCellY);
    if (cell == nullptr) return;
    cell->dots |= DotBit(dotX % kDotsPerCellX, dotY % kDotsPerCellY);
    cell->fg = color;
}

std::wstring CCellSurface::LineText(int y) const {
    std::wstring text;
    if (y < 0 || y >= m_height) return text;
    text.reserve(m_width);
    for (int x = 0; x < m_width; ++x) text.push_back(At(x, y)->Glyph());
    return text;
}

std::vector<std::wstring> CCellSurface::Lines() const {
    std::vector<std::wstring> lines;
    for (int y = 0; y < m_height; ++y) lines.push_back(LineText(y));
    return lines;
}

}  // namespace ui
