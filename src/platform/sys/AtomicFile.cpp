#include "platform/sys/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/sys/Clock.h"
#include "platform/sys/FileFault.h"

namespace sys {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

int SyncFolder(const std::string& folder) {
    ReachDurableStep();
    if (IsFaultInjected(FileStep::SyncFolder)) return 1;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 1;
    const int rc = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    errno = error;
    return rc == 0 ? 0 : 1;
}

AtomicFile::~AtomicFile() { Abandon(); }

int AtomicFile::Open(const std::string& target) {
    Abandon();
    m_failed = false;
    m_prepared = false;
    m_error = 0;
    m_target = target;
    if (target.empty() || target.back() == '/') return Fail(EINVAL);
    if (IsFaultInjected(FileStep::Create)) return Fail(errno);
    // A unique name beside the target: same folder, so the rename stays on one file system.
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, ".tmp-%d-%08x-%d", static_cast<int>(::getpid()),
                      static_cast<unsigned>(GetTickCount()), attempt);
        m_temporary = target + suffix;
        m_fd = ::open(m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST) break;
    }
    if (m_fd < 0) {
        const int error = errno;
        m_temporary.clear();
        return Fail(error);
    }
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(m_fd, existing.st_mode & 07777);
    }
    m_buffer.reserve(kBufferSize);
    return 0;
}

int AtomicFile::WriteAll(const char* bytes, std::size_t size) {
    if (size > 0 && IsFaultInjected(FileStep::Write)) return Fail(errno);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, bytes, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail(errno);
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

int AtomicFile::FlushBuffer() {
    const int rc = WriteAll(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return rc;
}

int AtomicFile::Write(const void* data, std::size_t size) {
    if (m_failed || m_fd < 0) return 1;
    const char* bytes = static_cast<const char*>(data);
    if (m_buffer.size() + size > kBufferSize) {
        if (FlushBuffer() != 0) return 1;
        // A block as large as the buffer goes straight through.
        if (size >= kBufferSize) return WriteAll(bytes, size);
    }
    m_buffer.insert(m_buffer.end(), bytes, bytes + size);
    return 0;
}

int AtomicFile::Fail(int error) {
    if (!m_failed) m_error = error != 0 ? error : EIO;
    m_failed = true;
    return 1;
}

int AtomicFile::Prepare() {
    if (m_prepared) return 0;
    if (m_failed || m_fd < 0) {
        Fail(EBADF);
        Abandon();
        return 1;
    }
    int rc = FlushBuffer();
    if (rc == 0) {
        ReachDurableStep();
        if (IsFaultInjected(FileStep::Flush) || ::fsync(m_fd) != 0) rc = Fail(errno);
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && rc == 0) rc = Fail(errno);
    if (rc != 0) {
        Abandon();
        return 1;
    }
    m_buffer.clear();
    m_prepared = true;
    return 0;
}

int AtomicFile::Install() {
    if (!m_prepared || m_temporary.empty()) return Fail(EBADF);
    ReachDurableStep();
    if (IsFaultInjected(FileStep::Rename) ||
        ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        return Fail(errno);
    }
    m_temporary.clear();
    m_prepared = false;
    return 0;
}

int AtomicFile::Commit() {
    if (Prepare() != 0) return 1;
    if (Install() != 0) {
        Abandon();
        return 1;
    }
    if (SyncFolder(FolderOf(m_target)) != 0) return Fail(errno);
    return 0;
}

void AtomicFile::Release() {
    m_temporary.clear();
    m_prepared = false;
}

void AtomicFile::Abandon() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    m_buffer.clear();
    m_prepared = false;
}

}  // namespace sys
