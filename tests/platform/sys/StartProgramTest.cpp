// Starting a program: arguments arrive as given, the program starts with no signal blocked or
// ignored, in a session of its own, without this program's descriptors, and is collected when it
// ends (no zombie); a missing or non-executable file is refused.
#include "platform/sys/StartProgram.h"

#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/TempFolder.h"

namespace {

using testing_support::TempFolder;

constexpr auto kPatience = std::chrono::seconds(10);
constexpr auto kPause = std::chrono::milliseconds(10);
constexpr int kInheritedFd = 57;  // far above what the shell running the script uses
constexpr unsigned long long kStandardSignals = 0x7FFFFFFF;  // 1 to 31, one bit each

// Writes what the script sees: its arguments one a line, its blocked and ignored signals, its
// session, its standard input, whether descriptor kInheritedFd is open, and its process id.
constexpr const char* kReportScript =
    "#!/bin/sh\n"
    "out=\"$1\"; shift\n"
    // Read by the shell itself before it starts any command: while it waits for one, it blocks
    // every signal for a moment.
    "while read -r name value; do\n"
    "  case $name in SigBlk:|SigIgn:) signals=\"$signals$name\t$value\n\";; esac\n"
    "done < /proc/$$/status\n"
    "{\n"
    "  printf '%s\\n' \"$@\"\n"
    "  printf \"$signals\"\n"
    "  echo \"session $(cut -d' ' -f6 /proc/$$/stat)\"\n"
    "  echo \"stdin $(readlink /proc/$$/fd/0)\"\n"
    "  if [ -e /proc/$$/fd/57 ]; then echo 'fd 57 open'; else echo 'fd 57 closed'; fi\n"
    "  echo \"pid $$\"\n"
    "} > \"$out.part\"\n"
    "mv \"$out.part\" \"$out\"\n";

void WriteFile(const std::string& path, const std::string& text, mode_t mode) {
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

// The file's text once it exists, or empty after the patience ran out.
std::string WaitForFile(const std::string& path) {
    const auto end = std::chrono::steady_clock::now() + kPatience;
    while (!std::filesystem::exists(path) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(kPause);
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// True once the process is gone from the process table; a zombie stays in it.
bool WaitUntilGone(pid_t pid) {
    const std::string entry = "/proc/" + std::to_string(pid);
    const auto end = std::chrono::steady_clock::now() + kPatience;
    while (std::filesystem::exists(entry) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(kPause);
    }
    return !std::filesystem::exists(entry);
}

std::string Line(const std::string& text, const std::string& prefix) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(prefix, 0) == 0) return line;
    }
    return {};
}

TEST(StartProgram, TheProgramStartsCleanDetachedAndIsCollected) {
    TempFolder folder;
    const std::string script = folder.File("report.sh");
    WriteFile(script, kReportScript, 0755);
    const std::string out = folder.File("out.txt");

    // What the program would pass on if nothing were reset: a blocked ending signal (the signal
    // watcher blocks them), an ignored SIGPIPE and an open descriptor without close-on-exec.
    sigset_t blocked;
    sigset_t previous;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGHUP);
    ASSERT_EQ(pthread_sigmask(SIG_BLOCK, &blocked, &previous), 0);
    struct sigaction ignore {};
    struct sigaction previousPipe {};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(sigaction(SIGPIPE, &ignore, &previousPipe), 0);
    ASSERT_EQ(::dup2(STDOUT_FILENO, kInheritedFd), kInheritedFd);

    const int rc = sys::StartProgram(script, {out, "two words", "", "Café"});

    ::close(kInheritedFd);
    sigaction(SIGPIPE, &previousPipe, nullptr);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ASSERT_EQ(rc, 0);

    const std::string report = WaitForFile(out);
    ASSERT_NE(report, "") << "the program did not run";
    EXPECT_EQ(report.substr(0, report.find("SigBlk")), "two words\n\nCafé\n");
    EXPECT_EQ(Line(report, "SigBlk"), "SigBlk:\t0000000000000000");
    // Of the standard signals none is ignored. (glibc starts every spawned program with its own
    // two internal signals, 32 and 33, ignored; the program's C library takes them over.)
    const std::string ignored = Line(report, "SigIgn:\t");
    ASSERT_NE(ignored, "");
    EXPECT_EQ(std::stoull(ignored.substr(8), nullptr, 16) & kStandardSignals, 0u) << ignored;
    EXPECT_NE(Line(report, "session "), "session " + std::to_string(::getsid(0)));
    EXPECT_EQ(Line(report, "stdin "), "stdin /dev/null");
    EXPECT_EQ(Line(report, "fd 57 "), "fd 57 closed");

    const std::string pidLine = Line(report, "pid ");
    ASSERT_NE(pidLine, "");
    EXPECT_TRUE(WaitUntilGone(static_cast<pid_t>(std::stoi(pidLine.substr(4)))))
        << "the ended program stays behind as a zombie";
}

TEST(StartProgram, RefusesWhatCannotRun) {
    TempFolder folder;
    EXPECT_EQ(sys::StartProgram(folder.File("missing.sh"), {}), ENOENT);

    const std::string plain = folder.File("plain.sh");
    WriteFile(plain, "#!/bin/sh\ntouch \"$0.ran\"\n", 0644);  // not executable
    EXPECT_EQ(sys::StartProgram(plain, {}), EACCES);
    EXPECT_EQ(sys::StartProgram(folder.Path(), {}), EACCES);  // a folder
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(std::filesystem::exists(plain + ".ran"));
}

}  // namespace
