// The signal watcher: each ending signal sent to the process becomes one call on the watcher's
// own thread instead of ending the process, and the signal mask is the one found before once the
// watcher is gone.
#include "platform/sys/CSignalWatcher.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr auto kPatience = std::chrono::seconds(10);

bool IsBlocked(int signal) {
    sigset_t current;
    pthread_sigmask(SIG_BLOCK, nullptr, &current);
    return sigismember(&current, signal) == 1;
}

// The signals the callback received and the threads it ran on.
class Received {
  public:
    void Add(int signal) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_signals.push_back(signal);
        m_threads.push_back(std::this_thread::get_id());
        m_arrived.notify_all();
    }
    // Waits until `count` calls arrived; the signals received by then.
    std::vector<int> WaitFor(std::size_t count) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_arrived.wait_for(lock, kPatience, [&] { return m_signals.size() >= count; });
        return m_signals;
    }
    std::vector<std::thread::id> Threads() {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_threads;
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<int> m_signals;
    std::vector<std::thread::id> m_threads;
};

TEST(SignalWatcher, EachEndingSignalIsOneCallOnTheWatchersThread) {
    Received received;
    {
        sys::CSignalWatcher watcher([&received](int signal) { received.Add(signal); });
        ASSERT_TRUE(watcher.IsWatching());
        ASSERT_EQ(::kill(::getpid(), SIGTERM), 0);
        EXPECT_EQ(received.WaitFor(1), std::vector<int>{SIGTERM});
        ASSERT_EQ(::kill(::getpid(), SIGHUP), 0);
        EXPECT_EQ(received.WaitFor(2), (std::vector<int>{SIGTERM, SIGHUP}));
        ASSERT_EQ(::kill(::getpid(), SIGINT), 0);
        EXPECT_EQ(received.WaitFor(3), (std::vector<int>{SIGTERM, SIGHUP, SIGINT}));
    }
    // Still here: none of them ended the process. Every call came from one thread, not this one.
    const std::vector<std::thread::id> threads = received.Threads();
    ASSERT_EQ(threads.size(), 3u);
    EXPECT_NE(threads[0], std::this_thread::get_id());
    EXPECT_EQ(threads[1], threads[0]);
    EXPECT_EQ(threads[2], threads[0]);
}

TEST(SignalWatcher, RestoresTheMaskItFound) {
    // SIGHUP was blocked before the watcher: it stays blocked after it; SIGTERM goes back to
    // unblocked; a signal it does not watch is never touched.
    sigset_t hangUp;
    sigset_t previous;
    sigemptyset(&hangUp);
    sigaddset(&hangUp, SIGHUP);
    ASSERT_EQ(pthread_sigmask(SIG_BLOCK, &hangUp, &previous), 0);
    ASSERT_FALSE(IsBlocked(SIGTERM));
    {
        sys::CSignalWatcher watcher([](int) {});
        ASSERT_TRUE(watcher.IsWatching());
        EXPECT_TRUE(IsBlocked(SIGTERM));
        EXPECT_TRUE(IsBlocked(SIGINT));
        EXPECT_TRUE(IsBlocked(SIGHUP));
        EXPECT_FALSE(IsBlocked(SIGUSR1));
    }
    EXPECT_FALSE(IsBlocked(SIGTERM));
    EXPECT_FALSE(IsBlocked(SIGINT));
    EXPECT_TRUE(IsBlocked(SIGHUP));
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

}  // namespace
