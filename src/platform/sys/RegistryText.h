#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/sys/RegistryTree.h"

// The registry file's text: the registry editor's export format, in UTF-8.
//
//   file     := header blank-line { section }
//   header   := "Windows Registry Editor Version 5.00"   ("REGEDIT4" is read too)
//   section  := "[" key-path "]" newline { value-line } blank-line
//   value    := name "=" data            name := "@" (the default value) | quoted
//   data     := quoted                   REG_SZ
//             | "dword:" 8 hex digits    REG_DWORD
//             | "hex:" bytes             REG_BINARY
//             | "hex(" type "):" bytes   any other type; hex(1) is a REG_SZ as UTF-16LE
//   quoted   := '"' text '"', with backslash and quote escaped by a backslash
//   bytes    := two hex digits each, separated by commas; a line ending in a backslash continues
//               on the next
//
// Strings holding line breaks or other control characters are written as hex(1), so every value
// keeps to its line. Lines starting with ';' are comments.
namespace sys {

// Adds the keys and values of `text` to `tree`. Lines that cannot be read (including a value
// outside any section, or a missing header) are skipped and counted; the rest is kept. Returns
// the number of such lines.
std::size_t ParseRegistryText(std::string_view text, RegistryTree& tree);

// The text of the whole tree; reading it back gives the same tree and no unreadable line.
std::string FormatRegistryText(const RegistryTree& tree);

}  // namespace sys
