#include "platform/sys/CSignalWatcher.h"

#include <errno.h>
#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <system_error>

namespace sys {
namespace {

constexpr std::array<int, 3> kEndingSignals{SIGTERM, SIGHUP, SIGINT};

}  // namespace

CSignalWatcher::CSignalWatcher(Callback callback) : m_callback(std::move(callback)) {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : kEndingSignals) sigaddset(&signals, signal);
    if (pthread_sigmask(SIG_BLOCK, &signals, &m_previousMask) != 0) return;
    m_signalFd = signalfd(-1, &signals, SFD_CLOEXEC);
    if (m_signalFd >= 0 && m_stop.IsOpen()) {
        try {
            m_thread = std::thread(&CSignalWatcher::Watch, this);
        } catch (const std::system_error&) {
        }
    }
    if (!IsWatching()) {
        CloseSignalFd();
        pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    }
}

CSignalWatcher::~CSignalWatcher() {
    if (!IsWatching()) return;
    m_stop.Wake();
    m_thread.join();
    CloseSignalFd();
    pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
}

void CSignalWatcher::CloseSignalFd() {
    if (m_signalFd >= 0) close(m_signalFd);
    m_signalFd = -1;
}

void CSignalWatcher::Watch() {
    enum : std::size_t { kSignals, kStop, kWatched };
    std::array<pollfd, kWatched> watched{};
    watched[kSignals] = {m_signalFd, POLLIN, 0};
    watched[kStop] = {m_stop.ReadFd(), POLLIN, 0};
    for (;;) {
        if (poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[kStop].revents != 0) return;
        if ((watched[kSignals].revents & POLLIN) == 0) continue;
        signalfd_siginfo info{};
        const ssize_t got = read(m_signalFd, &info, sizeof info);
        if (got == static_cast<ssize_t>(sizeof info)) {
            m_callback(static_cast<int>(info.ssi_signo));
        } else if (got < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        }
    }
}

}  // namespace sys
