#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/Amount.h"

// The arithmetic of the report chart, apart from any screen: the slices a report's rows make,
// where the pie stands in a drawing area, which slice a point falls in, and the labels with the
// place each takes. The chart draws in dots of the terminal's dot layer (2 x 4 to a character
// cell, about square), so the geometry is in dots and the labels in cells.
//
// Slices: each row of the report is one slice, in row order, from the angle 300 (degrees,
// anticlockwise from the right of the centre) on. A slice covers the degrees [start, end); angles
// go past 359 and are read modulo 360. Each slice ends where the share of the rows up to it ends,
// so the slices meet without a gap or an overlap and together make the whole circle. The share of
// a row is its magnitude over the sum of the magnitudes, worked in 128-bit integers: amounts near
// the limits neither overflow nor divide by zero, and a total of a few hundredths still draws.
namespace chart {

constexpr int kFullCircle = 360;
constexpr int kFirstAngle = 300;

struct Slice {
    Amount amount = 0;
    int start = kFirstAngle;  // the first degree of the slice
    int end = kFirstAngle;    // one past its last degree
    int middle = kFirstAngle;
    int span = 0;
    int percent = 0;           // the whole percent of the sum, truncated
    std::uint32_t colour = 0;  // COLORREF, 0x00BBGGRR
};

// The slices of rows of these amounts. No row has a share when they are all 0: every slice then
// has a span of 0.
std::vector<Slice> MakeSlices(const std::vector<Amount>& amounts);

// The colour of slice `index` of `count`: the sixteen colours every terminal can show, less
// black, white and the greys, in an order where neighbours differ also on a terminal of eight
// colours, where the bright ones look like their plain ones. The last slice, which touches the
// first, takes another colour when it would look like it.
std::uint32_t SliceColour(int index, int count);
// Whether two colours look alike on a terminal of eight colours.
bool SameBaseColour(std::uint32_t a, std::uint32_t b);

// ---- geometry, in dots ----
struct Dot {
    int x = 0;
    int y = 0;
    bool operator==(const Dot&) const = default;
};

struct Geometry {
    Dot centre;
    int radius = 0;
    // The point of the circle at each whole degree.
    std::array<Dot, kFullCircle> points{};

    const Dot& PointAt(int degree) const;
};

// The least radius the pie is drawn with, however small the area.
constexpr int kMinRadius = 6;

// The pie in an area of `width` x `height` dots whose top-left dot is (left, top): centred, with
// a margin of a twelfth of the area's smaller side, at most a quarter of the width across so that
// the labels have room beside it, and never below kMinRadius.
Geometry MakeGeometry(int left, int top, int width, int height);

// Whether the dot lies inside the circle (its edge included).
bool Inside(const Geometry& geometry, Dot dot);
// The whole degree of the dot as seen from the centre, 0-359 (0 at the centre itself).
int AngleOf(const Geometry& geometry, Dot dot);
// The slice under the dot, or -1 outside the circle or where no slice is.
int HitTest(const std::vector<Slice>& slices, const Geometry& geometry, Dot dot);

// ---- labels ----
struct LabelFlags {
    bool name = true;
    bool amount = false;
    bool percent = true;
};

// The label of a slice, the parts the flags choose separated by blanks: the name, the amount in
// whole units (truncated) in brackets, the percentage: "Dining (25) 25%".
std::string LabelText(std::string_view name, Amount amount, int percent, const LabelFlags& flags);

// An area of character cells: [left, right) x [top, bottom).
struct CellArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct LabelPlace {
    int slice = 0;
    int row = 0;
    int left = 0;   // the first cell of the text
    int width = 0;  // the cells the text may take
    bool alignRight = false;
};

// The narrowest room a label is still drawn in.
constexpr int kMinLabelWidth = 4;

// Where each label goes: beside the point of the circle at the slice's middle angle, outside the
// pie, to the right of it (left-aligned) on the right half and to the left (right-aligned) on the
// left half, on the row above that point on the upper half and below it on the lower one. A
// label whose row is taken moves on outward (up on the upper half, down on the lower) to the
// next free row, and then back inward, kept clear of the pie, at most a quarter of the area's
// rows (at least 3) from its point; one that finds no row, or less than kMinLabelWidth cells of
// room, is left out. Slices of no span get no label. `widths` are the labels' lengths in cells.
std::vector<LabelPlace> PlaceLabels(const std::vector<Slice>& slices, const Geometry& geometry,
                                    const std::vector<int>& widths, const CellArea& area);

}  // namespace chart
