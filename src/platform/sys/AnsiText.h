#pragma once

#include <string>
#include <string_view>

// Text on its way into the data files, which hold Windows-1252: what can be kept exactly, what
// can only be brought close, and the control characters that must never be stored or shown.
namespace sys {

// Whether a Windows-1252 byte stands for a control character: C0 (0-31), DEL, and the five bytes
// the code page leaves undefined, which map to C1 controls.
bool IsAnsiControl(char byte);

// Whether a Unicode character is a control character (C0, DEL or C1).
bool IsControlChar(wchar_t ch);

// The text with each letter that is followed by a combining accent joined into the one composed
// letter, where Windows-1252 has it ("e" + U+0301 is "é"), as Unicode's composed form would.
std::wstring ComposeAccents(std::wstring_view text);

// The first character of the text (after ComposeAccents) that Windows-1252 cannot hold, or 0.
wchar_t FirstNonAnsi(std::wstring_view text);

// Unicode to Windows-1252 as well as it can be: accents composed first; a character the code page
// lacks becomes the closest it has ("ł" "l", "ő" "o", a thin space a blank, a combining accent
// that composes with nothing is dropped) or "?". `changed` is set when a character could not be
// kept as it was.
std::string WideToAnsiClosest(std::wstring_view text, bool& changed);

// Stored text made safe to print on a terminal: each control character becomes U+FFFD.
std::wstring WithoutControls(std::wstring_view text);

}  // namespace sys
