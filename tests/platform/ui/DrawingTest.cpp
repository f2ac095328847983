#include <gtest/gtest.h>

#include "platform/ui/CDeviceContext.h"

namespace {

using namespace ui;

TEST(DotLayer, PolylineGivesTheExpectedBrailleCells) {
    CCellSurface surface(4, 2);
    CDeviceContext dc(surface, surface.Bounds(), POINT{0, 0});
    dc.SelectPen(LOGPEN{PS_SOLID, 1, RGB(255, 0, 0)});
    const POINT corner[] = {{0, 0}, {7, 0}, {7, 7}};
    dc.Polyline(corner, 3);
    EXPECT_EQ(surface.LineText(0), L"⠉⠉⠉⢹");
    EXPECT_EQ(surface.LineText(1), L"   ⢸");
    EXPECT_EQ(surface.At(3, 1)->fg, RGB(255, 0, 0));

    CCellSurface diagonal(2, 1);
    CDeviceContext dots(diagonal, diagonal.Bounds(), POINT{0, 0});
    dots.MoveTo(0, 0);
    dots.LineTo(3, 3);
    EXPECT_EQ(diagonal.LineText(0), L"⠑⢄");

    // Text drawn over dots replaces them; a null pen draws nothing.
    dc.TextOut(0, 1, L"ab");
    EXPECT_EQ(surface.LineText(1), L"ab ⢸");
    dots.SelectPen(LOGPEN{PS_NULL, 1, 0});
    dots.LineTo(0, 0);
    EXPECT_EQ(diagonal.LineText(0), L"⠑⢄");
}

// Fault: control characters of stored text reached the terminal's cells as they were, so a
// payee could carry an escape sequence to the terminal.
TEST(Text, ControlCharactersAreShownNotSent) {
    CCellSurface surface(9, 1);
    CDeviceContext dc(surface, surface.Bounds(), POINT{0, 0});
    dc.TextOut(0, 0, std::wstring(L"\x1B[2J\x07\x7F\x9B\0x", 9));
    EXPECT_EQ(surface.LineText(0), L"\uFFFD[2J\uFFFD\uFFFD\uFFFD\uFFFDx");
    // Tabs and line ends stay blanks, as before.
    dc.TextOut(0, 0, L"a\tb\nc");
    EXPECT_EQ(surface.LineText(0).substr(0, 5), L"a b c");
}

TEST(DotLayer, WidePensAndClippingStayInsideTheContext) {
    CCellSurface surface(6, 2);
    // A context for the middle two cells of the top row, as for a child window there.
    CDeviceContext dc(surface, RECT{2, 0, 4, 1}, POINT{2, 0});
    dc.SelectPen(LOGPEN{PS_SOLID, 3, RGB(0, 0, 255)});
    dc.MoveTo(-10, 1);
    dc.LineTo(20, 1);
    EXPECT_EQ(surface.LineText(0), L"  ⠿⠿  ");
    EXPECT_EQ(surface.LineText(1), L"      ");
}

TEST(Text, FitTextCutsWithAnEllipsisToTheWidth) {
    EXPECT_EQ(FitTextToWidth(L"Household Expens", 8), L"House...");
    EXPECT_EQ(FitTextToWidth(L"Household", 9), L"Household");
    EXPECT_EQ(FitTextToWidth(L"Household", 4), L"H...");
    EXPECT_EQ(FitTextToWidth(L"Household", 3), L"...");
    EXPECT_EQ(FitTextToWidth(L"Household", 2), L"..");
    EXPECT_EQ(FitTextToWidth(L"Household", 0), L"");
    EXPECT_EQ(FitTextToWidth(L"", 0), L"");
}

TEST(Text, DrawTextAlignsFitsAndWraps) {
    CCellSurface surface(10, 3);
    CDeviceContext dc(surface, surface.Bounds(), POINT{0, 0});
    RECT right{0, 0, 10, 1};
    dc.DrawText(L"12.34", right, DT_RIGHT | DT_SINGLELINE);
    RECT centred{0, 1, 10, 2};
    dc.DrawText(L"ab", centred, DT_CENTER | DT_SINGLELINE);
    RECT cut{0, 2, 6, 3};
    dc.DrawText(L"Groceries", cut, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(surface.Lines(), (std::vector<std::wstring>{L"     12.34", L"    ab    ",
                                                            L"Gro...    "}));
    EXPECT_EQ(WrapText(L"one two three", 7), (std::vector<std::wstring>{L"one two", L"three"}));
    EXPECT_EQ(WrapText(L"abcdefgh", 3), (std::vector<std::wstring>{L"abc", L"def", L"gh"}));

    RECT measured{0, 0, 0, 0};
    dc.DrawText(L"ab\nlonger", measured, DT_CALCRECT);
    EXPECT_EQ(measured, (RECT{0, 0, 6, 2}));
}

TEST(Text, FramesFillsAndFontsSetCells) {
    CCellSurface surface(4, 3);
    CDeviceContext dc(surface, surface.Bounds(), POINT{0, 0});
    dc.FillRect(RECT{0, 0, 4, 3}, RGB(0, 128, 0));
    dc.FrameRect(RECT{0, 0, 4, 3}, RGB(0, 0, 0));
    EXPECT_EQ(surface.Lines(), (std::vector<std::wstring>{L"┌──┐", L"│  │", L"└──┘"}));
    EXPECT_EQ(surface.At(1, 1)->bg, RGB(0, 128, 0));
    dc.SelectFont(CFont::Create(LOGFONT{16, 8, FW_SEMIBOLD, false, false, L"Times New Roman"}));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(1, 1, L"x");
    EXPECT_EQ(surface.At(1, 1)->attr & kAttrBold, kAttrBold);
    EXPECT_EQ(surface.At(1, 1)->bg, RGB(0, 128, 0));  // transparent: the fill stays
    EXPECT_EQ(CFont::Create(LOGFONT{16, 8, FW_SEMIBOLD, false, false, L"Times New Roman"}),
              CFont::Create(LOGFONT{16, 8, FW_SEMIBOLD, false, false, L"Times New Roman"}));
}

}  // namespace
