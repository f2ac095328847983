#pragma once

#include <functional>
#include <string>

#include "platform/sys/RegistryTree.h"

// Locked access to the registry file. A lock file beside it ("registry.reg.lock") is held with
// flock: shared while reading, exclusive while changing, so that programs (and threads) changing
// the registry at the same time take turns, each applying its change to what the others wrote.
//
// A damaged file never stops the registry: what can be read is used. Before a change replaces a
// file that had lines it could not read, or that was cut short (it does not end with the blank
// line after its last key, as every file written here does), the file is kept beside it as "registry.reg.damaged"
// (then "registry.reg.damaged-2", ...), so nothing the user had is thrown away. A file that
// cannot be read at all (permissions, I/O error) is never replaced.
//
// A new registry file and its copies are readable by the user only (mode 0600).
namespace sys {

class RegistryFile {
  public:
    explicit RegistryFile(std::string path);

    // The registry as the file holds it now; no file is an empty registry. ERROR_SUCCESS or
    // ERROR_CANTREAD.
    long Read(RegistryTree& tree) const;

    // Reads the file under the exclusive lock and runs `change` on its tree. When the change
    // returns ERROR_SUCCESS and says the tree changed, the file is replaced atomically. Returns
    // the change's result, ERROR_CANTREAD, or ERROR_CANTWRITE when the file (or the copy of a
    // damaged one) could not be written; the file is then as it was.
    using Change = std::function<long(RegistryTree& tree, bool& changed)>;
    long Update(const Change& change) const;

    const std::string& Path() const { return m_path; }

    // Keeps the file as it is now beside it as a damaged copy (a caller found values missing
    // that it had written; a file cut short is kept by the next Update instead): ERROR_SUCCESS or
    // ERROR_CANTWRITE. The copy is noted for TakeDamagedCopyNotice.
    long KeepDamagedCopyNow() const;

    // The path of the last damaged copy this process kept of a registry file, once; empty when
    // there is none (or it was taken already). The program tells the user about it.
    static std::string TakeDamagedCopyNotice();

  private:
    std::string m_path;
};

}  // namespace sys
