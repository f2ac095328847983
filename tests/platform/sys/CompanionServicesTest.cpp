// The services the reminder companion's loop stands on: a mutex looked at without taking it
// (also when another process holds it), waiting on descriptors with a time-out and being woken,
// and finding programs on the search path and beside this one.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "platform/sys/CWakePipe.h"
#include "platform/sys/EventWait.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/ProgramPaths.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ScopedEnvironment;
using testing_support::TempFolder;

TEST(CompanionServices, ProbeSeesAHolderWithoutTakingTheMutex) {
    TempFolder runtime;
    ScopedEnvironment folder("XDG_RUNTIME_DIR", runtime.Path());
    // Never taken: no lock file yet.
    EXPECT_EQ(sys::NamedMutex::ProbeHeld("Probe"), sys::NamedMutex::kProbeFree);
    sys::NamedMutex holder("Probe");
    ASSERT_EQ(holder.TryAcquire(), sys::NamedMutex::kAcquired);
    EXPECT_EQ(sys::NamedMutex::ProbeHeld("Probe"), sys::NamedMutex::kProbeHeld);
    EXPECT_EQ(sys::NamedMutex::ProbeHeld("Other"), sys::NamedMutex::kProbeFree);
    holder.Release();
    EXPECT_EQ(sys::NamedMutex::ProbeHeld("Probe"), sys::NamedMutex::kProbeFree);

    // Held by another process: seen, and probing leaves it with its holder.
    int ready[2];
    int done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        sys::NamedMutex held("Probe");
        const char ok = held.TryAcquire() == sys::NamedMutex::kAcquired ? 1 : 0;
        [[maybe_unused]] ssize_t n = ::write(ready[1], &ok, 1);
        char end = 0;
        n = ::read(done[0], &end, 1);
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 1);
    EXPECT_EQ(sys::NamedMutex::ProbeHeld("Probe"), sys::NamedMutex::kProbeHeld);
    EXPECT_EQ(holder.TryAcquire(), sys::NamedMutex::kHeldElsewhere);
    const char end = 1;
    ASSERT_EQ(::write(done[1], &end, 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(sys::NamedMutex::ProbeHeld("Probe"), sys::NamedMutex::kProbeFree);
    for (int fd : {ready[0], ready[1], done[0], done[1]}) ::close(fd);
}

TEST(CompanionServices, ProbeWithoutARuntimeFolderIsUnknown) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", "/proc/no-such-folder");
    ScopedEnvironment temp("TMPDIR", "/proc/no-such-folder");
    if (!sys::NamedMutex::LockPath("Probe").empty()) GTEST_SKIP() << "a runtime folder remains";
    EXPECT_EQ(sys::NamedMutex::ProbeHeld("Probe"), sys::NamedMutex::kProbeUnknown);
}

TEST(CompanionServices, WaitEndsOnTheTimeOutOrWhenWoken) {
    sys::CWakePipe wake;
    ASSERT_TRUE(wake.IsOpen());
    std::vector<sys::WaitItem> items{{wake.ReadFd()}, {-1}};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(sys::WaitForEvents(items, 50), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(45));
    EXPECT_FALSE(items[0].ready);
    EXPECT_FALSE(wake.Drain());

    wake.Wake();
    wake.Wake();  // two wakes before a drain count once
    EXPECT_EQ(sys::WaitForEvents(items, 5000), 1);
    EXPECT_TRUE(items[0].ready);
    EXPECT_FALSE(items[1].ready);  // a negative descriptor is left out
    EXPECT_TRUE(wake.Drain());
    EXPECT_EQ(sys::WaitForEvents(items, 0), 0);
    EXPECT_FALSE(wake.Drain());
}

TEST(CompanionServices, ProgramsAreFoundOnTheSearchPathInOrder) {
    TempFolder temp;
    const std::string first = temp.Path() + "first/";
    const std::string second = temp.Path() + "second/";
    ::mkdir(first.c_str(), 0700);
    ::mkdir(second.c_str(), 0700);
    std::ofstream(first + "tool") << "not executable\n";
    std::ofstream(second + "tool") << "#!/bin/sh\n";
    ::chmod((second + "tool").c_str(), 0700);
    ::mkdir((first + "dir").c_str(), 0700);  // a folder is no program
    // The first folder's file cannot be run, so the second one's is the program.
    EXPECT_EQ(sys::FindOnSearchPath("tool", first + ":" + second), second + "tool");
    EXPECT_EQ(sys::FindOnSearchPath("tool", second.substr(0, second.size() - 1)), second + "tool");
    EXPECT_EQ(sys::FindOnSearchPath("dir", first), "");
    EXPECT_EQ(sys::FindOnSearchPath("missing", first + ":" + second), "");
    EXPECT_EQ(sys::FindOnSearchPath("", second), "");
    // A path is taken as it is.
    EXPECT_EQ(sys::FindOnSearchPath(second + "tool", ""), second + "tool");
    EXPECT_EQ(sys::FindOnSearchPath(first + "tool", second), "");
}

TEST(CompanionServices, OwnExecutableAndItsFolder) {
    const std::string own = sys::OwnExecutablePath();
    ASSERT_FALSE(own.empty());
    EXPECT_TRUE(sys::IsExecutableFile(own));
    EXPECT_EQ(own.substr(own.rfind('/') + 1), "sys_tests");
    EXPECT_EQ(sys::FolderOf("/usr/bin/coinvale"), "/usr/bin/");
    EXPECT_EQ(sys::FolderOf("coinvale"), "");
}

}  // namespace
