#include "platform/sys/CodePage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, CurrencySymbolsAreSingleBytes) {
    // Pound, euro and yen as they stand in stored files.
    EXPECT_EQ(sys::WideToAnsi(L"\u00A3\u20AC\u00A5"), "\xA3\x80\xA5");
    EXPECT_EQ(sys::AnsiToWide("\xA3\x80\xA5"), L"\u00A3\u20AC\u00A5");
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(sys::WideToAnsi(sys::AnsiToWide(all)), all);
    EXPECT_EQ(sys::Utf8ToAnsi(sys::AnsiToUtf8(all)), all);
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(sys::WideToAnsi(L"\u0416x\u4E2D\U0001F600"), "?x??");
    EXPECT_EQ(sys::Utf8ToAnsi("caf\xC3\xA9 \xD0\x96"), "caf\xE9 ?");
    // Which characters it holds: the euro and the others of 80-9F, Latin-1 up to FF, no more.
    for (wchar_t held : {L'?', L'\u20AC', L'\u0178', L'\u017E', L'\u00A0', L'\u00FF', L'\u0081'}) {
        EXPECT_TRUE(sys::IsAnsiChar(held)) << static_cast<unsigned>(held);
    }
    for (wchar_t lacking : {L'\u0080', L'\u009F', L'\u0100', L'\u0141', L'\u4E2D', L'\U0001F600'}) {
        EXPECT_FALSE(sys::IsAnsiChar(lacking)) << static_cast<unsigned>(lacking);
    }
}

TEST(CodePage, Utf8RoundTripAndIllFormedInput) {
    const std::wstring text = L"a\u00E9\u20AC\U0001F600";
    EXPECT_EQ(sys::Utf8ToWide(sys::WideToUtf8(text)), text);
    EXPECT_EQ(sys::WideToUtf8(L"\u20AC"), "\xE2\x82\xAC");
    // A lone continuation byte, a truncated sequence, an overlong form and an encoded surrogate.
    EXPECT_EQ(sys::Utf8ToWide("\x80"), L"\uFFFD");
    EXPECT_EQ(sys::Utf8ToWide("a\xE2\x82"), L"a\uFFFD\uFFFD");
    EXPECT_EQ(sys::Utf8ToWide("\xC0\xAF"), L"\uFFFD\uFFFD");
    EXPECT_EQ(sys::Utf8ToWide("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");
}

}  // namespace
