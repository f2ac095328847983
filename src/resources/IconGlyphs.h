#pragma once

#include <string_view>

// Icon glyphs: the terminal's stand-in for the icon bitmaps. Each icon is one character cell.
//
// Icons come in three sets, by the sizes of the handheld (0 small, 1 medium, 2 large); a terminal
// has one size, so the sets share their glyphs and differ only in name. State glyphs mark a
// transaction's state in the register (1 uncleared, 2 cleared, 4 reconciled, 5 void, 6 awaiting
// review). The download animation has eight frames of equal width.
namespace res {

constexpr int kIconSetCount = 3;
constexpr int kStateGlyphCount = 16;
constexpr int kAnimationFrameCount = 8;

// The number of icons in every set.
int IconCount();

// Icon n of a set; a blank for a set or number out of range.
wchar_t IconGlyph(int set, int n);

// State glyph n; a blank for a number out of range.
wchar_t StateGlyph(int n);

// Frame n (0-7) of the download animation; the empty text out of range.
std::wstring_view AnimationFrame(int n);

}  // namespace res
