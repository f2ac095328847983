#include "platform/sys/KnownFolders.h"

#include <sys/stat.h>

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace sys {
namespace {

constexpr std::size_t kPasswdBufferSize = 16 * 1024;

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/') path.push_back('/');
    return path;
}

// The variable's value when it is set and not empty.
const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && value[0] != '\0') ? value : nullptr;
}

const char* AbsoluteVariable(const char* name) {
    const char* value = Variable(name);
    return (value != nullptr && value[0] == '/') ? value : nullptr;
}

}  // namespace

std::string HomeFolder() {
    if (const char* home = Variable("HOME")) return WithSlash(home);
    std::vector<char> buffer(kPasswdBufferSize);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] != '\0') {
        return WithSlash(found->pw_dir);
    }
    return "/";
}

std::string DocumentsFolder() {
    if (const char* documents = AbsoluteVariable("XDG_DOCUMENTS_DIR")) {
        return WithSlash(documents);
    }
    return HomeFolder() + "Documents/";
}

std::string ConfigFolder() {
    if (const char* home = Variable("COINVALE_HOME")) return WithSlash(home);
    if (const char* config = AbsoluteVariable("XDG_CONFIG_HOME")) {
        return WithSlash(config) + "coinvale/";
    }
    return HomeFolder() + ".config/coinvale/";
}

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
