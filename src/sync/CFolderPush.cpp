#include "sync/CFolderPush.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/sys/AtomicFile.h"
#include "platform/sys/Files.h"
#include "platform/sys/WinErrors.h"
#include "resources/ScreenIds.h"
#include "sync/CSyncDataFiles.h"

namespace {

constexpr const char* kCopySuffix = ".sync-XXXXXX";
constexpr const char* kAsideSuffix = ".old";
constexpr mode_t kPermissionBits = 07777;

bool g_exchangeAvailable = true;

std::string WithoutSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Fail(SyncFailure& failure, res::StringId message, const std::string& path, int error) {
    failure = SyncFailure{message, path, error != 0 ? sys::ErrorFromErrno(error) : 0, {}};
    return 1;
}

void RemoveFolder(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

// Removes the folder that was the target: its data files, then the folder itself. Anything else
// that appeared in it meanwhile stays, and so does the folder, beside the new one.
void RemoveOld(const std::string& folder) {
    std::vector<std::string> names;
    if (CSyncDataFiles::List(folder, names) != 0) return;
    for (const std::string& name : names) ::unlink((folder + '/' + name).c_str());
    ::rmdir(folder.c_str());
}

// The folder a path leads to (a link to a folder is followed, so that the link stays).
std::string Resolved(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// Puts `copy` in the place of `target`; `old` is then where `target`'s folder went.
int Exchange(const std::string& copy, const std::string& target, std::string& old,
             SyncFailure& failure) {
    if (g_exchangeAvailable &&
        ::renameat2(AT_FDCWD, copy.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
        old = copy;
        return 0;
    }
    if (g_exchangeAvailable && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        return Fail(failure, res::IDS_SYNC_WRITE_FAILED, target, errno);
    }
    // No exchange on this file system: aside, then in; put back when the second step fails.
    const std::string aside = copy + kAsideSuffix;
    if (::rename(target.c_str(), aside.c_str()) != 0) {
        return Fail(failure, res::IDS_SYNC_WRITE_FAILED, target, errno);
    }
    if (::rename(copy.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::rename(aside.c_str(), target.c_str());
        return Fail(failure, res::IDS_SYNC_WRITE_FAILED, target, error);
    }
    old = aside;
    return 0;
}

}  // namespace

void CFolderPush::SetExchangeAvailable(bool available) {
    g_exchangeAvailable = available;
}

int CFolderPush::Check(const std::string& target, SyncFailure& failure) {
    const std::string folder = WithoutSlash(target);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        return Fail(failure, res::IDS_SYNC_DIR_MISSING, folder, errno);
    }
    if (!S_ISDIR(st.st_mode)) return Fail(failure, res::IDS_SYNC_DIR_NOT_FOLDER, folder, 0);
    // The copy is made beside the folder and takes its place: both must be writable.
    for (const std::string& path : {folder, ParentOf(Resolved(folder))}) {
        if (::access(path.c_str(), W_OK | X_OK) != 0) {
            return Fail(failure, res::IDS_SYNC_DIR_NOT_WRITABLE, path, errno);
        }
    }
    std::vector<std::string> others;
    if (CSyncDataFiles::Others(folder, others) != 0) {
        return Fail(failure, res::IDS_SYNC_READ_FAILED, folder, errno);
    }
    if (!others.empty()) {
        failure = SyncFailure{res::IDS_SYNC_DIR_FOREIGN, folder, 0, others.front()};
        return 1;
    }
    return 0;
}

int CFolderPush::Copy(const std::string& dataFolder, const std::string& target, int& copied,
                      SyncFailure& failure) {
    copied = 0;
    const std::string folder = Resolved(WithoutSlash(target));
    const std::string source = WithoutSlash(dataFolder) + '/';
    std::vector<std::string> names;
    if (CSyncDataFiles::List(source, names) != 0) {
        return Fail(failure, res::IDS_SYNC_READ_FAILED, source, errno);
    }
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        return Fail(failure, res::IDS_SYNC_DIR_MISSING, folder, errno);
    }

    std::string copy = ParentOf(folder) + "/." + NameOf(folder) + kCopySuffix;
    if (::mkdtemp(copy.data()) == nullptr) {
        return Fail(failure, res::IDS_SYNC_DIR_NOT_WRITABLE, ParentOf(folder), errno);
    }
    for (const std::string& name : names) {
        std::vector<std::uint8_t> bytes;
        errno = 0;
        if (sys::ReadWholeFile(source + name, bytes) != 0) {
            const int error = errno != 0 ? errno : EIO;
            RemoveFolder(copy);
            return Fail(failure, res::IDS_SYNC_READ_FAILED, source + name, error);
        }
        sys::AtomicFile file;
        if (file.Open(copy + '/' + name) != 0 || file.Write(bytes.data(), bytes.size()) != 0 ||
            file.Commit() != 0) {
            const int error = file.ErrorNumber() != 0 ? file.ErrorNumber() : EIO;
            file.Abandon();
            RemoveFolder(copy);
            return Fail(failure, res::IDS_SYNC_WRITE_FAILED, folder + '/' + name, error);
        }
    }
    if (sys::SyncFolder(copy) != 0 || ::chmod(copy.c_str(), st.st_mode & kPermissionBits) != 0) {
        const int error = errno;
        RemoveFolder(copy);
        return Fail(failure, res::IDS_SYNC_WRITE_FAILED, folder, error);
    }
    std::string old;
    if (Exchange(copy, folder, old, failure) != 0) {
        RemoveFolder(copy);
        return 1;
    }
    sys::SyncFolder(ParentOf(folder));
    RemoveOld(old);
    copied = static_cast<int>(names.size());
    return 0;
}
