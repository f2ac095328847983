#include "model/CSettingsChange.h"

#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Files.h"
#include "resources/ScreenIds.h"

namespace {

constexpr std::wstring_view kHttps = L"https://";
// Written and removed again to learn whether a folder can be written.
constexpr char kProbeName[] = ".coinvale-write-check";

std::wstring_view WithoutSlash(std::wstring_view folder) {
    while (folder.size() > 1 && folder.back() == L'/') folder.remove_suffix(1);
    return folder;
}

}  // namespace

EditOutcome CSettingsChange::CheckFolder(std::wstring_view folder) {
    if (folder.empty() || folder.front() != L'/') {
        return EditOutcome::Refused(res::IDS_FOLDER_NOT_ABSOLUTE);
    }
    std::string path = sys::WideToUtf8(folder);
    if (path.back() != '/') path += '/';
    const char probe = 0;
    if (sys::CreateFolder(path) != 0 ||
        sys::ReplaceFile(path + kProbeName, &probe, sizeof probe) != 0) {
        return EditOutcome::Refused(res::IDS_FOLDER_NOT_USABLE);
    }
    sys::RemoveFile(path + kProbeName);
    return EditOutcome::Done();
}

EditOutcome CSettingsChange::CheckInstitutionDirectory(std::wstring_view location) {
    if (location.empty() || location.starts_with(kHttps) ||
        sys::FileExists(sys::WideToUtf8(location))) {
        return EditOutcome::Done();
    }
    return EditOutcome::Refused(res::IDS_DIRECTORY_NOT_USABLE);
}

bool CSettingsChange::SameFolder(std::wstring_view a, std::wstring_view b) {
    return WithoutSlash(a) == WithoutSlash(b);
}

EditOutcome CSettingsChange::CheckDataFolder(std::wstring_view folder) {
    if (folder.empty() || folder.front() != L'/') {
        return EditOutcome::Refused(res::IDS_FOLDER_NOT_ABSOLUTE);
    }
    if (!CCVAccountList::HoldsData(sys::WideToUtf8(folder))) {
        return EditOutcome::Ask(res::IDS_START_NEW_DATA_FOLDER);
    }
    return EditOutcome::Done();
}

EditOutcome CSettingsChange::ChangeDataFolder(CVModel& model, std::wstring_view folder,
                                              bool startNewData) {
    CCVPreferences& preferences = model.GetPreferences();
    const std::wstring old = preferences.GetUserPath();
    if (SameFolder(old, folder)) return EditOutcome::Done();
    if (const EditOutcome check = CheckDataFolder(folder);
        !check.IsDone() && !(check.result == EditOutcome::kAsk && startNewData)) {
        return check;
    }
    if (model.SaveChanges() != 0) return EditOutcome::Refused(res::IDS_DATA_NOT_SAVED_SCREEN);
    if (const EditOutcome usable = CheckFolder(folder); !usable.IsDone()) return usable;
    // The new folder is locked before the old one is let go: no command writes either of them
    // while the change is under way, nor the old one again if the change is given up.
    switch (model.ReserveDataFolder(std::wstring(folder))) {
        case 0:
            break;
        case CVModel::kDataFolderInUse:
            return EditOutcome::Refused(res::IDS_DATA_FOLDER_IN_USE);
        default:
            return EditOutcome::Refused(res::IDS_DATA_FOLDER_NOT_LOCKABLE);
    }
    if (!preferences.SetUserPath(folder)) {
        model.ReleaseFormerDataFolder();
        return EditOutcome::Refused(res::IDS_PREFERENCES_NOT_STORED);
    }
    // Damaged files are read as far as they can be, as at a start; only a folder that gives no
    // data at all is given up.
    if (model.Reinit() == 0 || model.GetAccountList() != nullptr) {
        model.ReleaseFormerDataFolder();
        return EditOutcome::Done();
    }
    // The old folder again, as it was, under the lock it kept.
    preferences.SetUserPath(old);
    model.Reinit();
    model.ReleaseFormerDataFolder();
    return EditOutcome::Refused(res::IDS_FOLDER_NOT_USABLE);
}
