#include "platform/sys/NamedEvent.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using std::chrono::milliseconds;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;

class NamedEventTest : public ::testing::Test {
  protected:
    TempFolder m_runtime;
    ScopedEnvironment m_folder{"XDG_RUNTIME_DIR",
                               m_runtime.Path().substr(0, m_runtime.Path().size() - 1)};

    std::string SignalFile() const { return m_runtime.Path() + "coinvale/Trial.set"; }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
};

TEST_F(NamedEventTest, EachSetReleasesOneWaitAndTheEventResetsItself) {
    sys::NamedEvent setter("Trial");
    sys::NamedEvent waiter("Trial");
    ASSERT_EQ(setter.Create(), sys::NamedEvent::kOk);
    ASSERT_EQ(waiter.Open(), sys::NamedEvent::kOk);
    EXPECT_EQ(sys::NamedEvent::EventPath("Trial"), m_runtime.Path() + "coinvale/Trial.event");

    EXPECT_EQ(waiter.Wait(milliseconds(0)), sys::NamedEvent::kTimedOut);  // made unsignalled
    ASSERT_EQ(setter.Set(), 0);
    ASSERT_EQ(setter.Set(), 0);  // already signalled: still one release
    EXPECT_EQ(waiter.Wait(milliseconds(0)), sys::NamedEvent::kSignalled);
    EXPECT_EQ(waiter.Wait(milliseconds(0)), sys::NamedEvent::kTimedOut);
    EXPECT_EQ(setter.Wait(milliseconds(0)), sys::NamedEvent::kTimedOut);

    // Reset takes back a signal nobody waited for.
    ASSERT_EQ(setter.Set(), 0);
    ASSERT_EQ(waiter.Reset(), 0);
    EXPECT_EQ(setter.Wait(milliseconds(0)), sys::NamedEvent::kTimedOut);
}

TEST_F(NamedEventTest, AWaitEndsAtItsTimeOutOrAsSoonAsTheEventIsSet) {
    sys::NamedEvent event("Trial");
    ASSERT_EQ(event.Create(), sys::NamedEvent::kOk);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(event.Wait(milliseconds(120)), sys::NamedEvent::kTimedOut);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, milliseconds(120));
    EXPECT_LT(waited, milliseconds(2000));

    // Set by another process half-way through a long wait.
    const pid_t child = ::fork();
    if (child == 0) {
        ::usleep(100 * 1000);
        sys::NamedEvent other("Trial");
        ::_exit(other.Open() == sys::NamedEvent::kOk && other.Set() == 0 ? 0 : 1);
    }
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(event.Wait(milliseconds(10000)), sys::NamedEvent::kSignalled);
    waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, milliseconds(5000));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(NamedEventTest, TwoProcessesWaitingAndOneSetReleaseExactlyOne) {
    sys::NamedEvent event("Trial");
    ASSERT_EQ(event.Create(), sys::NamedEvent::kOk);
    pid_t children[2];
    for (pid_t& child : children) {
        child = ::fork();
        if (child == 0) {
            sys::NamedEvent mine("Trial");
            if (mine.Open() != sys::NamedEvent::kOk) ::_exit(2);
            ::_exit(mine.Wait(milliseconds(1500)) == sys::NamedEvent::kSignalled ? 0 : 1);
        }
    }
    ::usleep(100 * 1000);
    ASSERT_EQ(event.Set(), 0);
    int released = 0;
    int timedOut = 0;
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 0) ++released;
        if (WEXITSTATUS(status) == 1) ++timedOut;
    }
    EXPECT_EQ(released, 1);
    EXPECT_EQ(timedOut, 1);
}

TEST_F(NamedEventTest, AFreshEventStartsUnsignalledAnOpenOneKeepsItsSignal) {
    {
        sys::NamedEvent first("Trial");
        ASSERT_EQ(first.Create(), sys::NamedEvent::kOk);
        ASSERT_EQ(first.Set(), 0);
        // Creating it again while another handle has it: the same event, still signalled.
        sys::NamedEvent second("Trial");
        ASSERT_EQ(second.Create(), sys::NamedEvent::kOk);
        EXPECT_EQ(second.Wait(milliseconds(0)), sys::NamedEvent::kSignalled);
        ASSERT_EQ(first.Set(), 0);
    }
    // The last handle removed the event and its signal.
    EXPECT_FALSE(Exists(sys::NamedEvent::EventPath("Trial")));
    EXPECT_FALSE(Exists(SignalFile()));

    // A program that crashed with the event signalled left its files: the next event is new.
    const pid_t child = ::fork();
    if (child == 0) {
        sys::NamedEvent crashed("Trial");
        ::_exit(crashed.Create() == sys::NamedEvent::kOk && crashed.Set() == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(Exists(SignalFile()));
    sys::NamedEvent opener("Trial");
    EXPECT_EQ(opener.Open(), sys::NamedEvent::kNotFound);  // nobody has it open
    sys::NamedEvent fresh("Trial");
    ASSERT_EQ(fresh.Create(), sys::NamedEvent::kOk);
    EXPECT_EQ(fresh.Wait(milliseconds(0)), sys::NamedEvent::kTimedOut);
}

TEST_F(NamedEventTest, ClosingOneOfTwoHandlesKeepsTheEvent) {
    sys::NamedEvent first("Trial");
    sys::NamedEvent second("Trial");
    ASSERT_EQ(first.Create(), sys::NamedEvent::kOk);
    ASSERT_EQ(second.Open(), sys::NamedEvent::kOk);
    ASSERT_EQ(first.Set(), 0);
    first.Close();
    EXPECT_FALSE(first.IsOpen());
    EXPECT_TRUE(Exists(sys::NamedEvent::EventPath("Trial")));
    EXPECT_EQ(second.Wait(milliseconds(0)), sys::NamedEvent::kSignalled);
    // A closed handle neither sets nor waits.
    EXPECT_EQ(first.Set(), 1);
    EXPECT_EQ(first.Reset(), 1);
    EXPECT_EQ(first.Wait(milliseconds(0)), sys::NamedEvent::kWaitFailed);
    second.Close();
    EXPECT_FALSE(Exists(sys::NamedEvent::EventPath("Trial")));
    sys::NamedEvent late("Trial");
    EXPECT_EQ(late.Open(), sys::NamedEvent::kNotFound);
    EXPECT_FALSE(late.IsOpen());
}

TEST(NamedEvent, NoRuntimeFolderMeansNoEvent) {
    TempFolder runtime;
    const std::string file = runtime.File("file");
    testing_support::WriteBytes(file, {1});
    ScopedEnvironment folder("XDG_RUNTIME_DIR", file);
    sys::NamedEvent event("Trial");
    EXPECT_EQ(event.Create(), sys::NamedEvent::kUnavailable);
    EXPECT_FALSE(event.IsOpen());
    EXPECT_EQ(event.Set(), 1);
}

}  // namespace
