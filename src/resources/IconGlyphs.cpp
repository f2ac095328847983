#include "resources/IconGlyphs.h"

#include <iterator>

namespace res {
namespace {

// Account and category icons: common symbols that terminals draw one cell wide.
constexpr wchar_t kIcons[] = {
    L'$', L'¤', L'£', L'€', L'¥', L'♦', L'♣', L'♠', L'♥', L'★', L'☆', L'●', L'○', L'■',
    L'□', L'▲', L'△', L'▼', L'◆', L'◇', L'♪', L'☼', L'☂', L'☎', L'✉', L'✈', L'⌂', L'♨',
    L'♫', L'✂', L'✎', L'⚑', L'⚙', L'⚒', L'☺', L'♀', L'♂', L'✚', L'∑', L'%',
};

// By state number: 1 uncleared, 2 cleared, 4 reconciled, 5 void, 6 awaiting review.
constexpr wchar_t kStateGlyphs[kStateGlyphCount] = {
    L' ', L'·', L'✓', L'?', L'R', L'V', L'↓', L'!', L'*', L'+', L'-', L'×', L'○', L'●', L'◌', L'◎',
};

constexpr std::wstring_view kAnimation[kAnimationFrameCount] = {
    L"[>       ]", L"[=>      ]", L"[==>     ]", L"[===>    ]",
    L"[====>   ]", L"[=====>  ]", L"[======> ]", L"[=======>]",
};

}  // namespace

int IconCount() { return static_cast<int>(std::size(kIcons)); }

wchar_t IconGlyph(int set, int n) {
    if (set < 0 || set >= kIconSetCount || n < 0 || n >= IconCount()) return L' ';
    return kIcons[n];
}

wchar_t StateGlyph(int n) {
    if (n < 0 || n >= kStateGlyphCount) return L' ';
    return kStateGlyphs[n];
}

std::wstring_view AnimationFrame(int n) {
    if (n < 0 || n >= kAnimationFrameCount) return {};
    return kAnimation[n];
}

}  // namespace res
