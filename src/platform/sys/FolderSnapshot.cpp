#include "platform/sys/FolderSnapshot.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "platform/sys/AtomicFile.h"
#include "platform/sys/Files.h"

namespace sys {
namespace {

constexpr const char* kPartialPrefix = ".partial-";

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

std::string WithoutSlash(const std::string& folder) {
    return folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
}

// The same bytes in both files.
bool SameBytes(const std::string& a, const std::string& b) {
    if (!FileExists(b) || StampOf(a).size != StampOf(b).size) return false;
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> second;
    return ReadWholeFile(a, first) == 0 && ReadWholeFile(b, second) == 0 && first == second;
}

// A synced copy of `from` at `to`. 0, or the errno.
int CopyFile(const std::string& from, const std::string& to) {
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(from, bytes) != 0) return errno != 0 ? errno : EIO;
    AtomicFile file;
    if (file.Open(to) != 0 || file.Write(bytes.data(), bytes.size()) != 0 || file.Prepare() != 0 ||
        file.Install() != 0) {
        file.Abandon();
        return file.ErrorNumber();
    }
    return 0;
}

}  // namespace

std::vector<std::string> FolderSnapshot::Files(const std::string& folderPath) {
    const std::string folder = WithSlash(folderPath);
    std::vector<std::string> names;
    std::vector<std::string> files;
    if (ListFolder(folder, names) != 0) return files;
    for (const std::string& name : names) {
        if (FileExists(folder + name)) files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool FolderSnapshot::IsPartialName(const std::string& name) {
    return name.rfind(kPartialPrefix, 0) == 0;
}

int FolderSnapshot::Make(const std::string& sourcePath, const std::string& targetPath,
                         const std::string& previousPath, const Filter& include, int* error) {
    const std::string source = WithSlash(sourcePath);
    const std::string target = WithoutSlash(targetPath);
    const std::string previous = previousPath.empty() ? std::string() : WithSlash(previousPath);
    const std::size_t slash = target.rfind('/');
    const std::string parent = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string partial =
        parent + kPartialPrefix + target.substr(slash == std::string::npos ? 0 : slash + 1);
    const auto fail = [&](int cause) {
        if (error != nullptr) *error = cause != 0 ? cause : EIO;
        Remove(partial);
        return 1;
    };
    if (PathExists(target)) return fail(EEXIST);
    Remove(partial);  // left by an earlier attempt
    if (CreateFolder(parent) != 0 || ::mkdir(partial.c_str(), 0700) != 0) return fail(errno);
    for (const std::string& name : Files(source)) {
        if (!include(name)) continue;
        const std::string from = source + name;
        const std::string to = partial + '/' + name;
        // Share the earlier snapshot's file when nothing changed; a file system without hard
        // links gets a copy.
        if (!previous.empty() && SameBytes(from, previous + name) &&
            ::link((previous + name).c_str(), to.c_str()) == 0) {
            continue;
        }
        if (const int cause = CopyFile(from, to); cause != 0) return fail(cause);
    }
    if (SyncFolder(partial) != 0) return fail(errno);
    if (::rename(partial.c_str(), target.c_str()) != 0) return fail(errno);
    SyncFolder(parent);
    return 0;
}

int FolderSnapshot::Remove(const std::string& folderPath) {
    const std::string folder = WithSlash(folderPath);
    if (!FolderExists(folder)) return PathExists(WithoutSlash(folder)) ? 1 : 0;
    std::vector<std::string> names;
    ListFolder(folder, names);
    for (const std::string& name : names) ::unlink((folder + name).c_str());
    return ::rmdir(WithoutSlash(folder).c_str()) == 0 ? 0 : 1;
}

}  // namespace sys
