#include "platform/sys/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/sys/AtomicFile.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/WinErrors.h"

namespace sys {
namespace {

constexpr const char* kDamagedSuffix = ".damaged";
constexpr int kMaxDamagedCopies = 1000;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolderOf(const std::string& path) {
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

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

int OpenFileForReading(const std::string& path, std::size_t& size) {
    size = 0;
    if (IsFaultInjected(FileStep::Read)) return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    size = static_cast<std::size_t>(st.st_size);
    return fd;
}

int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    std::size_t size = 0;
    const int fd = OpenFileForReading(path, size);
    if (fd < 0) return 1;
    // One byte more than the size, so that the read which finds the end needs no larger buffer
    // (growing it would copy the whole file once more).
    out.resize(size + 1);
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

int ListFolder(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return 1;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    const bool failed = errno != 0;
    ::closedir(dir);
    if (failed) names.clear();
    return failed ? 1 : 0;
}

long MoveFileNoReplace(const std::string& from, const std::string& to) {
    if (from.empty() || to.empty()) return ERROR_INVALID_NAME;
    if (IsFaultInjected(FileStep::Move)) return ERROR_GEN_FAILURE;
    if (IsFaultInjected(FileStep::MoveTarget)) return ERROR_ALREADY_EXISTS;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        // File systems without the no-replace rename: a new link fails when the name is taken.
        if (errno != EINVAL && errno != ENOSYS) return ErrorFromErrno(errno);
        if (::link(from.c_str(), to.c_str()) != 0) return ErrorFromErrno(errno);
        if (::unlink(from.c_str()) != 0) {
            const int error = errno;
            ::unlink(to.c_str());
            return ErrorFromErrno(error);
        }
    }
    // The move has happened; a folder that cannot be flushed does not undo it.
    SyncFolderOf(to);
    if (FolderOf(from) != FolderOf(to)) SyncFolderOf(from);
    return ERROR_SUCCESS;
}

long RemoveFile(const std::string& path) {
    if (path.empty()) return ERROR_INVALID_NAME;
    if (::unlink(path.c_str()) != 0) return ErrorFromErrno(errno);
    SyncFolderOf(path);
    return ERROR_SUCCESS;
}

FileStamp StampOf(const std::string& path) {
    struct stat st {};
    FileStamp stamp;
    if (!StatPath(path, st)) return stamp;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::int64_t>(st.st_size);
    constexpr std::int64_t kNanoseconds = 1000000000;
    stamp.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * kNanoseconds +
                     static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return stamp;
}

int KeepDamagedCopy(const std::string& path, const void* data, std::size_t size, unsigned mode,
                    std::string* copyPath) {
    for (int number = 1; number <= kMaxDamagedCopies; ++number) {
        std::string name = path + kDamagedSuffix;
        if (number > 1) name += '-' + std::to_string(number);
        // Creating the file first claims the name and gives it its mode.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              static_cast<mode_t>(mode));
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return 1;
        }
        ::close(fd);
        if (ReplaceFile(name, data, size) != 0) {
            ::unlink(name.c_str());
            return 1;
        }
        if (copyPath != nullptr) *copyPath = name;
        return 0;
    }
    return 1;
}

}  // namespace sys
