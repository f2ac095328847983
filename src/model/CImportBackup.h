#pragma once

#include <string>

class CCVAccountList;

// What every import does before it changes the data, wherever it is started: the command line's
// import of a statement, QIF or CSV file, and the import screen's move of a pending account. The
// data folder as it is on disk is kept as a backup (CDataBackups::MakeNow), so that `coinvale
// backup restore` can undo the import as a whole.
class CImportBackup {
  public:
    // Makes the backup of the folder of `accounts` when that list keeps backups (the interactive
    // program's data, a command's that changes it; see CCVAccountList::SetBackups); a list that
    // does not is left alone. Empty when the import may go on; otherwise the import must not
    // change anything, and the text (UTF-8) says that no backup could be made and why.
    static std::string Make(const CCVAccountList& accounts);
};
