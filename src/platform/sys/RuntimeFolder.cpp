#include "platform/sys/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace sys {
namespace {

constexpr mode_t kPrivateFolderMode = 0700;

}  // namespace

std::string RuntimeFolder() {
    std::string folder;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        folder = std::string(runtime) + "/coinvale/";
    } else {
        folder = "/tmp/coinvale-" + std::to_string(getuid()) + "/";
    }
    if (mkdir(folder.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) return {};
    struct stat info {};
    // A folder someone else made (in /tmp) must not be used.
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        return {};
    }
    return folder;
}

}  // namespace sys
