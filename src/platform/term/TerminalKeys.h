#pragma once

#include "platform/ui/IScreenBackend.h"

// Terminal keys as the handheld's keys: F1 or Ctrl+L the left soft key, F2 or Ctrl+R the right
// one, F3 or Ctrl+G help (many terminal emulators keep F1, some F2 and F3, for themselves), the
// arrows, Tab and Shift+Tab as down and up, Enter the action key, Escape and Backspace the Back
// key, Delete, Home, End, Page Up and Down; a typed character is a key with that character.
namespace term {

// `status` and `key` as wget_wch gives them (KEY_CODE_YES for a function key). False for a key
// the program does not use.
bool TranslateKey(int status, unsigned key, ui::InputEvent& event);

// Teaches the current curses screen the sequences that common terminal emulators send for F1-F3,
// Home and End where its terminal description lacks them (a sequence it knows keeps its meaning).
void DefineExtraKeySequences();

}  // namespace term
