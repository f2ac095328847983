// The report chart's arithmetic without a screen: slices and their angles, the colours, the
// pie's place in windows from 40 x 20 to 200 x 60, hit tests, label texts and label places.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "reports/PieChart.h"

namespace {

using chart::Dot;
using chart::Slice;

constexpr Amount kMax = std::numeric_limits<Amount>::max();
constexpr Amount kMin = std::numeric_limits<Amount>::min();

// The pie's area as the chart screen has it in a terminal of `columns` x `rows`: the rows under
// the title and above the info line and the soft keys, in dots.
chart::Geometry PieIn(int columns, int rows) {
    return chart::MakeGeometry(0, 0, columns * 2, (rows - 3) * 4);
}

// Which slices cover each whole degree.
std::vector<int> Coverage(const std::vector<Slice>& slices) {
    std::vector<int> covered(chart::kFullCircle, 0);
    for (const Slice& slice : slices) {
        for (int d = slice.start; d < slice.end; ++d) ++covered[static_cast<std::size_t>(d % 360)];
    }
    return covered;
}

TEST(PieSlices, TheExamples) {
    // A single row is the whole circle, from 300 round to 660.
    std::vector<Slice> slices = chart::MakeSlices({-4200});
    ASSERT_EQ(slices.size(), 1u);
    EXPECT_EQ(slices[0].start, 300);
    EXPECT_EQ(slices[0].end, 660);
    EXPECT_EQ(slices[0].span, 360);
    EXPECT_EQ(slices[0].middle, 480);
    EXPECT_EQ(slices[0].percent, 100);

    // Two halves of 180 degrees each.
    slices = chart::MakeSlices({5000, 5000});
    EXPECT_EQ(slices[0].start, 300);
    EXPECT_EQ(slices[0].end, 480);
    EXPECT_EQ(slices[1].span, 180);
    EXPECT_EQ(slices[1].end, 660);

    // A row of 0.00 has no span and covers no degree.
    slices = chart::MakeSlices({2500, 0, 7500});
    EXPECT_EQ(slices[1].span, 0);
    EXPECT_EQ(slices[1].start, slices[1].end);
    EXPECT_EQ(slices[0].span, 90);
    EXPECT_EQ(slices[2].span, 270);
}

// Fault mended: the next slice started one degree after the end of the one before, so that with
// many rows the last slices ran past the full circle over the first ones (two halves already
// covered 361 degrees), and each truncated span left the circle short at the end.
TEST(PieSlices, EveryDegreeBelongsToExactlyOneSlice) {
    for (const std::vector<Amount>& amounts :
         {std::vector<Amount>{5000, 5000}, std::vector<Amount>{1, 1, 1},
          std::vector<Amount>{-333, -333, -334, 0, -1}, std::vector<Amount>(40, -1999),
          std::vector<Amount>{100000000, 1, 1, 1, 1, 1, 1}}) {
        const std::vector<Slice> slices = chart::MakeSlices(amounts);
        EXPECT_EQ(slices.back().end, 660);
        for (const int covered : Coverage(slices)) ASSERT_EQ(covered, 1);
        for (std::size_t i = 1; i < slices.size(); ++i) {
            EXPECT_EQ(slices[i].start, slices[i - 1].end);
        }
    }
}

TEST(PieSlices, ZeroTinyAndExtremeTotalsNeitherDivideByZeroNorOverflow) {
    // A total of 0: nothing to share out.
    std::vector<Slice> slices = chart::MakeSlices({0, 0});
    for (const Slice& slice : slices) {
        EXPECT_EQ(slice.span, 0);
        EXPECT_EQ(slice.percent, 0);
    }
    EXPECT_TRUE(chart::MakeSlices({}).empty());

    // A total under one whole unit (0.03) still draws its shares.
    slices = chart::MakeSlices({-1, -2});
    EXPECT_EQ(slices[0].span, 120);
    EXPECT_EQ(slices[1].span, 240);
    EXPECT_EQ(slices[1].percent, 66);

    // Amounts at the limits of the type.
    slices = chart::MakeSlices({kMax, kMax});
    EXPECT_EQ(slices[0].span, 180);
    EXPECT_EQ(slices[1].span, 180);
    EXPECT_EQ(slices[0].percent, 50);
    slices = chart::MakeSlices({kMin, kMin, kMax});
    EXPECT_EQ(slices[0].span + slices[1].span + slices[2].span, 360);
    EXPECT_EQ(slices[0].span, 120);
    slices = chart::MakeSlices({kMin});
    EXPECT_EQ(slices[0].span, 360);

    // Amounts on both sides share the circle by their magnitudes, never more than once round.
    slices = chart::MakeSlices({-100, 300});
    EXPECT_EQ(slices[0].span, 90);
    EXPECT_EQ(slices[1].span, 270);
}

TEST(PieSlices, PercentagesAreTruncatedShares) {
    // 25.99 of 103.96 is 25 percent, as the label shows it.
    const std::vector<Slice> slices = chart::MakeSlices({2599, 7797});
    EXPECT_EQ(slices[0].percent, 25);
    EXPECT_EQ(slices[1].percent, 75);
    EXPECT_EQ(chart::MakeSlices({1, 199})[0].percent, 0);
}

TEST(PieColours, NeighboursDifferEvenOnEightColours) {
    for (int count = 1; count <= 40; ++count) {
        const std::vector<Slice> slices = chart::MakeSlices(std::vector<Amount>(count, 100));
        for (int i = 1; i < count; ++i) {
            EXPECT_FALSE(chart::SameBaseColour(slices[i].colour, slices[i - 1].colour))
                << count << " slices, slice " << i;
        }
        if (count > 2) {
            // The circle closes: the last slice touches the first.
            EXPECT_FALSE(chart::SameBaseColour(slices.back().colour, slices.front().colour))
                << count << " slices";
        }
    }
    // A bright colour looks like its plain one on eight colours; two others do not.
    EXPECT_TRUE(chart::SameBaseColour(chart::SliceColour(0, 20), chart::SliceColour(6, 20)));
    EXPECT_FALSE(chart::SameBaseColour(chart::SliceColour(0, 20), chart::SliceColour(1, 20)));
}

TEST(PieGeometry, FitsWindowsFromSmallToLarge) {
    for (const auto& [columns, rows] :
         {std::pair{40, 20}, std::pair{80, 24}, std::pair{160, 50}, std::pair{200, 60}}) {
        const chart::Geometry pie = PieIn(columns, rows);
        const int width = columns * 2;
        const int height = (rows - 3) * 4;
        SCOPED_TRACE(::testing::Message() << columns << " x " << rows);
        EXPECT_GE(pie.radius, chart::kMinRadius);
        // Inside the area, with a margin, and at most half the width across.
        EXPECT_GT(pie.centre.y - pie.radius, 0);
        EXPECT_LT(pie.centre.y + pie.radius, height);
        EXPECT_LE(2 * pie.radius, width / 2);
        EXPECT_EQ(pie.centre.x, width / 2);
        // Angle 0 at the right, growing anticlockwise; degrees past 359 read modulo 360.
        EXPECT_EQ(pie.PointAt(0), (Dot{pie.centre.x + pie.radius, pie.centre.y}));
        EXPECT_EQ(pie.PointAt(90), (Dot{pie.centre.x, pie.centre.y - pie.radius}));
        EXPECT_EQ(pie.PointAt(180), (Dot{pie.centre.x - pie.radius, pie.centre.y}));
        EXPECT_EQ(pie.PointAt(270), (Dot{pie.centre.x, pie.centre.y + pie.radius}));
        EXPECT_EQ(pie.PointAt(450), pie.PointAt(90));
    }
    EXPECT_EQ(PieIn(40, 20).radius, 20);
    EXPECT_EQ(PieIn(200, 60).radius, 95);
    // A window too small for a pie still gets the least radius, not a zero or negative one.
    EXPECT_EQ(chart::MakeGeometry(0, 0, 4, 4).radius, chart::kMinRadius);
    EXPECT_EQ(chart::MakeGeometry(0, 0, -10, 0).radius, chart::kMinRadius);
}

TEST(PieGeometry, HitTestFindsTheSliceUnderAPoint) {
    const chart::Geometry pie = PieIn(80, 24);
    const Dot c = pie.centre;
    const int r = pie.radius;
    EXPECT_EQ(chart::AngleOf(pie, Dot{c.x + 5, c.y}), 0);
    EXPECT_EQ(chart::AngleOf(pie, Dot{c.x, c.y - 5}), 90);
    EXPECT_EQ(chart::AngleOf(pie, Dot{c.x - 5, c.y}), 180);
    EXPECT_EQ(chart::AngleOf(pie, Dot{c.x, c.y + 5}), 270);
    EXPECT_EQ(chart::AngleOf(pie, Dot{c.x + 5, c.y + 5}), 315);

    // Halves: the first from 300 round to 120, the second from 120 to 300.
    const std::vector<Slice> halves = chart::MakeSlices({5000, 5000});
    EXPECT_EQ(chart::HitTest(halves, pie, Dot{c.x + r / 2, c.y}), 0);
    EXPECT_EQ(chart::HitTest(halves, pie, Dot{c.x - r / 2, c.y}), 1);
    EXPECT_EQ(chart::HitTest(halves, pie, Dot{c.x, c.y + r}), 1);       // 270, on the edge
    EXPECT_EQ(chart::HitTest(halves, pie, Dot{c.x, c.y + r + 1}), -1);  // just outside
    EXPECT_EQ(chart::HitTest(halves, pie, Dot{c.x + r, c.y - r}), -1);  // a corner of the box
    // No slice where nothing has a share.
    EXPECT_EQ(chart::HitTest(chart::MakeSlices({0, 0}), pie, c), -1);
    // A slice of no span is never hit.
    const std::vector<Slice> withEmpty = chart::MakeSlices({0, 100});
    EXPECT_EQ(chart::HitTest(withEmpty, pie, Dot{c.x + 3, c.y}), 1);
}

TEST(PieLabels, TextFollowsTheFlags) {
    EXPECT_EQ(chart::LabelText("Dining", 2599, 25, {true, true, true}), "Dining (25) 25%");
    EXPECT_EQ(chart::LabelText("Dining", 2599, 25, {true, false, true}), "Dining 25%");
    EXPECT_EQ(chart::LabelText("Dining", 2599, 25, {false, true, false}), "(25)");
    // Whole units truncated toward zero, with the sign of the amount.
    EXPECT_EQ(chart::LabelText("Fuel", -5308624, 1, {false, true, true}), "(-53086) 1%");
    EXPECT_EQ(chart::LabelText("Fuel", -99, 0, {false, true, false}), "(0)");
    EXPECT_EQ(chart::LabelText("Fuel", -99, 0, {false, false, false}), "");
    EXPECT_EQ(chart::LabelText("", 100, 5, {true, false, true}), "5%");
}

TEST(PieLabels, PlacesBesideThePieOutsideItAndApart) {
    const chart::Geometry pie = PieIn(80, 24);
    const chart::CellArea area{0, 0, 80, 21};
    // Quarters whose middles point up-left, down-left, down-right and up-right.
    const std::vector<Slice> quarters = chart::MakeSlices({100, 100, 100, 100});
    const std::vector<chart::LabelPlace> places =
        chart::PlaceLabels(quarters, pie, {10, 10, 10, 10}, area);
    ASSERT_EQ(places.size(), 4u);
    const int centreColumn = pie.centre.x / 2;
    const int centreRow = pie.centre.y / 4;
    for (const chart::LabelPlace& place : places) {
        const Dot anchor = pie.PointAt(quarters[static_cast<std::size_t>(place.slice)].middle);
        const bool right = anchor.x > pie.centre.x;
        SCOPED_TRACE(place.slice);
        EXPECT_EQ(place.alignRight, !right);
        EXPECT_EQ(place.width, 10);
        if (right) {
            EXPECT_EQ(place.left, anchor.x / 2 + 1);
            EXPECT_GT(place.left, centreColumn);
        } else {
            EXPECT_EQ(place.left + place.width, anchor.x / 2);
        }
        // Above the anchor on the upper half, below it on the lower one.
        EXPECT_EQ(place.row, anchor.y / 4 + (anchor.y <= pie.centre.y ? -1 : 1));
        EXPECT_NE(place.row, centreRow);
    }

    // A label without room is left out; a slice without span gets none.
    const std::vector<Slice> two = chart::MakeSlices({100, 0, 100});
    const std::vector<chart::LabelPlace> narrow =
        chart::PlaceLabels(two, pie, {10, 10, 10}, chart::CellArea{38, 0, 42, 21});
    for (const chart::LabelPlace& place : narrow) {
        EXPECT_NE(place.slice, 1);
        EXPECT_GE(place.width, chart::kMinLabelWidth);
    }
}

TEST(PieLabels, ManySlicesNeverOverlapAndStayInTheArea) {
    for (const auto& [columns, rows] : {std::pair{40, 20}, std::pair{80, 24}, std::pair{200, 60}}) {
        const chart::Geometry pie = PieIn(columns, rows);
        const chart::CellArea area{0, 0, columns, rows - 3};
        const std::vector<Slice> slices = chart::MakeSlices(std::vector<Amount>(30, 100));
        const std::vector<chart::LabelPlace> places =
            chart::PlaceLabels(slices, pie, std::vector<int>(30, 12), area);
        SCOPED_TRACE(::testing::Message() << columns << " x " << rows);
        EXPECT_FALSE(places.empty());
        for (std::size_t i = 0; i < places.size(); ++i) {
            const chart::LabelPlace& a = places[i];
            EXPECT_GE(a.left, area.left);
            EXPECT_LE(a.left + a.width, area.right);
            EXPECT_GE(a.row, area.top);
            EXPECT_LT(a.row, area.bottom);
            for (std::size_t j = 0; j < i; ++j) {
                const chart::LabelPlace& b = places[j];
                const bool apart =
                    a.row != b.row || a.left + a.width < b.left || b.left + b.width < a.left;
                EXPECT_TRUE(apart) << a.slice << " and " << b.slice;
            }
            // A label never lies on the pie: its cells are outside the circle.
            for (int x = a.left; x < a.left + a.width; ++x) {
                EXPECT_FALSE(chart::Inside(pie, Dot{x * 2 + 1, a.row * 4 + 2}))
                    << "slice " << a.slice << " cell " << x;
            }
        }
    }
}

}  // namespace
