#include "model/CVModel.h"

#include "model/CScheduledList.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Files.h"
#include "preferences/CCVTodayPlugIn.h"

namespace {

// How long a writer waits for another one: the interactive program for a command to finish, a
// command for another command (a command holds the lock well under a second).
constexpr std::chrono::milliseconds kProgramWait{3000};
constexpr std::chrono::milliseconds kCommandWait{10000};

std::string FolderPath(const std::wstring& path) {
    std::string folder = sys::WideToUtf8(path);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

// What taking a folder's writer's lock answers: 0, kDataFolderInUse or kNoLockPossible.
int LockOutcome(sys::FolderLock::Result result) {
    switch (result) {
        case sys::FolderLock::kAcquired:
            return 0;
        case sys::FolderLock::kHeldElsewhere:
            return CVModel::kDataFolderInUse;
        default:
            return CVModel::kNoLockPossible;
    }
}

}  // namespace

CVModel* CVModel::GetModel() {
    static CVModel model;
    return &model;
}

CVModel::CVModel() = default;

CVModel::~CVModel() = default;

CCVPreferences& CVModel::GetPreferences() {
    if (!m_preferences) m_preferences = std::make_unique<CCVPreferences>();
    return *m_preferences;
}

CCVPassword& CVModel::Password() {
    if (!m_password) {
        m_password = std::make_unique<CCVPassword>(
            [this](CCVPassword::Crib& crib) { return GetPreferences().GetPasswordCrib(crib); },
            [this](const CCVPassword::Crib& crib) {
                return GetPreferences().SetPasswordCrib(crib) ? 0 : 1;
            });
    }
    return *m_password;
}

const CBlowfish* CVModel::GetPasswordCipher() const {
    return m_password ? m_password->Cipher() : nullptr;
}

int CVModel::ChangePassword(std::string_view newPassword, std::string_view currentPassword) {
    const int rc = Password().ChangePassword(newPassword, currentPassword);
    if (rc == CCVPassword::kRight && m_initialised) {
        // The protected bytes of every account record are stored under the new password.
        m_accountList->MarkAccountsUnsaved();
        SaveIfAllowed();
    }
    return rc;
}

int CVModel::PreparePreferences() {
    CCVPreferences& preferences = GetPreferences();
    if (const int rc = preferences.SelectUser(); rc != 0) return rc;
    return preferences.SelectAccount(preferences.GetLastActiveAccount());
}

void CVModel::ReadFolders() {
    const CCVPreferences& preferences = GetPreferences();
    m_dataFolder = FolderPath(preferences.GetUserPath());
    m_importFolder = FolderPath(preferences.GetImportPath());
}

void CVModel::MakeAccountList() {
    // A list left by a failed load is replaced, never loaded into a second time; a report made
    // over it goes with it.
    m_reports.reset();
    m_accountList = std::make_unique<CCVAccountList>(m_listMakers);
    m_accountList->SetPasswordHolder(&Password());
    m_accountList->SetPreferences(&GetPreferences());
}

int CVModel::LockDataFolder(std::chrono::milliseconds wait) {
    return LockOutcome(m_writerLock.Acquire(m_dataFolder, m_lockWait.value_or(wait)));
}

int CVModel::ReserveDataFolder(const std::wstring& folder) {
    return LockOutcome(m_formerLock.Acquire(FolderPath(folder), m_lockWait.value_or(kProgramWait)));
}

int CVModel::InitForCommand(const std::string& folder, AccessMode mode) {
    if (m_initialised) return 0;
    ReadFolders();
    if (!folder.empty()) m_dataFolder = folder.back() == '/' ? folder : folder + '/';
    if (mode == kForChange && !CCVAccountList::HoldsData(m_dataFolder)) return kNoDataFolder;
    if (mode == kCreate && sys::CreateFolder(m_dataFolder) != 0) return kFolderNotMade;
    if (mode != kReadOnly) {
        if (const int rc = LockDataFolder(kCommandWait); rc != 0) return rc;
        // Checked again under the lock: another init may have come first.
        if (mode == kCreate && CCVAccountList::HoldsData(m_dataFolder)) {
            m_writerLock.Release();
            return kAlreadyADataFolder;
        }
    }
    MakeAccountList();
    m_accountList->SetBackups(mode != kReadOnly);
    const int rc = mode == kReadOnly ? m_accountList->Inspect(m_dataFolder)
                                     : m_accountList->Load(m_dataFolder);
    if (m_reportMaker) m_reports = m_reportMaker(*m_accountList);
    if (rc == 0) m_initialised = true;
    return rc;
}

int CVModel::Init() {
    if (m_initialised) return 0;
    ReadFolders();
    // The program runs unguarded only where no lock file can be made (a read-only folder, which
    // it cannot save to either).
    sys::CreateFolder(m_dataFolder);
    // A folder reserved for a change of data folder is opened under the lock taken then; the
    // folder left stays locked in its place.
    if (m_formerLock.IsHeld() && m_formerLock.Folder() == m_dataFolder) {
        m_writerLock.Swap(m_formerLock);
    }
    if (LockDataFolder(kProgramWait) == kDataFolderInUse) return kDataFolderInUse;
    MakeAccountList();
    m_accountList->SetBackups(true);
    const int rc = m_accountList->Load(m_dataFolder);
    if (!m_importList) {
        m_importList = std::make_unique<CCVAccountList>();
        m_importList->SetPasswordHolder(&Password());
        m_importList->LoadImports(m_importFolder);  // an empty or missing folder is no error
    }
    if (m_reportMaker) m_reports = m_reportMaker(*m_accountList);
    // The reminder program steps back while this program runs. The nearest reminder time
    // belongs to the scheduled transactions, which write it whenever they change; a time of 0
    // (none, or never written) is worked out again from the list just read.
    CCVTodayPlugIn::WriteReminderStatus(CCVTodayPlugIn::kProgramRunning);
    if (CScheduledList* scheduled = m_accountList->GetScheduledTransactions()) {
        scheduled->RefreshReminderTimeIfUnset(*m_accountList);
    }
    if (rc == 0) m_initialised = true;
    return rc;
}

int CVModel::Reinit() {
    m_reports.reset();
    m_importList.reset();
    if (m_accountList) {
        m_accountList->ClearReferenceLists();
        m_accountList.reset();
    }
    m_initialised = false;
    return Init();
}

int CVModel::SaveChanges() {
    if (!m_accountList || m_reloadPending) return 0;
    return m_accountList->SaveAll();
}

int CVModel::SaveAndRelease() {
    const int rc = SaveIfAllowed();
    m_reports.reset();
    m_accountList.reset();
    m_initialised = false;
    m_writerLock.Release();
    m_formerLock.Release();
    return rc;
}

int CVModel::SetCurrentAccount(std::int64_t index) {
    return m_accountList ? m_accountList->SetCurrentAccount(index) : 1;
}

CCVAccount* CVModel::GetCurrentAccount() const {
    return m_accountList ? m_accountList->At(m_accountList->GetCurrentAccountIndex()) : nullptr;
}
