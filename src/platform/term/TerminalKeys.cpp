#include "platform/term/TerminalKeys.h"

#include <curses.h>

#include <iterator>

#include "platform/ui/KeyMessages.h"

namespace term {
namespace {

constexpr unsigned kFirstPrintable = 32;

struct KeyPair {
    unsigned code;
    unsigned vk;
};

// Keys curses reports as function keys (status KEY_CODE_YES).
constexpr KeyPair kFunctionKeys[] = {
    {static_cast<unsigned>(KEY_F(1)), ui::VK_TSOFT1},
    {static_cast<unsigned>(KEY_F(2)), ui::VK_TSOFT2},
    {static_cast<unsigned>(KEY_F(3)), ui::VK_HELP_KEY},
    {KEY_UP, ui::VK_UP},
    {KEY_DOWN, ui::VK_DOWN},
    {KEY_LEFT, ui::VK_LEFT},
    {KEY_RIGHT, ui::VK_RIGHT},
    {KEY_BTAB, ui::VK_UP},
    {KEY_ENTER, ui::VK_RETURN},
    {KEY_BACKSPACE, ui::VK_BACK},
    {KEY_DC, ui::VK_DELETE},
    {KEY_HOME, ui::VK_HOME},
    {KEY_END, ui::VK_END},
    {KEY_FIND, ui::VK_HOME},  // what some descriptions call the keys that send ESC [1~ and [4~
    {KEY_SELECT, ui::VK_END},
    {KEY_PPAGE, ui::VK_PRIOR},
    {KEY_NPAGE, ui::VK_NEXT},
};

// Control characters as raw mode delivers them. Ctrl+L, Ctrl+R and Ctrl+G stand in for F1, F2
// and F3: terminal emulators and tmux pass them through, and nothing is typed with them.
constexpr KeyPair kControlKeys[] = {
    {0x0C, ui::VK_TSOFT1},    // Ctrl+L
    {0x12, ui::VK_TSOFT2},    // Ctrl+R
    {0x07, ui::VK_HELP_KEY},  // Ctrl+G
    {'\t', ui::VK_DOWN},      // Tab: the next field
    {'\r', ui::VK_RETURN},    // Enter (raw mode without translation)
    {'\n', ui::VK_RETURN},    // Ctrl+J
    {0x1B, ui::VK_TBACK},     // Escape
    // Backspace erases in a field and is not the Back key: held down to empty a field, it must
    // not go on to leave the screen (and, on the summary, the program) dropping what was entered.
    {0x7F, ui::VK_BACK},      // Backspace, as most terminals send it
    {0x08, ui::VK_BACK},      // Backspace as Ctrl+H
};

// Sequences for keys whose terminal description may lack them: the VT220 and xterm forms of
// F1-F3, the Linux console's, Home and End in either cursor mode, Delete, Page Up and Down, and
// Shift+Tab.
struct KeySequence {
    const char* text;
    int code;
};

// clang-format off
constexpr KeySequence kExtraSequences[] = {
    {"\033OP", KEY_F(1)},   {"\033OQ", KEY_F(2)},    {"\033OR", KEY_F(3)},    // xterm
    {"\033[11~", KEY_F(1)}, {"\033[12~", KEY_F(2)},  {"\033[13~", KEY_F(3)},  // VT220, rxvt
    {"\033[[A", KEY_F(1)},  {"\033[[B", KEY_F(2)},   {"\033[[C", KEY_F(3)},   // Linux console
    {"\033[H", KEY_HOME},   {"\033[F", KEY_END},                            // xterm, normal
    {"\033OH", KEY_HOME},   {"\033OF", KEY_END},                            // and application
    {"\033[1~", KEY_HOME},  {"\033[4~", KEY_END},                           // VT220, tmux
    {"\033[7~", KEY_HOME},  {"\033[8~", KEY_END},                           // rxvt
    {"\033[3~", KEY_DC},    {"\033[5~", KEY_PPAGE},  {"\033[6~", KEY_NPAGE},
    {"\033[Z", KEY_BTAB},
};
// clang-format on

bool Find(const KeyPair* begin, const KeyPair* end, unsigned code, ui::InputEvent& event) {
    for (const KeyPair* pair = begin; pair != end; ++pair) {
        if (pair->code == code) {
            event.vk = pair->vk;
            return true;
        }
    }
    return false;
}

}  // namespace

bool TranslateKey(int status, unsigned key, ui::InputEvent& event) {
    event = ui::InputEvent{};
    if (status == KEY_CODE_YES) {
        return Find(std::begin(kFunctionKeys), std::end(kFunctionKeys), key, event);
    }
    if (status != OK) return false;
    if (Find(std::begin(kControlKeys), std::end(kControlKeys), key, event)) return true;
    if (key < kFirstPrintable) return false;
    event.ch = static_cast<wchar_t>(key);
    event.vk = ui::VirtualKeyForChar(event.ch);
    return true;
}

void DefineExtraKeySequences() {
    for (const KeySequence& sequence : kExtraSequences) {
        if (key_defined(sequence.text) == 0) define_key(sequence.text, sequence.code);
    }
}

}  // namespace term
