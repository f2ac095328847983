#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Files and folders by native path (UTF-8). A folder path may end with '/'.
namespace sys {

bool PathExists(const std::string& path);
bool FileExists(const std::string& path);    // a regular file (after following links)
bool FolderExists(const std::string& path);  // a directory (after following links)

// Creates the folder and any missing parents (mode 0777 less the umask). Returns 0 when the
// folder exists afterwards, 1 otherwise.
int CreateFolder(const std::string& path);

// Opens a regular file for reading (honouring an injected read fault): its descriptor, which
// the caller closes, with the file's size in `size`; -1 when it cannot be opened or is no
// regular file.
int OpenFileForReading(const std::string& path, std::size_t& size);

// Reads the whole file into `out`. Returns 0 on success, 1 when the file cannot be opened or
// read (out is then empty).
int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);

// Replaces (or creates) the file with `size` bytes atomically: see AtomicFile. Returns 0 on
// success, 1 on any failure, which leaves an existing file unchanged.
int ReplaceFile(const std::string& path, const void* data, std::size_t size);

// The names of the entries of a folder, "." and ".." left out, in no particular order. 0, or 1
// when the folder cannot be read (names is then empty).
int ListFolder(const std::string& folder, std::vector<std::string>& names);

// Moves (renames) a file within its file system, never replacing an existing file, and flushes
// the folder. Returns ERROR_SUCCESS, or the code of WinErrors.h: ERROR_ALREADY_EXISTS when
// something is already at `to`, ERROR_FILE_NOT_FOUND when `from` is missing, and so on.
long MoveFileNoReplace(const std::string& from, const std::string& to);

// Removes a file. ERROR_SUCCESS or the code of WinErrors.h.
long RemoveFile(const std::string& path);

// What identifies a file's contents without reading them: its device and inode (a replacement
// by rename is a new inode), size and modification time in nanoseconds. A missing path has
// `exists` false and zeros.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& path);

// Keeps the bytes of a damaged file beside it, as path + ".damaged" (then ".damaged-2", ...),
// never replacing an earlier copy; the copy is created with `mode` less the umask. 0 with the
// copy's path in `copyPath`, or 1 when no copy could be written.
int KeepDamagedCopy(const std::string& path, const void* data, std::size_t size,
                    unsigned mode, std::string* copyPath = nullptr);

}  // namespace sys
