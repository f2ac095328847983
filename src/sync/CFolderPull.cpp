#include "sync/CFolderPull.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

#include "model/CDataBackups.h"
#include "platform/sys/Files.h"
#include "platform/sys/FolderCommit.h"
#include "platform/sys/WinErrors.h"
#include "resources/ScreenIds.h"
#include "sync/CSyncDataFiles.h"

namespace {

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

int Fail(SyncFailure& failure, res::StringId message, const std::string& path, int error) {
    failure = SyncFailure{message, path, error != 0 ? sys::ErrorFromErrno(error) : 0, {}};
    return 1;
}

}  // namespace

int CFolderPull::Check(const std::string& source, SyncFailure& failure) {
    std::string folder = source;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        return Fail(failure, res::IDS_SYNC_DIR_MISSING, folder, errno);
    }
    if (!S_ISDIR(st.st_mode)) return Fail(failure, res::IDS_SYNC_DIR_NOT_FOLDER, folder, 0);
    std::vector<std::string> names;
    if (CSyncDataFiles::List(folder, names) != 0) {
        return Fail(failure, res::IDS_SYNC_READ_FAILED, folder, errno);
    }
    if (names.empty()) return Fail(failure, res::IDS_SYNC_DIR_NO_DATA, folder, 0);
    return 0;
}

int CFolderPull::Bring(const std::string& source, const std::string& dataFolder, int& brought,
                       SyncFailure& pending, SyncFailure& failure) {
    brought = 0;
    pending = SyncFailure{};
    const std::string from = WithSlash(source);
    const std::string data = WithSlash(dataFolder);
    std::vector<std::string> incoming;
    std::vector<std::string> present;
    if (CSyncDataFiles::List(from, incoming) != 0) {
        return Fail(failure, res::IDS_SYNC_READ_FAILED, from, errno);
    }
    if (CSyncDataFiles::List(data, present) != 0) {
        return Fail(failure, res::IDS_SYNC_READ_FAILED, data, errno);
    }

    // Everything is read before anything is written: a file of `source` that cannot be read
    // stops the pull with the data folder untouched.
    sys::FolderCommit commit(data);
    for (const std::string& name : incoming) {
        std::vector<std::uint8_t> bytes;
        errno = 0;
        if (sys::ReadWholeFile(from + name, bytes) != 0) {
            return Fail(failure, res::IDS_SYNC_READ_FAILED, from + name, errno != 0 ? errno : EIO);
        }
        std::vector<std::uint8_t> mine;
        if (sys::FileExists(data + name) && sys::ReadWholeFile(data + name, mine) == 0 &&
            mine == bytes) {
            continue;  // the same bytes: left as it is
        }
        if (commit.Stage(name, bytes.data(), bytes.size()) != 0) {
            return Fail(failure, res::IDS_SYNC_WRITE_FAILED, commit.LastFailure().path,
                        commit.LastFailure().error);
        }
    }
    for (const std::string& name : present) {
        if (!std::binary_search(incoming.begin(), incoming.end(), name)) commit.StageRemoval(name);
    }
    brought = static_cast<int>(incoming.size());
    if (commit.Empty()) return 0;

    // The folder as it was stays at hand as a backup.
    if (!present.empty()) {
        CDataBackups backups(data);
        if (backups.MakeNow() != 0) {
            commit.Abandon();
            const CDataFolderFiles::Failure& why = backups.LastFailure();
            failure = SyncFailure{res::IDS_SYNC_WRITE_FAILED, why.path, why.error, {}};
            return 1;
        }
    }
    switch (commit.Commit()) {
        case sys::FolderCommit::kDone:
            return 0;
        case sys::FolderCommit::kPending:
            pending = SyncFailure{res::IDS_SYNC_PULL_PENDING,
                                  commit.LastFailure().path,
                                  sys::ErrorFromErrno(commit.LastFailure().error),
                                  {}};
            return 0;
        case sys::FolderCommit::kNothingChanged:
            break;
    }
    return Fail(failure, res::IDS_SYNC_WRITE_FAILED, commit.LastFailure().path,
                commit.LastFailure().error);
}
