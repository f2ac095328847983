#include "preferences/CFontRecord.h"

namespace {

constexpr std::size_t kFaceUnits = 32;
constexpr std::size_t kSizeOffset = 64;
constexpr std::size_t kStyleOffset = 68;
constexpr std::uint32_t kKnownBits = CFontRecord::kBoldBit | CFontRecord::kItalicBit |
                                     CFontRecord::kUnderlineBit | CFontRecord::kStrikeOutBit;

std::uint32_t Read32(const CCVPreferences::FontRecord& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void Write32(CCVPreferences::FontRecord& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

CFontRecord CFontRecord::Decode(const CCVPreferences::FontRecord& bytes) {
    CFontRecord record;
    for (std::size_t i = 0; i < kFaceUnits; ++i) {
        const auto unit = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        if (unit == 0) break;
        record.face += unit;
    }
    record.pointSize = static_cast<std::int32_t>(Read32(bytes, kSizeOffset));
    record.styleBits = Read32(bytes, kStyleOffset) & kKnownBits;
    return record;
}

CCVPreferences::FontRecord CFontRecord::Encode() const {
    CCVPreferences::FontRecord bytes{};
    for (std::size_t i = 0; i < face.size() && i < kFaceUnits; ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(face[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(face[i] >> 8);
    }
    Write32(bytes, kSizeOffset, static_cast<std::uint32_t>(pointSize));
    Write32(bytes, kStyleOffset, styleBits & kKnownBits);
    return bytes;
}

CFontRecord::Style CFontRecord::GetStyle() const {
    if ((styleBits & kBoldBit) != 0) return kBold;
    if ((styleBits & kUnderlineBit) != 0) return kUnderlined;
    return kNormal;
}

void CFontRecord::SetStyle(Style style) {
    styleBits &= ~(kBoldBit | kUnderlineBit);
    if (style == kBold) styleBits |= kBoldBit;
    if (style == kUnderlined) styleBits |= kUnderlineBit;
}
