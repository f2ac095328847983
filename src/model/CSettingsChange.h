#pragma once

#include <string>
#include <string_view>

#include "model/EditOutcome.h"

class CVModel;

// The rules of the preferences screen for the folders and the institution directory, and the
// change of the data folder, which reads the data of the new folder in place of the old.
class CSettingsChange {
  public:
    // A folder the program can keep files in: a full path (beginning with "/") that exists, or
    // can be made, and can be written. Refused with IDS_FOLDER_NOT_ABSOLUTE or
    // IDS_FOLDER_NOT_USABLE (whose text takes the folder).
    static EditOutcome CheckFolder(std::wstring_view folder);
    // Empty (the directory that ships with the program), an https:// address, or an existing
    // file; refused with IDS_DIRECTORY_NOT_USABLE.
    static EditOutcome CheckInstitutionDirectory(std::wstring_view location);

    // Whether two folder texts name the same folder (a trailing "/" aside).
    static bool SameFolder(std::wstring_view a, std::wstring_view b);

    // Whether `folder` may be asked for as the data folder, before anything is made or stored:
    // refused with IDS_FOLDER_NOT_ABSOLUTE for a relative path; IDS_START_NEW_DATA_FOLDER to ask
    // (Yes/No) when the folder holds no data yet (missing, empty, or other files only), so that a
    // mistyped path does not quietly open an empty set of accounts; done for a data folder.
    static EditOutcome CheckDataFolder(std::wstring_view folder);

    // Makes `folder` the data folder. CheckDataFolder first: a folder without data is taken only
    // with `startNewData` (the question answered Yes). Then what changed is saved (refused with
    // IDS_DATA_NOT_SAVED_SCREEN when that fails), the folder is checked as CheckFolder does and
    // its writer's lock is taken while the old folder's is still held (refused with
    // IDS_DATA_FOLDER_IN_USE while another program holds it, IDS_DATA_FOLDER_NOT_LOCKABLE when no
    // lock file can be made), the preference "User Path" is set and the data is read from the
    // new folder (made, with its first accounts, when it holds none; damaged files read as far as
    // they can be); only then is the old folder's lock let go. When the new folder gives no data
    // at all the old one is set and read again, still locked, and the change is refused with
    // IDS_FOLDER_NOT_USABLE. On every refusal the old folder stays the data folder, locked, with
    // its data in memory. The same folder again changes nothing.
    static EditOutcome ChangeDataFolder(CVModel& model, std::wstring_view folder,
                                        bool startNewData);
};
