#pragma once

#include <string>

// The folder for the user's live objects shared between programs (broadcast sockets, lock files):
// $XDG_RUNTIME_DIR/coinvale/, else /tmp/coinvale-<uid>/, created with mode 0700 when missing.
namespace sys {

// The folder path, ending with '/'; the empty text when it cannot be created or is not the
// user's own.
std::string RuntimeFolder();

}  // namespace sys
