#include "cli/CDataSession.h"

#include "model/CVModel.h"
#include "platform/sys/Console.h"
#include "platform/sys/Files.h"
#include "platform/sys/Registry.h"
#include "startup/ModelWiring.h"
#include "storage/CCVPassword.h"

namespace cli {

int CDataSession::TakeMutex() {
    switch (m_mutex.TryAcquire()) {
        case sys::NamedMutex::kAcquired:
            return 0;
        case sys::NamedMutex::kHeldElsewhere:
            return Refuse(res::IDS_CLI_DATA_IN_USE);
        default:
            return Refuse(res::IDS_CLI_LOCK_UNAVAILABLE);
    }
}

bool CDataSession::Unlock() {
    if (m_model.PasswordState() != CCVPassword::kPasswordSet) return true;
    std::fprintf(m_errors, "%s ", Text(res::IDS_ENTER_PASSWORD).c_str());
    std::fflush(m_errors);
    if (m_model.CheckPassword(Stored(sys::ReadSecretLine())) == CCVPassword::kRight) return true;
    Refuse(res::IDS_PASSWORD_INCORRECT);
    return false;
}

void CDataSession::ReportLoad(Access access, bool reportProblems) {
    const CCVAccountList& list = Accounts();
    for (const CCVAccountList::DamagedFile& damaged : list.DamagedFiles()) {
        Say(Format(res::IDS_FILE_DAMAGED, damaged.path.c_str(), damaged.copyPath.c_str()));
    }
    if (access != kRead || !reportProblems) return;
    for (const CCVAccountList::FileProblem& problem : list.Problems()) {
        const res::StringId id = problem.kind == CCVAccountList::FileProblem::kMissing
                                     ? res::IDS_CLI_FILE_PROBLEM_MISSING
                                 : problem.kind == CCVAccountList::FileProblem::kDamaged
                                     ? res::IDS_CLI_FILE_PROBLEM_DAMAGED
                                     : res::IDS_CLI_FILE_PROBLEM_UNREADABLE;
        Say(Format(id, problem.path.c_str()));
    }
}

int CDataSession::Open(const std::string& folder, Access access, bool reportProblems) {
    if (access == kChange) {
        if (const int rc = TakeMutex(); rc != 0) return rc;
    }
    startup::WireModel(m_model);
    if (m_model.PreparePreferences() != 0) {
        return Refuse(res::IDS_SETTINGS_NOT_WRITTEN, sys::RegistryFilePath().c_str());
    }
    if (!Unlock()) return kExitRefused;
    const int rc =
        m_model.InitForCommand(folder, access == kRead ? CVModel::kReadOnly : CVModel::kForChange);
    if (rc != 0 && access == kRead && !sys::FolderExists(m_model.GetDataFolder())) {
        return Refuse(res::IDS_CLI_NO_DATA_FOLDER, m_model.GetDataFolder().c_str());
    }
    if (rc != 0) {
        if (m_model.GetAccountList() != nullptr) ReportLoad(access, reportProblems);
        return Refuse(res::IDS_DATA_NOT_LOADED, m_model.GetDataFolder().c_str(), rc);
    }
    ReportLoad(access, reportProblems);
    return 0;
}

int CDataSession::Save() {
    if (const int rc = m_model.SaveIfAllowed(); rc != 0) {
        return Refuse(res::IDS_DATA_NOT_SAVED, m_model.GetDataFolder().c_str(), rc);
    }
    return 0;
}

CCVAccountList& CDataSession::Accounts() {
    return *m_model.GetAccountList();
}

CCVAccount* CDataSession::FindAccount(const std::string& name) {
    CCVAccountList& list = Accounts();
    const std::string stored = Stored(name);
    if (const CCVAccount* exact = list.FindAccountByName(stored.c_str())) {
        return list.At(list.FindAccount(exact));
    }
    // Account names are unique whatever their letter case, so this finds one at most.
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        if (SameText(list.At(i)->GetName(), stored)) return list.At(i);
    }
    Refuse(res::IDS_CLI_NO_ACCOUNT, name.c_str());
    return nullptr;
}

void CDataSession::Say(const std::string& message) {
    std::fprintf(m_errors, "%s\n", message.c_str());
}

}  // namespace cli
