#pragma once

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

// Reads the whole file into `out`. Returns 0 on success, 1 when the file cannot be opened or
// read (out is then empty).
int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);

// Replaces (or creates) the file with `size` bytes atomically: see AtomicFile. Returns 0 on
// success, 1 on any failure, which leaves an existing file unchanged.
int ReplaceFile(const std::string& path, const void* data, std::size_t size);

}  // namespace sys
