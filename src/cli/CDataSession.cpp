#include "cli/CDataSession.h"

#include "model/CVModel.h"
#include "model/DataFolderText.h"
#include "platform/sys/Console.h"
#include "platform/sys/Files.h"
#include "platform/sys/Registry.h"
#include "platform/sys/RegistryFile.h"
#include "resources/ScreenIds.h"
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
            // Without a runtime folder the data folder's own writer's lock still guards it.
            return 0;
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

void CDataSession::ReportLoad(bool reportProblems) {
    const CCVAccountList& list = Accounts();
    for (const CCVAccountList::DamagedFile& damaged : list.DamagedFiles()) {
        Say(Format(res::IDS_FILE_DAMAGED, damaged.path.c_str(), damaged.copyPath.c_str()));
    }
    if (!reportProblems) return;
    for (const CCVAccountList::FileProblem& problem : list.Problems()) Say(FileProblemText(problem));
}

int CDataSession::Open(const std::string& folder, Access access, bool reportProblems) {
    if (access == kChange) {
        if (const int rc = TakeMutex(); rc != 0) return rc;
    }
    startup::WireModel(m_model);
    // A command that only reads leaves the settings file as it is, missing values and all.
    if (access != kRead && m_model.PreparePreferences() != 0) {
        return Refuse(res::IDS_SETTINGS_NOT_WRITTEN, sys::RegistryFilePath().c_str());
    }
    if (const std::string copy = sys::RegistryFile::TakeDamagedCopyNotice(); !copy.empty()) {
        Say(Format(res::IDS_SETTINGS_DAMAGED, sys::RegistryFilePath().c_str(), copy.c_str()));
    }
    if (!Unlock()) return kExitRefused;
    const CVModel::AccessMode mode = access == kRead     ? CVModel::kReadOnly
                                     : access == kCreate ? CVModel::kCreate
                                                         : CVModel::kForChange;
    const int rc = m_model.InitForCommand(folder, mode);
    if (rc != 0 && access == kRead && !sys::FolderExists(m_model.GetDataFolder())) {
        return Refuse(res::IDS_CLI_NO_DATA_FOLDER, m_model.GetDataFolder().c_str());
    }
    if (const std::string text = OpenErrorText(rc, m_model.GetDataFolder()); !text.empty()) {
        Say(text);
        return kExitRefused;
    }
    if (rc != 0) {
        if (m_model.GetAccountList() != nullptr) ReportLoad(reportProblems);
        if (m_model.GetAccountList() != nullptr &&
            m_model.GetAccountList()->LastSaveFailure().kind != CDataFolderFiles::Failure::kNone) {
            Say(SaveFailureText(m_model.GetAccountList()->LastSaveFailure()));
        }
        return Refuse(res::IDS_DATA_NOT_LOADED, m_model.GetDataFolder().c_str(), rc);
    }
    ReportLoad(reportProblems);
    return 0;
}

int CDataSession::Save() {
    const int rc = m_model.SaveIfAllowed();
    const std::string text = m_model.GetAccountList() != nullptr
                                 ? SaveFailureText(m_model.GetAccountList()->LastSaveFailure())
                                 : std::string();
    if (!text.empty()) Say(text);
    if (rc != 0 && text.empty()) {
        return Refuse(res::IDS_DATA_NOT_SAVED, m_model.GetDataFolder().c_str(), rc);
    }
    return rc == 0 ? 0 : kExitRefused;
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
