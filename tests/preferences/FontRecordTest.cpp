// The 72-byte font record: its bytes, the style a terminal can show, and what is kept untouched.
#include "preferences/CFontRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(FontRecordTest, BytesOfARecordAndBack) {
    CFontRecord font;
    font.face = std::u16string(6, u'x');
    font.face.replace(0, 6, u"Tahoma", 6);
    font.pointSize = 10;
    font.styleBits = CFontRecord::kBoldBit | CFontRecord::kItalicBit;
    const CCVPreferences::FontRecord bytes = font.Encode();
    EXPECT_EQ(bytes[0], 'T');
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[10], 'a');
    EXPECT_EQ(bytes[12], 0) << "the face is zero-filled";
    EXPECT_EQ(bytes[64], 10);
    EXPECT_EQ(bytes[65], 0);
    EXPECT_EQ(bytes[68], 3);
    EXPECT_EQ(bytes[71], 0);
    EXPECT_EQ(CFontRecord::Decode(bytes), font);

    // The record of a new key is the screen's own font.
    const CFontRecord zero = CFontRecord::Decode(CCVPreferences::FontRecord{});
    EXPECT_TRUE(zero.face.empty());
    EXPECT_EQ(zero.pointSize, 0);
    EXPECT_EQ(zero.GetStyle(), CFontRecord::kNormal);

    // A face of 32 units fills its field without a terminator; a longer one is cut there.
    font.face = std::u16string(40, u'x');
    EXPECT_EQ(CFontRecord::Decode(font.Encode()).face, std::u16string(32, u'x'));
    // Negative sizes and unknown bits from elsewhere.
    CCVPreferences::FontRecord odd{};
    odd[64] = 0xF6;
    odd[65] = odd[66] = odd[67] = 0xFF;
    odd[68] = 0xF4;
    const CFontRecord read = CFontRecord::Decode(odd);
    EXPECT_EQ(read.pointSize, -10);
    EXPECT_EQ(read.styleBits, CFontRecord::kUnderlineBit);
}

TEST(FontRecordTest, TheStyleChangesOnlyBoldAndUnderline) {
    CFontRecord font;
    font.styleBits = CFontRecord::kItalicBit | CFontRecord::kUnderlineBit;
    EXPECT_EQ(font.GetStyle(), CFontRecord::kUnderlined);
    font.SetStyle(CFontRecord::kBold);
    EXPECT_EQ(font.styleBits, CFontRecord::kItalicBit | CFontRecord::kBoldBit);
    EXPECT_EQ(font.GetStyle(), CFontRecord::kBold);
    font.SetStyle(CFontRecord::kNormal);
    EXPECT_EQ(font.styleBits, CFontRecord::kItalicBit);
    font.styleBits |= CFontRecord::kBoldBit | CFontRecord::kUnderlineBit;
    EXPECT_EQ(font.GetStyle(), CFontRecord::kBold) << "bold wins";
}

}  // namespace
