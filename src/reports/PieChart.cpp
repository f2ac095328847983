#include "reports/PieChart.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart {
namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr int kPercent = 100;
constexpr int kUnits = 100;  // hundredths in a whole unit
constexpr int kBaseColours = 6;
constexpr int kMarginDivisor = 12;
constexpr int kWidthShare = 4;  // the pie takes at most this share of the width, as its radius

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

// The terminal's sixteen colours without black, white and greys: the six plain ones, then their
// bright forms, in the same order.
constexpr std::uint32_t kPalette[] = {
    Rgb(205, 0, 0),   Rgb(0, 205, 0),   Rgb(0, 0, 238),   Rgb(205, 205, 0),
    Rgb(205, 0, 205), Rgb(0, 205, 205), Rgb(255, 0, 0),   Rgb(0, 255, 0),
    Rgb(92, 92, 255), Rgb(255, 255, 0), Rgb(255, 0, 255), Rgb(0, 255, 255),
};
constexpr int kPaletteSize = static_cast<int>(std::size(kPalette));

Wide Magnitude(Amount amount) {
    // -(amount + 1) + 1 keeps the most negative amount in range.
    return amount < 0 ? static_cast<Wide>(-(amount + 1)) + 1 : static_cast<Wide>(amount);
}

int BaseOf(std::uint32_t colour) {
    for (int i = 0; i < kPaletteSize; ++i) {
        if (kPalette[i] == colour) return i % kBaseColours;
    }
    return -1;
}

int FloorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

constexpr int kMinDrift = 3;
constexpr int kDriftDivisor = 4;  // a label strays at most this share of the area's rows

// How far the pie reaches from the centre, in dots, on the dots of a row of cells; -1 where the
// row misses it.
int HalfWidthOnRow(const Geometry& geometry, int row) {
    int reach = -1;
    const long long radius = geometry.radius;
    for (int y = row * 4; y < row * 4 + 4; ++y) {
        const long long dy = y - geometry.centre.y;
        if (dy * dy > radius * radius) continue;
        reach = std::max(
            reach, static_cast<int>(std::sqrt(static_cast<double>(radius * radius - dy * dy))));
    }
    return reach;
}

struct Box {
    int row;
    int left;
    int right;  // one past the last cell
};

bool Overlaps(const std::vector<Box>& boxes, const Box& box) {
    // One blank cell is kept between two labels on a row.
    return std::any_of(boxes.begin(), boxes.end(), [&box](const Box& other) {
        return other.row == box.row && box.left <= other.right && other.left <= box.right;
    });
}

}  // namespace

std::vector<Slice> MakeSlices(const std::vector<Amount>& amounts) {
    Wide sum = 0;
    for (const Amount amount : amounts) sum += Magnitude(amount);
    std::vector<Slice> slices;
    slices.reserve(amounts.size());
    Wide before = 0;
    const int count = static_cast<int>(amounts.size());
    for (int i = 0; i < count; ++i) {
        const Wide magnitude = Magnitude(amounts[static_cast<std::size_t>(i)]);
        const Wide after = before + magnitude;
        Slice slice;
        slice.amount = amounts[static_cast<std::size_t>(i)];
        if (sum != 0) {
            slice.start = kFirstAngle + static_cast<int>(before * kFullCircle / sum);
            slice.end = kFirstAngle + static_cast<int>(after * kFullCircle / sum);
            slice.percent = static_cast<int>(magnitude * kPercent / sum);
        }
        slice.span = slice.end - slice.start;
        slice.middle = slice.start + slice.span / 2;
        slice.colour = SliceColour(i, count);
        slices.push_back(slice);
        before = after;
    }
    return slices;
}

std::uint32_t SliceColour(int index, int count) {
    const int at = ((index % kPaletteSize) + kPaletteSize) % kPaletteSize;
    const bool last = count > 1 && index == count - 1;
    if (last && at % kBaseColours == 0) {
        // It touches the first slice (a plain red) and follows the sixth base colour: the next
        // base differs from both.
        return kPalette[(at + 1) % kPaletteSize];
    }
    return kPalette[at];
}

bool SameBaseColour(std::uint32_t a, std::uint32_t b) {
    const int baseA = BaseOf(a);
    return baseA >= 0 ? baseA == BaseOf(b) : a == b;
}

const Dot& Geometry::PointAt(int degree) const {
    const int at = ((degree % kFullCircle) + kFullCircle) % kFullCircle;
    return points[static_cast<std::size_t>(at)];
}

Geometry MakeGeometry(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    Geometry geometry;
    const int margin = std::min(width, height) / kMarginDivisor;
    const int byHeight = (height - 2 * margin) / 2;
    const int byWidth = width / kWidthShare;
    geometry.radius = std::max(kMinRadius, std::min(byHeight, byWidth));
    geometry.centre = Dot{left + width / 2, top + height / 2};
    const double radius = geometry.radius;
    for (int d = 0; d < kFullCircle; ++d) {
        const double angle = d * std::numbers::pi / (kFullCircle / 2);
        geometry.points[static_cast<std::size_t>(d)] =
            Dot{geometry.centre.x + static_cast<int>(std::lround(radius * std::cos(angle))),
                geometry.centre.y - static_cast<int>(std::lround(radius * std::sin(angle)))};
    }
    return geometry;
}

bool Inside(const Geometry& geometry, Dot dot) {
    const long long dx = dot.x - geometry.centre.x;
    const long long dy = dot.y - geometry.centre.y;
    const long long radius = geometry.radius;
    return dx * dx + dy * dy <= radius * radius;
}

int AngleOf(const Geometry& geometry, Dot dot) {
    const int dx = dot.x - geometry.centre.x;
    const int dy = geometry.centre.y - dot.y;  // dots grow downwards, angles anticlockwise
    if (dx == 0 && dy == 0) return 0;
    double degrees =
        std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += kFullCircle;
    return std::clamp(static_cast<int>(degrees), 0, kFullCircle - 1);
}

int HitTest(const std::vector<Slice>& slices, const Geometry& geometry, Dot dot) {
    if (!Inside(geometry, dot)) return -1;
    const int angle = AngleOf(geometry, dot);
    for (std::size_t i = 0; i < slices.size(); ++i) {
        const Slice& slice = slices[i];
        if (slice.span <= 0) continue;
        const int offset = ((angle - slice.start) % kFullCircle + kFullCircle) % kFullCircle;
        if (offset < slice.span) return static_cast<int>(i);
    }
    return -1;
}

std::string LabelText(std::string_view name, Amount amount, int percent, const LabelFlags& flags) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (part.empty()) return;
        if (!text.empty()) text += ' ';
        text += part;
    };
    if (flags.name) add(std::string(name));
    if (flags.amount) add("(" + std::to_string(amount / kUnits) + ")");
    if (flags.percent) add(std::to_string(percent) + "%");
    return text;
}

std::vector<LabelPlace> PlaceLabels(const std::vector<Slice>& slices, const Geometry& geometry,
                                    const std::vector<int>& widths, const CellArea& area) {
    std::vector<LabelPlace> places;
    std::vector<Box> taken;
    const int maxDrift = std::max(kMinDrift, (area.bottom - area.top) / kDriftDivisor);
    for (std::size_t i = 0; i < slices.size() && i < widths.size(); ++i) {
        const Slice& slice = slices[i];
        if (slice.span <= 0 || widths[i] <= 0) continue;
        const Dot anchor = geometry.PointAt(slice.middle);
        // A point straight above or below the centre counts as left, one level with it as upper.
        const bool rightHalf = anchor.x > geometry.centre.x;
        const bool upperHalf = anchor.y <= geometry.centre.y;
        const int column = FloorDiv(anchor.x, 2);
        const int anchorRow = FloorDiv(anchor.y, 4);
        const int outward = upperHalf ? -1 : 1;
        // The rows to try: the one beside the anchor, then on outward, then back inward past the
        // anchor, never further than maxDrift rows from it.
        std::vector<int> rows;
        for (int drift = 1; drift <= maxDrift; ++drift) rows.push_back(anchorRow + outward * drift);
        for (int drift = 0; drift < maxDrift; ++drift) rows.push_back(anchorRow - outward * drift);
        for (const int row : rows) {
            if (row < area.top || row >= area.bottom) continue;
            // Clear of the pie on that row.
            const int reach = HalfWidthOnRow(geometry, row);
            int left = 0;
            int right = 0;
            if (rightHalf) {
                left = column + 1;
                if (reach >= 0) left = std::max(left, FloorDiv(geometry.centre.x + reach, 2) + 1);
                right = std::min(area.right, left + widths[i]);
            } else {
                right = column;
                if (reach >= 0) right = std::min(right, FloorDiv(geometry.centre.x - reach, 2));
                left = std::max(area.left, right - widths[i]);
            }
            const int width = right - left;
            if (width <= 0 || width < std::min(kMinLabelWidth, widths[i])) continue;
            const Box box{row, left, right};
            if (Overlaps(taken, box)) continue;
            taken.push_back(box);
            places.push_back(LabelPlace{static_cast<int>(i), row, left, width, !rightHalf});
            break;
        }
    }
    return places;
}

}  // namespace chart
