#pragma once

#include <string>
#include <string_view>

// Where programs are: this program's own executable, and a program found on the search path.
namespace sys {

// The full path of the running program's executable file; empty when it cannot be found.
std::string OwnExecutablePath();

// The folder of a file path, ending with '/' ("/usr/bin/coinvale" gives "/usr/bin/"); empty for
// a path without a folder.
std::string FolderOf(const std::string& path);

// Whether `path` names a regular file this user may execute.
bool IsExecutableFile(const std::string& path);

// The first executable file called `name` in the folders of `searchPath` (a PATH value, folders
// separated by ':'; an empty entry means the current folder); empty when there is none. A name
// with a '/' is not looked up: it answers itself when it is executable.
std::string FindOnSearchPath(std::string_view name, std::string_view searchPath);

// FindOnSearchPath with this program's PATH.
std::string FindProgram(std::string_view name);

}  // namespace sys
