#include "platform/sys/ProgramPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace sys {

std::string OwnExecutablePath() {
    std::vector<char> buffer(4096);
    const ssize_t size = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (size <= 0 || static_cast<std::size_t>(size) >= buffer.size() - 1) return {};
    return std::string(buffer.data(), static_cast<std::size_t>(size));
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::string FindOnSearchPath(std::string_view name, std::string_view searchPath) {
    if (name.empty()) return {};
    if (name.find('/') != std::string_view::npos) {
        const std::string path(name);
        return IsExecutableFile(path) ? path : std::string();
    }
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos) end = searchPath.size();
        std::string folder(searchPath.substr(start, end - start));
        if (folder.empty()) folder = ".";
        if (folder.back() != '/') folder += '/';
        const std::string candidate = folder + std::string(name);
        if (IsExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return {};
}

std::string FindProgram(std::string_view name) {
    const char* path = std::getenv("PATH");
    return FindOnSearchPath(name, path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin");
}

}  // namespace sys
