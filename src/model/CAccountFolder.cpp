#include "model/CAccountFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <new>
#include <utility>

#include "model/BuiltInKey.h"
#include "model/CCVAccountFile.h"
#include "model/CCVAccountList.h"
#include "model/CDataBackups.h"
#include "model/ModelText.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Files.h"
#include "platform/sys/FolderCommit.h"
#include "platform/sys/WinErrors.h"
#include "storage/CCVPassword.h"

namespace {

constexpr const char* kListFileNames[CAccountFolder::kListFileCount] = {
    "PayeesList.lst", "CategoriesList.lst",     "ClassList.lst", "CurrenciesList.lst",
    "TransTypes.lst", "ScheduledTransList.lst", "FiList.lst",    "PayeeLookupList.lst",
};

constexpr char kExtensionDot = '.';
constexpr char kFolderSeparator = '/';

// Deleted-account files: 22 "X", four hexadecimal digits, ".cvl".
constexpr std::size_t kDeletedMarkLength = 22;
constexpr char kDeletedMark = 'X';
constexpr std::size_t kDeletedDigits = 4;
constexpr unsigned kDeletedNameCount = 0x10000;
constexpr std::size_t kDeletedFileNameLength = kDeletedMarkLength + kDeletedDigits + 4;

// A new data file gets mode 0666 less the umask, as AtomicFile gives it.
constexpr unsigned kDataFileMode = 0666;

struct FirstAccount {
    res::StringId name;
    std::uint16_t idNumber;  // bytes 6-7 of the account identifier
    std::uint8_t type;
    std::uint16_t icon;
    std::uint8_t red, green, blue;
};

constexpr FirstAccount kFirstAccounts[] = {
    {res::IDS_FIRST_ACCOUNT_CHECKING, 0x0005, CCVAccount::kChecking, 2, 255, 255, 210},
    {res::IDS_FIRST_ACCOUNT_SAVINGS, 0x0006, CCVAccount::kSavings, 12, 217, 255, 255},
    {res::IDS_FIRST_ACCOUNT_MASTER_CARD, 0x0007, CCVAccount::kCredit, 5, 255, 230, 255},
    {res::IDS_FIRST_ACCOUNT_AMERICAN_EXPRESS, 0x0008, CCVAccount::kCredit, 6, 255, 230, 255},
    {res::IDS_FIRST_ACCOUNT_VISA, 0x0009, CCVAccount::kCredit, 3, 255, 230, 255},
};

std::uint32_t ColorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (std::uint32_t{green} << 8) | (std::uint32_t{blue} << 16);
}

// Whether the text after the last '.' is exactly the account extension (letter case counts).
bool HasAccountExtension(const std::string& fileName) {
    const std::size_t dot = fileName.rfind(kExtensionDot);
    return dot != std::string::npos &&
           fileName.compare(dot + 1, std::string::npos, CAccountFolder::kAccountExtension) == 0;
}

std::string WithFolderSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == kFolderSeparator) return folder;
    return folder + kFolderSeparator;
}

}  // namespace

const char* CAccountFolder::ListFileName(ListFile file) {
    return file >= 0 && file < kListFileCount ? kListFileNames[file] : "";
}

bool CAccountFolder::IsDeletedAccountFileName(const std::string& fileName) {
    if (fileName.size() != kDeletedFileNameLength) return false;
    for (std::size_t i = 0; i < kDeletedMarkLength; ++i) {
        if (fileName[i] != kDeletedMark) return false;
    }
    for (std::size_t i = kDeletedMarkLength; i < kDeletedMarkLength + kDeletedDigits; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(fileName[i]))) return false;
    }
    const std::size_t dot = kDeletedMarkLength + kDeletedDigits;
    return fileName[dot] == kExtensionDot &&
           fileName.compare(dot + 1, std::string::npos, kAccountExtension) == 0;
}

bool CAccountFolder::HoldsData(const std::string& folder) {
    std::vector<std::string> names;
    if (folder.empty() || sys::ListFolder(WithFolderSeparator(folder), names) != 0) return false;
    return std::any_of(names.begin(), names.end(), [](const std::string& name) {
        return HasAccountExtension(name) ||
               std::any_of(std::begin(kListFileNames), std::end(kListFileNames),
                           [&name](const char* list) { return name == list; });
    });
}

CAccountFolder::CAccountFolder(CCVAccountList& accounts) : m_accounts(accounts) {}

bool CAccountFolder::FilesChangedOnDisk() const {
    if (!m_files.FirstChanged().empty()) return true;
    std::vector<std::string> names;
    if (m_folder.empty() || sys::ListFolder(m_folder, names) != 0) return true;
    return std::any_of(names.begin(), names.end(), [this](const std::string& name) {
        // A deleted account's kept file is never read, and no folder is a data file.
        const bool dataFile = (HasAccountExtension(name) && !IsDeletedAccountFileName(name)) ||
                              std::any_of(std::begin(kListFileNames), std::end(kListFileNames),
                                          [&name](const char* list) { return name == list; });
        return dataFile && !m_files.Remembers(m_folder + name) && sys::FileExists(m_folder + name);
    });
}

const CBlowfish* CAccountFolder::Cipher() const {
    return m_passwordHolder != nullptr ? m_passwordHolder->Cipher() : nullptr;
}

// ---- the data folder ----

std::string CAccountFolder::AccountFilePath(const char* accountName) const {
    return m_folder + sys::AnsiToUtf8(accountName != nullptr ? accountName : "") + kExtensionDot +
           kAccountExtension;
}

std::string CAccountFolder::DeletedAccountPath(unsigned number) const {
    char digits[kDeletedDigits + 1];
    std::snprintf(digits, sizeof digits, "%04X", number);
    return m_folder + std::string(kDeletedMarkLength, kDeletedMark) + digits + kExtensionDot +
           kAccountExtension;
}

int CAccountFolder::KeepDamagedFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (sys::ReadWholeFile(path, bytes) != 0) return 1;
    DamagedFile damaged{path, {}};
    if (sys::KeepDamagedCopy(path, bytes.data(), bytes.size(), kDataFileMode, &damaged.copyPath) !=
        0) {
        return 1;
    }
    m_damagedFiles.push_back(std::move(damaged));
    return 0;
}

int CAccountFolder::LoadListFile(ListFile file) {
    CCVItemList* list = m_accounts.ListOf(file);
    if (list == nullptr) return 0;
    const std::string path = m_folder + ListFileName(file);
    m_listFileBytes[file].reset();
    if (list->LoadFile(path) != 0) {
        // Not read whole: a file that is there and readable is damaged, and keeps what was read
        // once a copy of it is safe. Otherwise the list is not loaded and never saved.
        if (!sys::FileExists(path) || KeepDamagedFile(path) != 0) {
            list->Clear(true, true);
            return 1;
        }
    } else if (std::vector<std::uint8_t> bytes; sys::ReadWholeFile(path, bytes) == 0) {
        m_listFileBytes[file] = std::move(bytes);
    }
    m_files.Remember(path);
    m_listLoaded[file] = true;
    return 0;
}

int CAccountFolder::StageListFile(ListFile file, std::vector<std::uint8_t>& bytes, bool& staged) {
    staged = false;
    CCVItemList* list = m_accounts.ListOf(file);
    // A list that was not loaded would replace the records of its file with nothing.
    if (list == nullptr || !m_listLoaded[file]) return 0;
    if (list->SaveToBytes(bytes) != 0) {
        m_files.SetFailure(CDataFolderFiles::Failure::kWriteFailed, m_folder + ListFileName(file),
                           sys::ERROR_GEN_FAILURE);
        return 1;
    }
    const std::optional<std::vector<std::uint8_t>>& onDisk = m_listFileBytes[file];
    if (onDisk && *onDisk == bytes) return 0;
    if (m_files.Stage(ListFileName(file), bytes) != 0) return 1;
    staged = true;
    return 0;
}

int CAccountFolder::LoadAccountFile(CCVAccount& account, const std::string& path) {
    return CCVAccountFile::Load(account, path, Cipher()) == CCVAccountFile::LoadResult::kWhole ? 0
                                                                                               : 1;
}

int CAccountFolder::SaveAccountFile(CCVAccount& account, const std::string& path) {
    if (m_readOnly || (path.empty() && m_folder.empty())) return 1;
    try {
        const std::string target = path.empty() ? AccountFilePath(account.GetName()) : path;
        const int rc = CCVAccountFile::Save(account, target, Cipher());
        if (rc == 0 && path.empty()) {
            account.MarkFileSaved();
            m_files.Remember(target);
        }
        return rc;
    } catch (const std::bad_alloc&) {
        return 2;
    }
}

void CAccountFolder::NoteProblem(const std::string& path, FileProblem::Kind kind) {
    m_problems.push_back({path, kind});
}

int CAccountFolder::LoadAccountFiles(bool skipDeleted, OnFailure onFailure,
                                     const std::map<std::string, std::string>& pending) {
    std::vector<std::string> names;
    if (sys::ListFolder(m_folder, names) != 0) return onFailure == OnFailure::kPassOver ? 0 : 1;
    const bool report = onFailure != OnFailure::kPassOver;
    // A fixed order, so that accounts of equal names and the problems always come the same way.
    std::sort(names.begin(), names.end());
    for (const std::string& fileName : names) {
        if (!HasAccountExtension(fileName)) continue;
        if (skipDeleted && IsDeletedAccountFileName(fileName)) continue;
        const std::string path = m_folder + fileName;
        if (!sys::FileExists(path)) {
            // A folder or a link to nothing under an account's name holds none of its money.
            if (report) NoteProblem(path, FileProblem::kNotAFile);
            continue;
        }
        // The account is named by its file; a name that would not lead back to this file (one
        // the stored code page cannot spell) cannot be saved, so the file is left alone.
        const std::string stem = fileName.substr(0, fileName.rfind(kExtensionDot));
        const std::string name = sys::Utf8ToAnsi(stem);
        if (sys::AnsiToUtf8(name) != stem) continue;

        const auto replacement = pending.find(fileName);
        const std::string readFrom = replacement != pending.end() ? replacement->second : path;
        auto account = std::make_unique<CCVAccount>();
        account->SetOwner(&m_accounts);
        account->SetName(name.c_str());
        const CCVAccountFile::LoadResult result =
            CCVAccountFile::Load(*account, readFrom, Cipher());
        if (result == CCVAccountFile::LoadResult::kUnreadable ||
            result == CCVAccountFile::LoadResult::kNotAnAccount) {
            if (report) {
                NoteProblem(path, result == CCVAccountFile::LoadResult::kUnreadable
                                      ? FileProblem::kUnreadable
                                      : FileProblem::kNotAnAccount);
            }
            continue;
        }
        if (result == CCVAccountFile::LoadResult::kDamaged) {
            if (onFailure == OnFailure::kPassOver) continue;
            if (onFailure == OnFailure::kKeepCopy && KeepDamagedFile(path) != 0) {
                // Without a copy the next save could lose what the damaged part held.
                NoteProblem(path, FileProblem::kUnreadable);
                continue;
            }
            if (onFailure == OnFailure::kUseAndReport) NoteProblem(path, FileProblem::kDamaged);
        }
        // A damaged file stays changed, so that the first save writes what could be read.
        if (result == CCVAccountFile::LoadResult::kWhole) account->MarkFileSaved();
        if (!m_readOnly) m_files.Remember(path);
        m_accounts.InsertSorted(account.release());
    }
    return 0;
}

bool CAccountFolder::HasAccountFileProblems() const {
    const std::string extension = std::string(1, kExtensionDot) + kAccountExtension;
    return std::any_of(m_problems.begin(), m_problems.end(), [&](const FileProblem& problem) {
        return problem.kind != FileProblem::kUnfinishedSave && problem.path.ends_with(extension);
    });
}

std::vector<std::string> CAccountFolder::AccountFilesLeftOut() const {
    std::vector<std::string> paths;
    for (const FileProblem& problem : m_problems) {
        if (problem.kind == FileProblem::kUnreadable ||
            problem.kind == FileProblem::kNotAnAccount || problem.kind == FileProblem::kNotAFile) {
            paths.push_back(problem.path);
        }
    }
    return paths;
}

int CAccountFolder::Load(const std::string& folder) {
    m_folder = WithFolderSeparator(folder);
    if (m_folder.empty()) return 1;
    m_files.SetFolder(m_folder);
    sys::CreateFolder(m_folder);  // a folder that cannot be made shows in the first list file
    if (const int rc = m_files.FinishInterruptedSave(); rc != 0) return rc;
    for (int file = 0; file < kListFileCount; ++file) {
        if (const int rc = LoadListFile(static_cast<ListFile>(file)); rc != 0) return rc;
    }
    if (const int rc = LoadAccountFiles(true, OnFailure::kKeepCopy); rc != 0) return rc;
    // An account file that could not be read is an account all the same: no first accounts.
    return m_accounts.Count() == 0 && !HasAccountFileProblems() ? CreateFirstAccounts() : 0;
}

int CAccountFolder::Inspect(const std::string& folder) {
    m_readOnly = true;
    m_folder = WithFolderSeparator(folder);
    m_files.SetFolder(m_folder);
    if (m_folder.empty() || !sys::FolderExists(m_folder)) return 1;
    // A save a crash interrupted is read as the next load will finish it, without finishing it.
    const std::map<std::string, std::string> pending =
        sys::FolderCommit::PendingReplacements(m_folder);
    if (sys::PathExists(m_folder + sys::FolderCommit::kRecordName)) {
        NoteProblem(m_folder + sys::FolderCommit::kRecordName, FileProblem::kUnfinishedSave);
    }
    for (int file = 0; file < kListFileCount; ++file) {
        CCVItemList* list = m_accounts.ListOf(static_cast<ListFile>(file));
        if (list == nullptr) continue;
        const std::string name = ListFileName(static_cast<ListFile>(file));
        const auto replacement = pending.find(name);
        const std::string path =
            replacement != pending.end() ? replacement->second : m_folder + name;
        if (!sys::FileExists(path)) {
            // What the program would write in its place.
            NoteProblem(m_folder + name, FileProblem::kMissing);
            list->CreateDefaults();
        } else if (list->LoadFile(path) != 0) {
            std::vector<std::uint8_t> bytes;
            NoteProblem(m_folder + name, sys::ReadWholeFile(path, bytes) == 0
                                             ? FileProblem::kDamaged
                                             : FileProblem::kUnreadable);
        }
    }
    return LoadAccountFiles(true, OnFailure::kUseAndReport, pending);
}

int CAccountFolder::CreateFirstAccounts() {
    for (const FirstAccount& first : kFirstAccounts) {
        auto account = std::make_unique<CCVAccount>();
        account->SetName(LoadNarrowString(first.name).c_str());
        account->Record().SetAccountId(BuiltInKey(first.idNumber));
        account->Record().SetAccountType(first.type);
        account->Record().SetIcon(first.icon);
        account->SetOwnRowColor(ColorRef(first.red, first.green, first.blue));
        if (const int rc = m_accounts.AddAccount(account); rc != 0) return rc;
    }
    return 0;
}

int CAccountFolder::SaveAll() {
    if (m_readOnly) {
        m_files.SetFailure(CDataFolderFiles::Failure::kReadOnly);
        return 1;
    }
    if (m_files.Begin() != 0) return 1;
    try {
        std::vector<CCVAccount*> written;
        std::vector<std::uint8_t> bytes;
        for (std::uint32_t i = 0; i < m_accounts.Count(); ++i) {
            CCVAccount& account = *m_accounts.At(i);
            if (!account.HasUnsavedChanges()) continue;
            const std::string name =
                sys::AnsiToUtf8(account.GetName()) + kExtensionDot + kAccountExtension;
            if (CCVAccountFile::SaveToBytes(account, bytes, Cipher()) != 0) {
                m_files.SetFailure(CDataFolderFiles::Failure::kWriteFailed, m_folder + name,
                                   sys::ERROR_GEN_FAILURE);
                m_files.Abandon();
                return 1;
            }
            if (m_files.Stage(name, bytes) != 0) {
                m_files.Abandon();
                return 1;
            }
            written.push_back(&account);
        }
        std::array<std::optional<std::vector<std::uint8_t>>, kListFileCount> listBytes;
        for (int file = 0; file < kListFileCount; ++file) {
            bool staged = false;
            if (StageListFile(static_cast<ListFile>(file), bytes, staged) != 0) {
                m_files.Abandon();
                return 1;
            }
            if (staged) listBytes[file] = bytes;
        }
        if (m_files.NothingStaged()) return 0;
        // The folder as it was before the day's first change.
        if (m_backups) CDataBackups(m_folder).BeforeFirstSaveOfDay();
        if (m_files.Commit() != 0) return 1;
        for (CCVAccount* account : written) account->MarkFileSaved();
        for (int file = 0; file < kListFileCount; ++file) {
            if (listBytes[file]) m_listFileBytes[file] = std::move(listBytes[file]);
        }
        return 0;
    } catch (const std::bad_alloc&) {
        m_files.Abandon();
        return 2;
    }
}

// ---- the files of accounts added, deleted and renamed ----
int CAccountFolder::KeepDeletedAccountFile(const char* accountName) {
    const std::string path = AccountFilePath(accountName);
    // An account whose file was never written has nothing to move.
    if (!sys::PathExists(path)) return 0;
    long rc = sys::ERROR_ALREADY_EXISTS;
    for (unsigned number = 0; number < kDeletedNameCount && rc == sys::ERROR_ALREADY_EXISTS;
         ++number) {
        rc = sys::MoveFileNoReplace(path, DeletedAccountPath(number));
    }
    if (rc != sys::ERROR_SUCCESS) return static_cast<int>(rc);
    m_files.Forget(path);
    return 0;
}

int CAccountFolder::MoveAccountFile(const char* oldName, const char* newName) {
    const std::string from = AccountFilePath(oldName);
    const std::string to = AccountFilePath(newName);
    const long rc = sys::MoveFileNoReplace(from, to);
    if (rc != sys::ERROR_SUCCESS) return static_cast<int>(rc);
    m_files.Forget(from);
    m_files.Remember(to);
    return 0;
}

void CAccountFolder::ForgetListFiles() {
    m_listLoaded.fill(false);
    for (std::optional<std::vector<std::uint8_t>>& bytes : m_listFileBytes) bytes.reset();
}

// ---- the import folder ----

int CAccountFolder::LoadImports(const std::string& folder) {
    m_folder = WithFolderSeparator(folder);
    if (m_folder.empty()) return 1;
    LoadAccountFiles(false, OnFailure::kPassOver);
    return m_accounts.Count() > 0 ? 0 : 1;
}

int CAccountFolder::RemoveImport(std::int64_t index) {
    CCVAccount* account = m_accounts.At(index);
    if (account == nullptr) return 1;
    // A file that cannot be deleted comes back at the next load; until then it is not offered.
    sys::RemoveFile(AccountFilePath(account->GetName()));
    m_accounts.MarkDeleted(account);
    return 0;
}

// ---- accounts ----
