#include "platform/sys/NamedEvent.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "platform/sys/KnownFolders.h"

namespace sys {
namespace {

constexpr mode_t kEventFileMode = 0600;
constexpr const char* kEventExtension = ".event";
constexpr const char* kSignalExtension = ".set";
// How often a wait looks for the signal: a hand-shake between programs, not a hot path.
constexpr std::chrono::milliseconds kPollInterval{5};
// A handle that lost its file to a last closer tries again; this many times at most.
constexpr int kOpenAttempts = 20;

int Lock(int fd, int operation) {
    int rc = 0;
    while ((rc = ::flock(fd, operation)) != 0 && errno == EINTR) {
    }
    return rc;
}

// Whether the open file `fd` is still the file at `path` (a closing last holder may have removed
// it between our open and our lock).
bool StillAtPath(int fd, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

std::string NamedEvent::EventPath(const std::string& name) {
    const std::string folder = RuntimeFolder();
    return folder.empty() ? std::string() : folder + name + kEventExtension;
}

std::string NamedEvent::SignalPath() const {
    return m_path.substr(0, m_path.size() - std::char_traits<char>::length(kEventExtension)) +
           kSignalExtension;
}

NamedEvent::Result NamedEvent::Create() {
    return OpenFile(true);
}

NamedEvent::Result NamedEvent::Open() {
    return OpenFile(false);
}

NamedEvent::Result NamedEvent::OpenFile(bool create) {
    Close();
    const std::string path = EventPath(m_name);
    if (path.empty()) return kUnavailable;
    m_path = path;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const int flags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0);
        const int fd = ::open(path.c_str(), flags, kEventFileMode);
        if (fd < 0) {
            m_path.clear();
            return !create && errno == ENOENT ? kNotFound : kUnavailable;
        }
        // The sole holder makes the event afresh: a signal left by earlier holders goes.
        const bool alone = Lock(fd, LOCK_EX | LOCK_NB) == 0;
        if (alone) {
            if (!create) {
                // Nobody else had it open: a file a crashed program left is no event.
                ::close(fd);
                ::unlink(path.c_str());
                ::unlink(SignalPath().c_str());
                m_path.clear();
                return kNotFound;
            }
            ::unlink(SignalPath().c_str());
        }
        if (Lock(fd, LOCK_SH) != 0) {
            ::close(fd);
            m_path.clear();
            return kUnavailable;
        }
        if (StillAtPath(fd, path)) {
            m_fd = fd;
            return kOk;
        }
        ::close(fd);
    }
    m_path.clear();
    return kUnavailable;
}

void NamedEvent::Close() {
    if (m_fd < 0) return;
    // The last holder gets the lock alone and removes the event; a failed try drops the shared
    // lock, which the close does anyway.
    if (Lock(m_fd, LOCK_EX | LOCK_NB) == 0 && StillAtPath(m_fd, m_path)) {
        ::unlink(SignalPath().c_str());
        ::unlink(m_path.c_str());
    }
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

int NamedEvent::Set() {
    if (m_fd < 0) return 1;
    const int fd =
        ::open(SignalPath().c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kEventFileMode);
    if (fd < 0) return 1;
    ::close(fd);
    return 0;
}

int NamedEvent::Reset() {
    if (m_fd < 0) return 1;
    ::unlink(SignalPath().c_str());
    return 0;
}

NamedEvent::WaitResult NamedEvent::Wait(std::chrono::milliseconds timeout) {
    if (m_fd < 0) return kWaitFailed;
    const std::string signal = SignalPath();
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (::unlink(signal.c_str()) == 0) return kSignalled;
        if (errno != ENOENT) return kWaitFailed;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return kTimedOut;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kPollInterval, deadline - now));
    }
}

}  // namespace sys
