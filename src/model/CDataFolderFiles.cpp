#include "model/CDataFolderFiles.h"

#include "platform/sys/WinErrors.h"

void CDataFolderFiles::Remember(const std::string& path) {
    m_stamps[path] = sys::StampOf(path);
}

void CDataFolderFiles::Forget(const std::string& path) {
    m_stamps.erase(path);
}

std::string CDataFolderFiles::FirstChanged() const {
    for (const auto& [path, stamp] : m_stamps) {
        if (!(sys::StampOf(path) == stamp)) return path;
    }
    return {};
}

void CDataFolderFiles::SetFailure(Failure::Kind kind, std::string path, long error) {
    m_failure = {kind, std::move(path), error};
}

int CDataFolderFiles::Begin() {
    Abandon();
    m_failure = {};
    if (const std::string changed = FirstChanged(); !changed.empty()) {
        SetFailure(Failure::kChangedElsewhere, changed);
        return 1;
    }
    m_commit = std::make_unique<sys::FolderCommit>(m_folder);
    return 0;
}

int CDataFolderFiles::Stage(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    if (!m_commit) return 1;
    if (m_commit->Stage(name, bytes.data(), bytes.size()) != 0) {
        const sys::FolderCommit::Failure& failure = m_commit->LastFailure();
        SetFailure(Failure::kWriteFailed, failure.path, sys::ErrorFromErrno(failure.error));
        return 1;
    }
    m_staged.push_back(name);
    return 0;
}

int CDataFolderFiles::Commit() {
    if (!m_commit) return 1;
    const sys::FolderCommit::Outcome outcome = m_commit->Commit();
    const sys::FolderCommit::Failure failure = m_commit->LastFailure();
    m_commit.reset();
    if (outcome == sys::FolderCommit::kNothingChanged) {
        m_staged.clear();
        SetFailure(Failure::kWriteFailed, failure.path, sys::ErrorFromErrno(failure.error));
        return 1;
    }
    const bool pending = outcome == sys::FolderCommit::kPending;
    if (pending) SetFailure(Failure::kPending, failure.path, sys::ErrorFromErrno(failure.error));
    // A file whose rename is still to come is known again once it is done.
    for (const std::string& name : m_staged) {
        if (pending) {
            Forget(m_folder + name);
        } else {
            Remember(m_folder + name);
        }
    }
    m_staged.clear();
    return 0;
}

void CDataFolderFiles::Abandon() {
    if (m_commit) m_commit->Abandon();
    m_commit.reset();
    m_staged.clear();
}

int CDataFolderFiles::FinishInterruptedSave() {
    sys::FolderCommit::Failure failure;
    if (sys::FolderCommit::RollForward(m_folder, &failure) != 0) {
        SetFailure(Failure::kWriteFailed, failure.path, sys::ErrorFromErrno(failure.error));
        return 1;
    }
    sys::FolderCommit::RemoveStrayTemporaries(m_folder);
    return 0;
}
