#include "platform/ui/CFont.h"

#include <list>
#include <mutex>

namespace ui {
namespace {

bool SameFont(const LOGFONT& a, const LOGFONT& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfWeight == b.lfWeight &&
           a.lfItalic == b.lfItalic && a.lfUnderline == b.lfUnderline &&
           a.lfFaceName == b.lfFaceName;
}

}  // namespace

const CFont* CFont::Create(const LOGFONT& description) {
    static std::mutex mutex;
    static std::list<CFont> fonts;  // a list keeps every font at its address
    std::lock_guard lock(mutex);
    for (const CFont& font : fonts) {
        if (SameFont(font.m_description, description)) return &font;
    }
    return &fonts.emplace_back(description);
}

const CFont* CFont::Default() {
    static const CFont* font = Create(LOGFONT{});
    return font;
}

}  // namespace ui
