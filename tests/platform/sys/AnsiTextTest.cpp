// Text on its way into the data files: composed accents, the closest character, control
// characters.
#include "platform/sys/AnsiText.h"

#include <gtest/gtest.h>

namespace {

// Fault: "é" typed as e and a combining accent was stored as "e?".
TEST(AnsiText, CombiningAccentsComposeWhereTheCodePageHasTheLetter) {
    EXPECT_EQ(sys::ComposeAccents(L"Cafe\u0301 Zoe\u0308 \u00C7a c\u0327a n\u0303 s\u030C"),
              L"Caf\u00E9 Zo\u00EB \u00C7a \u00E7a \u00F1 \u0161");
    // An accent with no composed letter in the code page, or with nothing before it, stays.
    EXPECT_EQ(sys::ComposeAccents(L"g\u0301\u0301x"), L"g\u0301\u0301x");
    EXPECT_EQ(sys::ComposeAccents(L"\u0301a"), L"\u0301a");
    EXPECT_EQ(sys::FirstNonAnsi(L"Cafe\u0301"), 0);
    EXPECT_EQ(sys::FirstNonAnsi(L"\u0416uk"), L'\u0416');
    EXPECT_EQ(sys::FirstNonAnsi(L"g\u0301"), L'\u0301');
}

// Fault: every character outside Windows-1252 became "?", even where a close one exists.
TEST(AnsiText, ImportedTextBecomesTheClosestCharacter) {
    bool changed = false;
    EXPECT_EQ(sys::WideToAnsiClosest(L"Caf\u00E9 \u20AC5", changed),
              "Caf\xE9 \x80"
              "5");
    EXPECT_FALSE(changed);
    EXPECT_EQ(sys::WideToAnsiClosest(L"Cafe\u0301", changed), "Caf\xE9");
    EXPECT_TRUE(changed);  // the text was not in composed form
    changed = false;
    EXPECT_EQ(sys::WideToAnsiClosest(L"\u0141\u00F3d\u017A \u0150z\u1EBF g\u0301", changed),
              "L\xF3"
              "dz Oze g");
    EXPECT_TRUE(changed);
    changed = false;
    EXPECT_EQ(sys::WideToAnsiClosest(L"a\u2009b\u2010c \u041C\u4E2D\U0001F600", changed),
              "a b-c ???");
    EXPECT_TRUE(changed);
}

TEST(AnsiText, ControlCharactersAreNamedAndNeverShown) {
    for (const wchar_t c : {L'\0', L'\a', L'\t', L'\n', L'\r', L'\x1B', L'\x7F', L'\x85'}) {
        EXPECT_TRUE(sys::IsControlChar(c)) << static_cast<unsigned>(c);
    }
    for (const wchar_t c : {L' ', L'~', L'\u00A0', L'\u20AC'}) {
        EXPECT_FALSE(sys::IsControlChar(c)) << static_cast<unsigned>(c);
    }
    for (const char byte : {'\x1B', '\x07', '\x00', '\x7F', '\x81', '\x9D'}) {
        EXPECT_TRUE(sys::IsAnsiControl(byte)) << static_cast<unsigned>(byte);
    }
    for (const char byte : {'a', '\x80', '\x85', '\x9C', '\xA0'}) {
        EXPECT_FALSE(sys::IsAnsiControl(byte)) << static_cast<unsigned>(byte);
    }
    EXPECT_EQ(sys::WithoutControls(L"\x1B[2J\x07ok\n"), L"\uFFFD[2J\uFFFDok\uFFFD");
}

}  // namespace
