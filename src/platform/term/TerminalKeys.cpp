#include "platform/term/TerminalKeys.h"

#include <curses.h>

#include "platform/ui/KeyMessages.h"

namespace term {
namespace {

constexpr unsigned kEscape = 27;
constexpr unsigned kDeleteChar = 127;
constexpr unsigned kControlH = 8;
constexpr unsigned kFirstPrintable = 32;

struct KeyPair {
    unsigned curses;
    unsigned vk;
};

constexpr KeyPair kFunctionKeys[] = {
    {static_cast<unsigned>(KEY_F(1)), ui::VK_TSOFT1},
    {static_cast<unsigned>(KEY_F(2)), ui::VK_TSOFT2},
    {static_cast<unsigned>(KEY_F(3)), ui::VK_HELP_KEY},
    {KEY_UP, ui::VK_UP},
    {KEY_DOWN, ui::VK_DOWN},
    {KEY_LEFT, ui::VK_LEFT},
    {KEY_RIGHT, ui::VK_RIGHT},
    {KEY_ENTER, ui::VK_RETURN},
    {KEY_BACKSPACE, ui::VK_TBACK},
    {KEY_DC, ui::VK_DELETE},
    {KEY_HOME, ui::VK_HOME},
    {KEY_END, ui::VK_END},
    {KEY_PPAGE, ui::VK_PRIOR},
    {KEY_NPAGE, ui::VK_NEXT},
};

}  // namespace

bool TranslateKey(int status, unsigned key, ui::InputEvent& event) {
    event = ui::InputEvent{};
    if (status == KEY_CODE_YES) {
        for (const KeyPair& pair : kFunctionKeys) {
            if (pair.curses == key) {
                event.vk = pair.vk;
                return true;
            }
        }
        return false;
    }
    if (status != OK) return false;
    switch (key) {
        case '\r':
        case '\n': event.vk = ui::VK_RETURN; return true;
        case kEscape:
        case kDeleteChar:
        case kControlH: event.vk = ui::VK_TBACK; return true;
        default: break;
    }
    if (key < kFirstPrintable) return false;
    event.ch = static_cast<wchar_t>(key);
    event.vk = ui::VirtualKeyForChar(event.ch);
    return true;
}

}  // namespace term
