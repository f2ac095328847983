#include "reminder/TerminalCommand.h"

#include <array>

namespace reminder {
namespace {

struct Terminal {
    std::string_view name;
    std::string_view commandOption;  // empty: the command follows the terminal's own arguments
};

constexpr std::array<Terminal, 9> kTerminals{{
    {"x-terminal-emulator", "-e"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},
    {"kitty", ""},
    {"alacritty", "-e"},
    {"foot", ""},
    {"xterm", "-e"},
}};

constexpr std::string_view kUsualOption = "-e";

std::string_view BaseName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view OptionOf(std::string_view path) {
    for (const Terminal& terminal : kTerminals) {
        if (terminal.name == BaseName(path)) return terminal.commandOption;
    }
    return kUsualOption;
}

std::vector<std::string> Assemble(const std::string& terminal, std::string_view option,
                                  const std::vector<std::string>& command) {
    std::vector<std::string> words{terminal};
    if (!option.empty()) words.emplace_back(option);
    words.insert(words.end(), command.begin(), command.end());
    return words;
}

}  // namespace

std::vector<std::string> TerminalCommand(std::string_view terminalVariable,
                                         const ProgramFinder& find,
                                         const std::vector<std::string>& command) {
    if (command.empty()) return {};
    if (!terminalVariable.empty()) {
        if (const std::string path = find(terminalVariable); !path.empty()) {
            return Assemble(path, OptionOf(terminalVariable), command);
        }
    }
    for (const Terminal& terminal : kTerminals) {
        if (const std::string path = find(terminal.name); !path.empty()) {
            return Assemble(path, terminal.commandOption, command);
        }
    }
    return {};
}

}  // namespace reminder
