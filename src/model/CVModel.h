#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/CCVAccountList.h"
#include "model/ListMakers.h"
#include "platform/sys/FolderLock.h"
#include "preferences/CCVPreferences.h"
#include "storage/CCVPassword.h"

class CBlowfish;

// The one object through which the screens and services reach the stored data. It owns the
// account list (and through it every account and reference list), the list of accounts waiting
// in the import folder, the preferences and the password cipher; it decides where the data lives
// and when it is loaded, saved and, after a desktop synchronisation, thrown away and reloaded.
//
//   start-up      SetListMakers, SetReportMaker, PreparePreferences, then (after the password,
//                 when one is set) Init
//   running       the screens change the data in memory; SaveChanges writes what changed
//   sync start    SaveIfAllowed; sync end: SetReloadPending(true), and nothing is saved until
//                 Reinit has reloaded the files the desktop companion left
//   end           SaveAndRelease
//
// The hand-over slots carry a screen's object to the next screen; the model does not own them.
class CVModel {
  public:
    // The process-wide model.
    static CVModel* GetModel();

    CVModel();
    ~CVModel();
    CVModel(const CVModel&) = delete;
    CVModel& operator=(const CVModel&) = delete;

    // How the lists of other layers are made (see ListMakers); takes effect at the next Init.
    void SetListMakers(ListMakers makers) { m_listMakers = std::move(makers); }
    // How the report object is made over the account list: the report engine lives above the
    // model, so the program installs its maker. Without one there is no report object.
    using ReportMaker = std::function<std::unique_ptr<CCVItemList>(CCVAccountList&)>;
    void SetReportMaker(ReportMaker maker) { m_reportMaker = std::move(maker); }

    // What Init and InitForCommand answer besides 0 and the load's own codes.
    enum InitError : int {
        kDataFolderInUse = 16,   // another program holds the folder's writer's lock
        kNoLockPossible = 17,    // no lock file can be made in the folder
        kNoDataFolder = 18,      // a command that changes data found no data at the folder
        kAlreadyADataFolder = 19,  // InitForCommand(kCreate) found data there already
        kFolderNotMade = 20,       // InitForCommand(kCreate) could not make the folder
    };

    // Loads the data folder of the preferences ("User Path"): see CCVAccountList::Load. Also
    // fills the import list from "Import Path", makes the report object over the account list
    // and tells the reminder program that the program runs. 0, or the load's error (the model then
    // stays uninitialised and holds what was read). Does nothing once initialised.
    int Init();
    // For a command run beside the interactive program (the command line): loads the data folder
    // `folder` (the preferences' when empty) but neither fills the import list nor tells the
    // reminder program anything. kForChange takes the folder's writer's lock (waiting a few
    // seconds for another writer) and loads as Init does (damaged files are kept beside
    // themselves), but never makes a data folder: a folder without data files answers
    // kNoDataFolder. kCreate makes the folder with its list files and first accounts, and
    // answers kAlreadyADataFolder where data is. kReadOnly changes nothing on disk and never
    // saves (see CCVAccountList::Inspect). 0, or the load's error. Does nothing once initialised.
    enum AccessMode { kReadOnly, kForChange, kCreate };
    int InitForCommand(const std::string& folder, AccessMode mode);
    // How long Init and InitForCommand wait for another writer of the folder (by default a few
    // seconds); tests that try a held folder wait less.
    void SetLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }
    // For a change of data folder: takes the writer's lock of `folder` while the present
    // folder's stays held, waiting for another writer as Init does. The next Init of that folder
    // opens it under this lock and keeps the lock of the folder it leaves until
    // ReleaseFormerDataFolder, so that a change given up goes back to a folder still locked.
    // 0, kDataFolderInUse or kNoLockPossible.
    int ReserveDataFolder(const std::wstring& folder);
    // Lets the lock of the folder left (or of one reserved and not opened) go.
    void ReleaseFormerDataFolder() { m_formerLock.Release(); }
    // Throws the data away unsaved and loads it again from the files. Init's result; the caller
    // shows IDS_MODEL_INIT_FAIL when it fails (and IDS_MODEL_REINIT_EXCEPTION when memory runs
    // out, which throws).
    int Reinit();
    // Saves what changed now: the account files and list files that differ from what they held
    // when last written or read, all together or none (see CCVAccountList::SaveAll), nothing
    // when nothing changed. The screens call it when a change is complete. Nothing is written
    // without data or while a reload is pending (0); a read-only load never saves (1). 0 when
    // the change is on disk, else the failure (the account list's LastSaveFailure says why).
    int SaveChanges();
    // The save at the start of a synchronisation and at the end: SaveChanges.
    int SaveIfAllowed() { return SaveChanges(); }
    // Saves as SaveIfAllowed, then destroys the report object and the account list and lets the
    // folder's writer's lock go.
    int SaveAndRelease();

    // Whether the data files on disk are other than those this model read or wrote (see
    // CCVAccountList::FilesChangedOnDisk); true without data.
    bool DataChangedOnDisk() const {
        return !m_accountList || m_accountList->FilesChangedOnDisk();
    }
    void SetReloadPending(bool pending) { m_reloadPending = pending; }
    bool IsReloadPending() const { return m_reloadPending; }
    void SetReloading(bool reloading) { m_reloading = reloading; }
    bool IsReloading() const { return m_reloading; }
    bool IsInitialised() const { return m_initialised; }

    CCVAccountList* GetAccountList() { return m_accountList.get(); }
    CCVAccountList* GetImportList() { return m_importList.get(); }
    // The report object (its rows refer to the account list's transactions), or null before
    // Init or without a report maker.
    CCVItemList* GetReports() { return m_reports.get(); }
    const std::string& GetDataFolder() const { return m_dataFolder; }
    const std::string& GetImportFolder() const { return m_importFolder; }
    // Forward to the account list's current account; 1 without an account list.
    int SetCurrentAccount(std::int64_t index);
    CCVAccount* GetCurrentAccount() const;

    // ---- preferences ----
    // Selects the user's settings (creating them on a clean registry) and then those of the last
    // active account. 0 or the preferences' error.
    int PreparePreferences();
    CCVPreferences& GetPreferences();

    // ---- password ----
    int PasswordState() { return Password().PasswordState(); }
    int CheckPassword(std::string_view password) { return Password().CheckPassword(password); }
    // A change also saves the data at once, so the protected bytes on disk follow the new
    // password rather than waiting for the end of the program.
    int ChangePassword(std::string_view newPassword, std::string_view currentPassword);
    const CBlowfish* GetPasswordCipher() const;

    // ---- hand-over slots ----
    void* GetOnlineSlot() const { return m_onlineSlot; }
    void SetOnlineSlot(void* slot) { m_onlineSlot = slot; }
    std::int32_t GetSelectedIndex() const { return m_selectedIndex; }
    void SetSelectedIndex(std::int32_t index) { m_selectedIndex = index; }
    void* GetEditSlotA() const { return m_editSlotA; }
    void SetEditSlotA(void* slot) { m_editSlotA = slot; }
    void* GetEditSlotB() const { return m_editSlotB; }
    void SetEditSlotB(void* slot) { m_editSlotB = slot; }
    void* GetReportSelection() const { return m_reportSelection; }
    void SetReportSelection(void* selection) { m_reportSelection = selection; }

  private:
    CCVPassword& Password();
    void ReadFolders();
    // A new account list with the makers, the password and the preferences.
    void MakeAccountList();
    // Takes the writer's lock of the data folder: 0, kDataFolderInUse or kNoLockPossible.
    int LockDataFolder(std::chrono::milliseconds wait);

    ListMakers m_listMakers;
    ReportMaker m_reportMaker;
    std::unique_ptr<CCVAccountList> m_accountList;
    // After the account list, so that it goes first: its rows refer to the accounts.
    std::unique_ptr<CCVItemList> m_reports;
    std::unique_ptr<CCVPreferences> m_preferences;
    void* m_onlineSlot = nullptr;
    std::int32_t m_selectedIndex = -1;
    void* m_editSlotA = nullptr;
    void* m_editSlotB = nullptr;
    bool m_initialised = false;
    std::unique_ptr<CCVAccountList> m_importList;
    void* m_reportSelection = nullptr;
    std::unique_ptr<CCVPassword> m_password;
    bool m_reloadPending = false;
    bool m_reloading = false;
    std::string m_dataFolder;
    std::string m_importFolder;
    sys::FolderLock m_writerLock;
    // The other folder of a change of data folder (see ReserveDataFolder).
    sys::FolderLock m_formerLock;
    std::optional<std::chrono::milliseconds> m_lockWait;
};
