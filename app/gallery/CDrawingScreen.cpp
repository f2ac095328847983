#include "CDrawingScreen.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/ui/CCellSurface.h"
#include "resources/IconGlyphs.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace {

constexpr int kChartTop = 3;
constexpr int kGlyphRows = 3;      // icons and state glyphs below the chart
constexpr int kSpokes = 12;
constexpr int kCirclePoints = 72;
constexpr double kTurn = 6.283185307179586;
constexpr ui::COLORREF kCurveColor = ui::RGB(0, 128, 0);
constexpr ui::COLORREF kCircleColor = ui::RGB(255, 0, 0);
constexpr ui::COLORREF kSpokeColor = ui::RGB(0, 0, 255);

}  // namespace

// "Done" and "Back" go to the gallery's loop.
bool CDrawingScreen::Command(int) { return false; }

void CDrawingScreen::Paint(ui::CDeviceContext& dc, const ui::RECT& client) {
    CCVUIUtility& utility = CCVUIUtility::Instance();
    utility.DrawHeading(dc, std::wstring(res::LoadString(res::IDS_GALLERY_CHART)));

    const int chartRows = std::max(2, client.bottom - kChartTop - kGlyphRows);
    const int dotsWide = client.right * ui::kDotsPerCellX;
    const int dotsHigh = chartRows * ui::kDotsPerCellY;
    const int top = kChartTop * ui::kDotsPerCellY;

    // A curve over the left half.
    const int half = dotsWide / 2;
    std::vector<ui::POINT> curve;
    for (int x = 0; x < half; ++x) {
        const double y = std::sin(kTurn * x / std::max(1, half)) * (dotsHigh / 2 - 1);
        curve.push_back(ui::POINT{x, top + dotsHigh / 2 - static_cast<int>(std::lround(y))});
    }
    dc.SelectPen(ui::LOGPEN{ui::PS_SOLID, 1, kCurveColor});
    dc.Polyline(curve.data(), static_cast<int>(curve.size()));

    // A circle with spokes over the right half, like the slices of a pie chart.
    const int radius = std::max(2, std::min(half / 2, dotsHigh / 2) - 1);
    const ui::POINT centre{half + half / 2, top + dotsHigh / 2};
    std::vector<ui::POINT> circle;
    for (int i = 0; i <= kCirclePoints; ++i) {
        const double angle = kTurn * i / kCirclePoints;
        circle.push_back(ui::POINT{centre.x + static_cast<int>(std::lround(radius * std::cos(angle))),
                                   centre.y - static_cast<int>(std::lround(radius * std::sin(angle)))});
    }
    dc.SelectPen(ui::LOGPEN{ui::PS_SOLID, 1, kSpokeColor});
    for (int i = 0; i < kSpokes; ++i) {
        const ui::POINT& rim = circle[static_cast<std::size_t>(i * kCirclePoints / kSpokes)];
        dc.MoveTo(centre.x, centre.y);
        dc.LineTo(rim.x, rim.y);
    }
    dc.SelectPen(ui::LOGPEN{ui::PS_SOLID, 1, kCircleColor});
    dc.Polyline(circle.data(), static_cast<int>(circle.size()));

    // Icons and state glyphs.
    const int iconRow = kChartTop + chartRows + 1;
    for (int i = 0; i < res::IconCount() && i < client.right; ++i) {
        utility.DrawIcon(i % res::kIconSetCount, i, dc, i, iconRow);
    }
    for (int i = 0; i < res::kStateGlyphCount && 2 * i < client.right; ++i) {
        utility.DrawStateGlyph(i, dc, ui::RECT{2 * i, iconRow + 1, 2 * i + 1, iconRow + 2});
    }
}
