#include "platform/sys/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/sys/AtomicFile.h"
#include "platform/sys/FileFault.h"

namespace sys {
namespace {

bool StatPath(const std::string& path, struct stat& st) {
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

}  // namespace

bool PathExists(const std::string& path) {
    struct stat st {};
    return StatPath(path, st);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return StatPath(path, st) && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st {};
    return StatPath(path, st) && S_ISDIR(st.st_mode);
}

int CreateFolder(const std::string& path) {
    if (path.empty()) return 1;
    if (FolderExists(path)) return 0;
    // Create each missing level from the top down.
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string level = path.substr(0, slash);
        if (!level.empty() && ::mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) return 1;
        if (slash == std::string::npos) break;
    }
    return FolderExists(path) ? 0 : 1;
}

int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    if (IsFaultInjected(FileStep::Read)) return 1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return 1;
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    int result = 0;
    // The size is a hint: read until the end, growing when the file grew meanwhile.
    for (;;) {
        if (done == out.size()) out.resize(out.size() + 4096);
        const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            result = 1;
            break;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    out.resize(result == 0 ? done : 0);
    return result;
}

int ReplaceFile(const std::string& path, const void* data, std::size_t size) {
    AtomicFile file;
    if (file.Open(path) != 0) return 1;
    if (file.Write(data, size) != 0) return 1;
    return file.Commit();
}

}  // namespace sys
