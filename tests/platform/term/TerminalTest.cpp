#include <gtest/gtest.h>

#include <curses.h>

#include "platform/term/TerminalColors.h"
#include "platform/term/TerminalKeys.h"

namespace {

using namespace ui;

TEST(TerminalKeys, HandheldKeysFromTheKeyboard) {
    InputEvent event;
    ASSERT_TRUE(term::TranslateKey(KEY_CODE_YES, KEY_F(1), event));
    EXPECT_EQ(event.vk, VK_TSOFT1);
    ASSERT_TRUE(term::TranslateKey(KEY_CODE_YES, KEY_F(2), event));
    EXPECT_EQ(event.vk, VK_TSOFT2);
    ASSERT_TRUE(term::TranslateKey(KEY_CODE_YES, KEY_F(3), event));
    EXPECT_EQ(event.vk, VK_HELP_KEY);
    // Escape and Backspace, whichever code the terminal sends, are the Back key.
    for (unsigned back : {27u, 127u, 8u}) {
        ASSERT_TRUE(term::TranslateKey(OK, back, event));
        EXPECT_EQ(event.vk, VK_TBACK);
    }
    ASSERT_TRUE(term::TranslateKey(KEY_CODE_YES, KEY_BACKSPACE, event));
    EXPECT_EQ(event.vk, VK_TBACK);
    ASSERT_TRUE(term::TranslateKey(OK, '\r', event));
    EXPECT_EQ(event.vk, VK_RETURN);
    ASSERT_TRUE(term::TranslateKey(OK, L'é', event));
    EXPECT_EQ(event.vk, VK_PACKET);
    EXPECT_EQ(event.ch, L'é');
    ASSERT_TRUE(term::TranslateKey(OK, '7', event));
    EXPECT_EQ(event.vk, static_cast<unsigned>('7'));
    EXPECT_FALSE(term::TranslateKey(OK, 1, event));  // control characters do nothing
    EXPECT_FALSE(term::TranslateKey(KEY_CODE_YES, KEY_F(12), event));
}

TEST(TerminalColors, NearestColourOfWhatTheTerminalHas) {
    EXPECT_EQ(term::TerminalColor(RGB(255, 0, 0), term::kDirectColors), 0xFF0000);
    EXPECT_EQ(term::TerminalColor(RGB(255, 255, 255), 256), 231);
    EXPECT_EQ(term::TerminalColor(RGB(0, 0, 0), 256), 16);
    EXPECT_EQ(term::TerminalColor(RGB(128, 128, 128), 256), 244);  // from the grey ramp
    EXPECT_EQ(term::TerminalColor(RGB(255, 0, 0), 256), 196);
    EXPECT_EQ(term::TerminalColor(RGB(255, 0, 0), 16), 9);
    EXPECT_EQ(term::TerminalColor(RGB(255, 0, 0), 8), 1);
    EXPECT_EQ(term::TerminalColor(RGB(255, 255, 255), 8), 7);
    EXPECT_EQ(term::TerminalColor(RGB(0, 0, 128), 8), 4);
}

}  // namespace
