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

    // Makes `folder` the data folder: what changed is saved first (refused with
    // IDS_DATA_NOT_SAVED_SCREEN, nothing else changed, when that fails), then the preference
    // "User Path" is set and the data is read from the new folder (made, with its first accounts,
    // when it is empty; damaged files read as far as they can be). When the new folder gives no
    // data at all the old one is set and read again and the change is refused with
    // IDS_FOLDER_NOT_USABLE. The same folder again changes nothing.
    static EditOutcome ChangeDataFolder(CVModel& model, std::wstring_view folder);
};
