#pragma once

#include <string>

// The terminal a program was started from.
namespace sys {

// A line from standard input without its end, not echoed when standard input is a terminal
// (a password). After a hidden line a new line goes to standard error, where the prompt was.
std::string ReadSecretLine();

}  // namespace sys
