#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/CDataFolderFiles.h"

class CBlowfish;
class CCVAccount;
class CCVAccountList;
class CCVItemList;
class CCVPassword;

// The data folder of an account list: it loads the list files and every account file at
// start-up (creating the folder and the first accounts when there are none), saves them, and
// moves the files of deleted and renamed accounts. The list it serves holds the accounts and the
// reference lists; this class holds what is known about the files.
//
// Files in the data folder, loaded and saved in this order:
//   "PayeesList.lst", "CategoriesList.lst", "ClassList.lst", "CurrenciesList.lst",
//   "TransTypes.lst", "ScheduledTransList.lst", "FiList.lst", "PayeeLookupList.lst",
// then one account file per account, named by the account: name + ".cvl" (CCVAccountFile). A
// deleted account's file is kept under a free name of 22 "X" and four upper-case hexadecimal
// digits (XXXXXXXXXXXXXXXXXXXXXX0000.cvl, ...) and is not loaded again.
//
// A damaged file (one that reads only up to some damage) never stops the program: what could be
// read is used, and the file is first kept beside itself as name + ".damaged" (then
// ".damaged-2", ...), so the next save cannot lose what the damaged part held; DamagedFiles()
// lists them for the user. A list file that cannot be read at all stops the load, and such a
// list (and every one after it) is never saved over its file. An account file that cannot be
// read, or holds no account (a zero-length or garbage file), is left out and listed in
// Problems(): it is never saved over and never made into a new account, and while it is there
// no first accounts are made.
//
// Saving writes every changed file together or none of them, and never over a file another
// program changed since it was read (CDataFolderFiles); LastSaveFailure() says why a save wrote
// nothing. Loading first finishes a save a crash interrupted.
//
// Return codes: 0 success, 1 invalid argument, refused or not found, 2 out of memory; file errors
// pass through (1 from the list files and account files; the codes of platform/sys/WinErrors.h
// from moves).
class CAccountFolder {
  public:
    static constexpr const char* kAccountExtension = "cvl";

    enum ListFile : int {
        kPayeesFile,
        kCategoriesFile,
        kClassesFile,
        kCurrenciesFile,
        kTransactionTypesFile,
        kScheduledFile,
        kInstitutionsFile,
        kPayeeLookUpsFile,
        kListFileCount
    };

    struct DamagedFile {
        std::string path;      // the damaged file
        std::string copyPath;  // where its bytes were kept
    };
    // What Inspect found wrong with a file of the data folder.
    struct FileProblem {
        enum Kind {
            kMissing,
            kUnreadable,
            kDamaged,
            kNotAnAccount,    // an account file too short or not laid out as one
            kNotAFile,        // a folder (or a link to nothing) named as an account file
            kUnfinishedSave,  // a save a crash interrupted, read as it will be finished
        };
        std::string path;
        Kind kind;
    };

    static const char* ListFileName(ListFile file);
    // Whether a file name is that of a deleted account: exactly 22 "X", four hexadecimal digits
    // (either case) and ".cvl".
    static bool IsDeletedAccountFileName(const std::string& fileName);
    // Whether a folder holds data of the program: a list file or an account file.
    static bool HoldsData(const std::string& folder);

    explicit CAccountFolder(CCVAccountList& accounts);
    CAccountFolder(const CAccountFolder&) = delete;
    CAccountFolder& operator=(const CAccountFolder&) = delete;

    // The cipher of the protected bytes of account files is taken from `holder` at each load and
    // save (none: the bytes are stored as they are).
    void SetPasswordHolder(const CCVPassword* holder) { m_passwordHolder = holder; }

    // ---- the data folder ----
    // Start-up of a new list: creates the folder, loads the list files in order (a missing one is
    // first written with its defaults) and every account file, and creates the five first
    // accounts when there is none. 0, or the error of the file that stopped the load (the
    // accounts read before it stay).
    int Load(const std::string& folder);
    // Reads the data folder as Load does but changes nothing on disk, for looking only: a missing
    // list file is not written (the list holds its defaults in memory), a damaged file is not
    // copied (what could be read is used), an unreadable account file is passed over and no first
    // accounts are made. Every such file is listed in Problems(). The list then refuses to save
    // (1). 0, or 1 when the folder does not exist.
    int Inspect(const std::string& folder);
    const std::vector<FileProblem>& Problems() const { return m_problems; }
    bool IsReadOnly() const { return m_readOnly; }
    // Saves every account that changed since its file was last written or read whole (see
    // CCVAccount::HasUnsavedChanges), then every list file whose bytes would change, in order.
    // They are written together or not at all (see CDataFolderFiles): 0 when the change is on
    // disk, marking every file written saved; 1 when nothing was written (LastSaveFailure says
    // why), every change staying for the next save. Nothing changed: nothing is written.
    int SaveAll();
    const CDataFolderFiles::Failure& LastSaveFailure() const { return m_files.LastFailure(); }
    // Whether the data files on disk are other than those read or written here: one of them
    // changed or went, or a list or account file is there that was not read (a desktop
    // synchronisation brought it). True when in doubt (the folder cannot be read).
    bool FilesChangedOnDisk() const;
    // With backups on, the first save of a day that writes anything first makes a backup of the
    // folder (CDataBackups); one that cannot be made does not stop the save. Off by default.
    void SetBackups(bool on) { m_backups = on; }
    bool KeepsBackups() const { return m_backups; }
    // Whether an account file of the folder is left out because it could not be read.
    bool HasAccountFileProblems() const;
    // The account files left out because they could not be read (or hold no account, or are no
    // files): their accounts are missing from the total.
    std::vector<std::string> AccountFilesLeftOut() const;
    // Writes the account file to `path`, or to its place in the data folder when `path` is empty
    // (the account is then saved: see CCVAccount::MarkFileSaved).
    int SaveAccountFile(CCVAccount& account, const std::string& path = {});
    // Reads the account file into the account: 0, or 1 when it could not be read whole.
    int LoadAccountFile(CCVAccount& account, const std::string& path);
    const std::string& GetFolder() const { return m_folder; }
    std::string AccountFilePath(const char* accountName) const;
    const std::vector<DamagedFile>& DamagedFiles() const { return m_damagedFiles; }

    // ---- the files of accounts added, deleted and renamed ----
    // Moves the account's file to the first free deleted-account name; an account whose file
    // was never written has nothing to move. 0, or the move's error (ERROR_ALREADY_EXISTS when
    // all 65,536 names are taken).
    int KeepDeletedAccountFile(const char* accountName);
    // Moves the account's file to the new name's path, never over an existing file.
    int MoveAccountFile(const char* oldName, const char* newName);
    // The list files are no longer what was read: the next load reads them again.
    void ForgetListFiles();

    // ---- the import folder (a list used for pending imports) ----
    // Loads every ".cvl" file of the folder as an account in name order; a file that cannot be
    // read whole is left where it is and not offered. 0 when at least one account was loaded,
    // else 1.
    int LoadImports(const std::string& folder);
    // Deletes the item's file and marks the item deleted. 1 for an invalid index.
    int RemoveImport(std::int64_t index);

  private:
    int LoadListFile(ListFile file);
    // Stages the list file when its bytes would change; 0, or 1 when staging failed.
    int StageListFile(ListFile file, std::vector<std::uint8_t>& bytes, bool& staged);
    // What loading the account files does with a file it cannot read whole.
    enum class OnFailure {
        kKeepCopy,      // a damaged file is used once a copy of it is kept; an unreadable one is
                        // left out; both in Problems
        kPassOver,      // the file is left out
        kUseAndReport,  // a damaged file is used, an unreadable one left out; both in Problems
    };
    // Loads the account files of the folder (deleted-account files too unless skipDeleted).
    // `pending` maps a file name to the file that holds its bytes of an unfinished save.
    int LoadAccountFiles(bool skipDeleted, OnFailure onFailure,
                         const std::map<std::string, std::string>& pending = {});
    void NoteProblem(const std::string& path, FileProblem::Kind kind);
    // Keeps a copy of a damaged file beside it; 0, or 1 when no copy could be kept.
    int KeepDamagedFile(const std::string& path);
    int CreateFirstAccounts();
    const CBlowfish* Cipher() const;
    std::string DeletedAccountPath(unsigned number) const;

    CCVAccountList& m_accounts;
    std::string m_folder;
    std::array<bool, kListFileCount> m_listLoaded{};
    // What each list file held when last read whole or written; none when unknown (a damaged or
    // unread file), so that the next save writes it.
    std::array<std::optional<std::vector<std::uint8_t>>, kListFileCount> m_listFileBytes;
    std::vector<DamagedFile> m_damagedFiles;
    CDataFolderFiles m_files;
    bool m_backups = false;
    std::vector<FileProblem> m_problems;
    bool m_readOnly = false;
    const CCVPassword* m_passwordHolder = nullptr;
};
