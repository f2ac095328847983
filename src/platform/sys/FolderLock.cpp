#include "platform/sys/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace sys {
namespace {

constexpr mode_t kLockFileMode = 0666;  // less the umask: whoever may write the folder may lock it
constexpr std::chrono::milliseconds kRetryInterval{20};

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

}  // namespace

FolderLock::Result FolderLock::Acquire(const std::string& folder, std::chrono::milliseconds wait) {
    const std::string path = WithSlash(folder);
    if (IsHeld() && path == m_folder) return kAcquired;
    Release();
    if (path.empty()) return kUnavailable;
    const int fd = ::open((path + kFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                          kLockFileMode);
    if (fd < 0) return kUnavailable;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            ::close(fd);
            return kUnavailable;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return kHeldElsewhere;
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
    m_fd = fd;
    m_folder = path;
    return kAcquired;
}

void FolderLock::Release() {
    if (m_fd < 0) return;
    ::close(m_fd);  // closing the only descriptor releases the lock
    m_fd = -1;
    m_folder.clear();
}

}  // namespace sys
