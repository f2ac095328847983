#include "model/DataFolderText.h"

#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "platform/sys/WinErrors.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace {

std::string Text(res::StringId id) {
    return sys::WideToUtf8(res::LoadString(id));
}

template <typename... Args>
std::string Format(res::StringId id, Args... args) {
    return sys::FormatText(Text(id), args...);
}

}  // namespace

std::string FileErrorCause(long error) {
    switch (error) {
        case sys::ERROR_DISK_FULL:
            return Text(res::IDS_CAUSE_DISK_FULL);
        case sys::ERROR_ACCESS_DENIED:
            return Text(res::IDS_CAUSE_PERMISSION);
        case sys::ERROR_GEN_FAILURE:
            return Text(res::IDS_CAUSE_IO_ERROR);
        case sys::ERROR_FILE_NOT_FOUND:
        case sys::ERROR_PATH_NOT_FOUND:
            return Text(res::IDS_CAUSE_NOT_FOUND);
        default:
            return Format(res::IDS_CAUSE_OTHER, error);
    }
}

std::string SaveFailureText(const CDataFolderFiles::Failure& failure) {
    using Failure = CDataFolderFiles::Failure;
    switch (failure.kind) {
        case Failure::kChangedElsewhere:
            return Format(res::IDS_SAVE_CHANGED_ELSEWHERE, failure.path.c_str());
        case Failure::kWriteFailed:
            return Format(res::IDS_SAVE_WRITE_FAILED, failure.path.c_str(),
                          FileErrorCause(failure.error).c_str());
        case Failure::kPending:
            return Format(res::IDS_SAVE_PENDING, failure.path.c_str(),
                          FileErrorCause(failure.error).c_str());
        case Failure::kReadOnly:
        case Failure::kNone:
            break;
    }
    return {};
}

std::string FileProblemText(const CCVAccountList::FileProblem& problem) {
    using Problem = CCVAccountList::FileProblem;
    const char* path = problem.path.c_str();
    switch (problem.kind) {
        case Problem::kMissing:
            return Format(res::IDS_CLI_FILE_PROBLEM_MISSING, path);
        case Problem::kDamaged:
            return Format(res::IDS_CLI_FILE_PROBLEM_DAMAGED, path);
        case Problem::kNotAnAccount:
            return Format(res::IDS_FILE_NOT_AN_ACCOUNT, path);
        case Problem::kNotAFile:
            return Format(res::IDS_FILE_NOT_A_FILE, path);
        case Problem::kUnfinishedSave:
            return Format(res::IDS_UNFINISHED_SAVE, path);
        case Problem::kUnreadable:
            break;
    }
    return Format(res::IDS_CLI_FILE_PROBLEM_UNREADABLE, path);
}

std::string OpenErrorText(int error, const std::string& folder) {
    switch (error) {
        case CVModel::kDataFolderInUse:
            return Format(res::IDS_DATA_FOLDER_IN_USE, folder.c_str());
        case CVModel::kNoLockPossible:
            return Format(res::IDS_DATA_FOLDER_NOT_LOCKABLE, folder.c_str());
        case CVModel::kNoDataFolder:
            return Format(res::IDS_NO_DATA_FOR_CHANGE, folder.c_str(), folder.c_str());
        case CVModel::kAlreadyADataFolder:
            return Format(res::IDS_INIT_ALREADY, folder.c_str());
        case CVModel::kFolderNotMade:
            return Format(res::IDS_INIT_FAILED, folder.c_str());
        default:
            return {};
    }
}
