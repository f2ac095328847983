// The terminal that opens Coinvale's reminder screen: $TERMINAL first, then the usual terminals in
// order, each with the option that hands it a command; nothing when none is installed.
#include "reminder/TerminalCommand.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using reminder::TerminalCommand;
using Words = std::vector<std::string>;

const Words kCommand{"/opt/cv/coinvale", "--reminder"};

// A machine with these programs in /usr/bin.
reminder::ProgramFinder Installed(std::set<std::string> names) {
    return [names](std::string_view name) {
        const std::string wanted(name);
        if (names.count(wanted) == 0) return std::string();
        return wanted.front() == '/' ? wanted : "/usr/bin/" + wanted;
    };
}

TEST(TerminalCommandTest, TheUsualTerminalsInOrderWithTheirCommandOption) {
    EXPECT_EQ(TerminalCommand("", Installed({"xterm", "konsole"}), kCommand),
              (Words{"/usr/bin/konsole", "-e", "/opt/cv/coinvale", "--reminder"}));
    EXPECT_EQ(TerminalCommand("", Installed({"xterm", "gnome-terminal", "x-terminal-emulator"}),
                              kCommand),
              (Words{"/usr/bin/x-terminal-emulator", "-e", "/opt/cv/coinvale", "--reminder"}));
    EXPECT_EQ(TerminalCommand("", Installed({"xterm", "gnome-terminal"}), kCommand),
              (Words{"/usr/bin/gnome-terminal", "--", "/opt/cv/coinvale", "--reminder"}));
    EXPECT_EQ(TerminalCommand("", Installed({"xfce4-terminal"}), kCommand),
              (Words{"/usr/bin/xfce4-terminal", "-x", "/opt/cv/coinvale", "--reminder"}));
    // kitty and foot take the command after their own arguments.
    EXPECT_EQ(TerminalCommand("", Installed({"kitty", "xterm"}), kCommand),
              (Words{"/usr/bin/kitty", "/opt/cv/coinvale", "--reminder"}));
    EXPECT_EQ(TerminalCommand("", Installed({"xterm"}), kCommand),
              (Words{"/usr/bin/xterm", "-e", "/opt/cv/coinvale", "--reminder"}));
}

TEST(TerminalCommandTest, TerminalVariableComesFirst) {
    EXPECT_EQ(TerminalCommand("foot", Installed({"xterm", "foot"}), kCommand),
              (Words{"/usr/bin/foot", "/opt/cv/coinvale", "--reminder"}));
    // One it does not know gets the usual "-e".
    EXPECT_EQ(TerminalCommand("wezterm", Installed({"xterm", "wezterm"}), kCommand),
              (Words{"/usr/bin/wezterm", "-e", "/opt/cv/coinvale", "--reminder"}));
    // A known terminal named by its path keeps its own option.
    EXPECT_EQ(TerminalCommand("/usr/bin/gnome-terminal", Installed({"/usr/bin/gnome-terminal"}),
                              kCommand),
              (Words{"/usr/bin/gnome-terminal", "--", "/opt/cv/coinvale", "--reminder"}));
    // Set to a terminal that is not installed: the usual search goes on.
    EXPECT_EQ(TerminalCommand("urxvt", Installed({"xterm"}), kCommand),
              (Words{"/usr/bin/xterm", "-e", "/opt/cv/coinvale", "--reminder"}));
}

TEST(TerminalCommandTest, NothingWithoutATerminalOrACommand) {
    EXPECT_TRUE(TerminalCommand("", Installed({}), kCommand).empty());
    EXPECT_TRUE(TerminalCommand("urxvt", Installed({}), kCommand).empty());
    EXPECT_TRUE(TerminalCommand("", Installed({"xterm"}), {}).empty());
}

}  // namespace
