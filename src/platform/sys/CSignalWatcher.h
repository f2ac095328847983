#pragma once

#include <signal.h>

#include <functional>
#include <thread>

#include "platform/sys/CWakePipe.h"

// The signals that ask the program to end (SIGTERM, SIGHUP, SIGINT), turned into calls on a
// thread of their own, so that the program can end in order (save, then close) instead of being
// cut off wherever it is.
//
// Construct it early in main, before any other thread starts: it blocks the three signals in the
// calling thread, and threads started afterwards inherit the mask, so no thread takes them by
// their default action. Its thread waits for them (signalfd, and a pipe that tells it to stop)
// and calls the callback once for each signal it reads; the same signal sent twice before it is
// read counts once. The callback runs on the watcher's thread and must not throw; it should only
// hand the request on (post a message to the main loop). One watcher at a time.
//
// The destructor stops the thread and restores the signal mask the constructor found (in the
// calling thread: destroy it on the thread that made it). A signal that arrives after the thread
// stopped then takes its default action.
namespace sys {

class CSignalWatcher {
  public:
    using Callback = std::function<void(int signal)>;

    explicit CSignalWatcher(Callback callback);
    ~CSignalWatcher();
    CSignalWatcher(const CSignalWatcher&) = delete;
    CSignalWatcher& operator=(const CSignalWatcher&) = delete;

    // False when the watcher could not be set up (no descriptor or thread to spare); the signals
    // then keep their default action.
    bool IsWatching() const { return m_thread.joinable(); }

  private:
    void Watch();
    void CloseSignalFd();

    Callback m_callback;
    sigset_t m_previousMask{};
    int m_signalFd = -1;
    CWakePipe m_stop;  // tells the thread to end
    std::thread m_thread;
};

}  // namespace sys
