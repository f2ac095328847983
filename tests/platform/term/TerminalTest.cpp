#include <gtest/gtest.h>

#include <curses.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/term/TerminalColors.h"
#include "platform/term/TerminalKeys.h"

namespace {

using namespace ui;

unsigned Translated(int status, unsigned key) {
    InputEvent event;
    return term::TranslateKey(status, key, event) ? event.vk : 0;
}

TEST(TerminalKeys, HandheldKeysFromTheKeyboard) {
    InputEvent event;
    // Escape is the Back key; Backspace, whichever code the terminal sends, is the key that
    // erases (never the Back key).
    EXPECT_EQ(Translated(OK, 27u), VK_TBACK);
    for (unsigned back : {127u, 8u}) EXPECT_EQ(Translated(OK, back), VK_BACK) << back;
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_BACKSPACE), VK_BACK);
    EXPECT_EQ(Translated(OK, '\r'), VK_RETURN);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_ENTER), VK_RETURN);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_DC), VK_DELETE);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_HOME), VK_HOME);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_END), VK_END);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_PPAGE), VK_PRIOR);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_NPAGE), VK_NEXT);
    // Tab and Shift+Tab move between fields as down and up do.
    EXPECT_EQ(Translated(OK, '\t'), VK_DOWN);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_BTAB), VK_UP);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_UP), VK_UP);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_LEFT), VK_LEFT);
    EXPECT_FALSE(term::TranslateKey(OK, 1, event));  // other control characters do nothing
    EXPECT_FALSE(term::TranslateKey(OK, 0x13, event));
    EXPECT_FALSE(term::TranslateKey(KEY_CODE_YES, KEY_F(12), event));
    EXPECT_FALSE(term::TranslateKey(ERR, 'a', event));
}

TEST(TerminalKeys, ControlKeysStandInForTheFunctionKeys) {
    // Ctrl+L, Ctrl+R and Ctrl+G as raw mode delivers them: 0x0C, 0x12 and 0x07.
    EXPECT_EQ(Translated(OK, 0x0C), VK_TSOFT1);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_F(1)), VK_TSOFT1);
    EXPECT_EQ(Translated(OK, 0x12), VK_TSOFT2);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_F(2)), VK_TSOFT2);
    EXPECT_EQ(Translated(OK, 0x07), VK_HELP_KEY);
    EXPECT_EQ(Translated(KEY_CODE_YES, KEY_F(3)), VK_HELP_KEY);
    // The letters themselves still type, whatever their case.
    for (unsigned letter : {'l', 'L', 'r', 'R', 'g', 'G'}) {
        InputEvent event;
        ASSERT_TRUE(term::TranslateKey(OK, letter, event));
        EXPECT_EQ(event.ch, static_cast<wchar_t>(letter));
        EXPECT_EQ(event.vk, letter & ~0x20u);  // the upper-case letter's key
    }
}

TEST(TerminalKeys, PrintableCharactersType) {
    InputEvent event;
    ASSERT_TRUE(term::TranslateKey(OK, L'é', event));
    EXPECT_EQ(event.vk, VK_PACKET);
    EXPECT_EQ(event.ch, L'é');
    ASSERT_TRUE(term::TranslateKey(OK, '7', event));
    EXPECT_EQ(event.vk, static_cast<unsigned>('7'));
    EXPECT_EQ(event.ch, L'7');
    ASSERT_TRUE(term::TranslateKey(OK, ' ', event));
    EXPECT_EQ(event.vk, VK_SPACE);
    ASSERT_TRUE(term::TranslateKey(OK, L'€', event));
    EXPECT_EQ(event.ch, L'€');
}

// A curses screen reading from a pipe, for what the keyboard sends.
class PipeTerminal {
  public:
    explicit PipeTerminal(const char* type) {
        if (pipe(m_fds) != 0) return;
        m_in = fdopen(m_fds[0], "r");
        m_out = std::fopen("/dev/null", "w");
        if (m_in == nullptr || m_out == nullptr) return;
        m_screen = newterm(type, m_out, m_in);
        if (m_screen == nullptr) return;
        raw();
        noecho();
        keypad(stdscr, TRUE);
    }
    ~PipeTerminal() {
        if (m_screen != nullptr) {
            endwin();
            delscreen(m_screen);
        }
        if (m_in != nullptr) std::fclose(m_in);
        if (m_out != nullptr) std::fclose(m_out);
        close(m_fds[1]);
    }
    bool IsOpen() const { return m_screen != nullptr; }
    // The key that the bytes `sent` read as, translated; 0 for none.
    unsigned Read(const std::string& sent) {
        if (write(m_fds[1], sent.data(), sent.size()) != static_cast<ssize_t>(sent.size()))
            return 0;
        wint_t key = 0;
        const int status = wget_wch(stdscr, &key);
        return Translated(status, static_cast<unsigned>(key));
    }

  private:
    int m_fds[2] = {-1, -1};
    FILE* m_in = nullptr;
    FILE* m_out = nullptr;
    SCREEN* m_screen = nullptr;
};

TEST(TerminalKeys, SequencesTheTerminalDescriptionLacksStillReadAsKeys) {
    // The VT100's description knows F1-F3 (ESC O P..R) but not Home, End, Delete, Page Up and
    // Down or Shift+Tab as today's emulators send them.
    PipeTerminal terminal("vt100");
    ASSERT_TRUE(terminal.IsOpen());
    term::DefineExtraKeySequences();
    EXPECT_EQ(terminal.Read("\033OP"), VK_TSOFT1);
    EXPECT_EQ(terminal.Read("\033[[B"), VK_TSOFT2);  // the Linux console's F2
    EXPECT_EQ(terminal.Read("\033[13~"), VK_HELP_KEY);
    EXPECT_EQ(terminal.Read("\033[H"), VK_HOME);
    EXPECT_EQ(terminal.Read("\033[4~"), VK_END);
    EXPECT_EQ(terminal.Read("\033[3~"), VK_DELETE);
    EXPECT_EQ(terminal.Read("\033[6~"), VK_NEXT);
    EXPECT_EQ(terminal.Read("\033[Z"), VK_UP);
    EXPECT_EQ(terminal.Read("\x0C"), VK_TSOFT1);
    EXPECT_EQ(terminal.Read("x"), static_cast<unsigned>('X'));
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
