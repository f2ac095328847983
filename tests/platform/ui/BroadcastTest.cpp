#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/ui/CBroadcastChannel.h"
#include "support/TempFolder.h"
#include "UiTestSupport.h"

extern char** environ;

namespace ui_test {
namespace {

using namespace ui;

constexpr int kWaitMs = 5000;

// Reads one line from `fd`, waiting at most kWaitMs.
std::string ReadLine(int fd) {
    std::string line;
    char ch = 0;
    pollfd readable{fd, POLLIN, 0};
    while (poll(&readable, 1, kWaitMs) > 0 && read(fd, &ch, 1) == 1 && ch != '\n') line += ch;
    return line;
}

class BroadcastTest : public UiTest {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_RUNTIME_DIR");
        m_oldRuntime = old != nullptr ? old : "";
        m_hadRuntime = old != nullptr;
        setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1);
    }
    void TearDown() override {
        if (m_hadRuntime) setenv("XDG_RUNTIME_DIR", m_oldRuntime.c_str(), 1);
        else unsetenv("XDG_RUNTIME_DIR");
    }

    testing_support::TempFolder m_runtime;
    std::string m_oldRuntime;
    bool m_hadRuntime = false;
};

TEST_F(BroadcastTest, RegisteredMessageReachesAnotherProgram) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const char* helper = UI_BROADCAST_HELPER;
    char name[] = "CV_MSG_RUNNING_INSTANCE_FOUND";
    char* argv[] = {const_cast<char*>(helper), name, nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, helper, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);

    EXPECT_EQ(ReadLine(out[0]), "ready");
    {
        CBroadcastChannel channel(false);  // this side only sends, like a second instance
        const UINT message = RegisterWindowMessage(L"CV_MSG_RUNNING_INSTANCE_FOUND");
        PostMessage(HWND_BROADCAST, message, 7, -3);
    }
    EXPECT_EQ(ReadLine(out[0]), "received 7 -3");
    int status = -1;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(out[0]);
    // The helper removed its socket when it ended.
    EXPECT_TRUE(testing_support::ListFolder(m_runtime.Path() + "coinvale/").empty());
}

TEST_F(BroadcastTest, DatagramsDecodeOnlyWhenWellFormed) {
    std::wstring name;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    ASSERT_TRUE(CBroadcastChannel::Decode(CBroadcastChannel::Encode(L"CV_SYNC_START", 1, -2),
                                          name, wParam, lParam));
    EXPECT_EQ(name, L"CV_SYNC_START");
    EXPECT_EQ(wParam, 1u);
    EXPECT_EQ(lParam, -2);
    for (const char* bad : {"", "1", "1 2", "1 2 ", "x 2 NAME", "1 y NAME", "99999999999999999999 1 N"}) {
        EXPECT_FALSE(CBroadcastChannel::Decode(bad, name, wParam, lParam)) << bad;
    }
}

}  // namespace
}  // namespace ui_test
