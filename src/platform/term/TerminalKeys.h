#pragma once

#include "platform/ui/IScreenBackend.h"

// Terminal keys as the handheld's keys: F1 and F2 the soft keys, F3 help, the arrows, Enter the
// action key, Escape and Backspace the Back key, Delete, Home, End, Page Up and Down; a typed
// character is a key with that character.
namespace term {

// `status` and `key` as wget_wch gives them (KEY_CODE_YES for a function key). False for a key
// the program does not use.
bool TranslateKey(int status, unsigned key, ui::InputEvent& event);

}  // namespace term
