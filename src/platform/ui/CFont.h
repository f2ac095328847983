#pragma once

#include <string>

// Fonts as far as a terminal has them: a face name and a height are kept for the callers that ask,
// but only the weight (bold from semi-bold up) and underlining change what is drawn.
//
// Fonts are interned: creating the same font twice gives the same object, which lives until the
// process ends, so a font handle never dangles and "deleting" one is not needed.
namespace ui {

constexpr int FW_LIGHT = 300;
constexpr int FW_NORMAL = 400;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;

struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfWeight = FW_NORMAL;
    bool lfItalic = false;
    bool lfUnderline = false;
    std::wstring lfFaceName;
};

class CFont {
public:
    // The interned font for a description.
    static const CFont* Create(const LOGFONT& description);
    // The font controls use when none was set.
    static const CFont* Default();

    const LOGFONT& Description() const { return m_description; }
    bool IsBold() const { return m_description.lfWeight >= FW_SEMIBOLD; }
    bool IsUnderlined() const { return m_description.lfUnderline; }

    explicit CFont(const LOGFONT& description) : m_description(description) {}

private:
    LOGFONT m_description;
};

using HFONT = const CFont*;

}  // namespace ui
