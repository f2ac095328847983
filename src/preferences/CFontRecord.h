#pragma once

#include <cstdint>
#include <string>

#include "preferences/CCVPreferences.h"

// The font records of the preferences ("Default Font", an account's "Font", "Report Font" and
// "Budget Font"), 72 bytes, little-endian:
//
//   offset  size  field
//   0       64    face name: 32 UTF-16 code units, zero-filled (empty: the screen's own face)
//   64      4     point size (signed; 0: the screen's own size)
//   68      4     style bits: 1 bold, 2 italic, 4 underlined, 8 struck out; the others zero
//
// 72 zero bytes, the record a new key gets, is the screen's own font. A terminal draws a font
// normal, bold or underlined, so the font chooser offers those three styles; the face and size
// are kept as they were.
struct CFontRecord {
    enum Style : int { kNormal, kBold, kUnderlined, kStyleCount };
    enum StyleBits : std::uint32_t {
        kBoldBit = 1,
        kItalicBit = 2,
        kUnderlineBit = 4,
        kStrikeOutBit = 8,
    };

    std::u16string face;
    std::int32_t pointSize = 0;
    std::uint32_t styleBits = 0;

    static CFontRecord Decode(const CCVPreferences::FontRecord& bytes);
    CCVPreferences::FontRecord Encode() const;

    // Bold wins when both bits are set.
    Style GetStyle() const;
    void SetStyle(Style style);

    bool operator==(const CFontRecord&) const = default;
};
