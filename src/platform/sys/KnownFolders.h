#pragma once

#include <string>

// The user's folders, as native paths that end with '/'.
namespace sys {

// $HOME, else the home folder of the user's account entry, else "/".
std::string HomeFolder();

// The documents folder: $XDG_DOCUMENTS_DIR when it is an absolute path, else ~/Documents/.
std::string DocumentsFolder();

// The folder of the program's own settings (the registry file): $COINVALE_HOME when set, else
// $XDG_CONFIG_HOME/coinvale/ when that is an absolute path, else ~/.config/coinvale/.
std::string ConfigFolder();

// The folder for the user's live objects shared between programs (broadcast sockets, lock
// files): $XDG_RUNTIME_DIR/coinvale/, else /tmp/coinvale-<uid>/, created with mode 0700 when
// missing. The empty text when it cannot be created or is not the user's own.
std::string RuntimeFolder();

}  // namespace sys
