#include "platform/sys/NamedMutex.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/sys/KnownFolders.h"

namespace sys {
namespace {

constexpr mode_t kLockFileMode = 0600;
constexpr const char* kLockExtension = ".lock";

}  // namespace

std::string NamedMutex::LockPath(const std::string& name) {
    const std::string folder = RuntimeFolder();
    return folder.empty() ? std::string() : folder + name + kLockExtension;
}

NamedMutex::Result NamedMutex::TryAcquire() {
    if (IsHeld()) return kAcquired;
    const std::string path = LockPath(m_name);
    if (path.empty()) return kUnavailable;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kLockFileMode);
    if (fd < 0) return kUnavailable;
    int rc = 0;
    while ((rc = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (rc != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? kHeldElsewhere : kUnavailable;
    }
    m_fd = fd;
    return kAcquired;
}

void NamedMutex::Release() {
    if (m_fd < 0) return;
    ::close(m_fd);  // closing the only descriptor releases the lock
    m_fd = -1;
}

}  // namespace sys
