#pragma once

#include <functional>
#include <string>
#include <vector>

// A copy of the files of a folder kept in a folder of its own (a backup). A file whose bytes are
// the same as the file of that name in an earlier snapshot becomes a hard link to it where the
// file system allows one (snapshots are never changed, so they can share their files), and a
// copy otherwise. A snapshot appears whole or not at all: it is built under a hidden name beside
// its place and renamed into it.
namespace sys {

class FolderSnapshot {
  public:
    using Filter = std::function<bool(const std::string& name)>;

    // Makes the folder `target` (which must not exist) from the regular files of `source` that
    // `include` accepts; `previous`, when not empty, is the snapshot to share files with. 0, or
    // 1 with the errno of the failure in `error` (nothing is left at `target`).
    static int Make(const std::string& source, const std::string& target,
                    const std::string& previous, const Filter& include, int* error = nullptr);

    // Removes a snapshot folder and the files in it. 0 or 1.
    static int Remove(const std::string& folder);

    // The names of the regular files of a folder, sorted.
    static std::vector<std::string> Files(const std::string& folder);

    // Whether a name is that of a snapshot still being built (or left half-built by a crash).
    static bool IsPartialName(const std::string& name);
};

}  // namespace sys
