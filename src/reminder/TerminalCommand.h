#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace reminder {

// Finds a program by name (a path is taken as it is) and answers its full path, or empty.
using ProgramFinder = std::function<std::string(std::string_view name)>;

// The command that opens a terminal window running `command` (program and arguments): the
// terminal named by `terminalVariable` ($TERMINAL) when it is set and found, else the first found
// of x-terminal-emulator, gnome-terminal, konsole, xfce4-terminal, mate-terminal, kitty,
// alacritty, foot and xterm, each with the option that hands it a command (xterm's "-e",
// gnome-terminal's "--", ...; "-e" for a $TERMINAL it does not know). The first word is the
// terminal's full path. Empty when no terminal is found.
std::vector<std::string> TerminalCommand(std::string_view terminalVariable,
                                         const ProgramFinder& find,
                                         const std::vector<std::string>& command);

}  // namespace reminder
