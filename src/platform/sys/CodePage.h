#pragma once

#include <string>
#include <string_view>

// Text conversions at the boundary between stored text and the screens.
//
// Stored narrow text is Windows-1252 (the "ANSI" code page of the data files), so files move
// between machines unchanged. Wide text is Unicode in wchar_t. Native paths and terminal output
// are UTF-8.
namespace sys {

// Windows-1252 bytes to Unicode. The five bytes the code page leaves undefined (81, 8D, 8F, 90,
// 9D) map to the control characters of the same number, as the system conversion does.
std::wstring AnsiToWide(std::string_view text);

// Unicode to Windows-1252. A character the code page lacks becomes '?'.
std::string WideToAnsi(std::wstring_view text);

// Whether Windows-1252 has a byte for `ch`, so that WideToAnsi keeps it.
bool IsAnsiChar(wchar_t ch);

// UTF-8 to Unicode; an ill-formed sequence becomes U+FFFD.
std::wstring Utf8ToWide(std::string_view text);

// Unicode to UTF-8; a code point that is not a Unicode scalar value becomes U+FFFD.
std::string WideToUtf8(std::wstring_view text);

// Windows-1252 to UTF-8 and back: stored names that become file names or terminal text.
std::string AnsiToUtf8(std::string_view text);
std::string Utf8ToAnsi(std::string_view text);

}  // namespace sys
