#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/CCVAccount.h"
#include "model/CCVCategoryList.h"
#include "model/CCVCategoryText.h"
#include "model/CCVPayeeList.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CAccountFolder.h"
#include "model/CDataFolderFiles.h"
#include "model/CClassList.h"
#include "model/CCurrencyList.h"
#include "model/CTransactionTypeList.h"
#include "model/EditOutcome.h"
#include "model/ListMakers.h"
#include "model/MScheduleHost.h"
#include "model/YesNo.h"
#include "storage/CCVItemList.h"

class CCVPassword;
class CCVPreferences;
class CScheduledList;

// All accounts, in name order unless sorted otherwise, and the owner of every reference list. Its
// data folder (CAccountFolder) loads and saves the accounts and the lists; the list adds, deletes
// and renames accounts and their files, sorts them, and sums their balances.
//
// Return codes: 0 success, 1 invalid argument, refused or not found, 2 out of memory; file errors
// pass through (see CAccountFolder).
class CCVAccountList : public CCVItemList,
                       public CCVAccount::MOwner,
                       public CCVCategoryText::MAccounts,
                       public CCurrencyList::MCurrencyUsers,
                       public MScheduleHost {
  public:
    static constexpr const char* kListName = "CCVAccount";
    static constexpr std::uint16_t kListVersion = 0;
    static constexpr const char* kAccountExtension = CAccountFolder::kAccountExtension;

    using ListFile = CAccountFolder::ListFile;
    using enum CAccountFolder::ListFile;
    enum SortMode : int { kSortByName = 0, kSortByBalance = 1 };

    using DamagedFile = CAccountFolder::DamagedFile;
    using FileProblem = CAccountFolder::FileProblem;

    static const char* ListFileName(ListFile file) { return CAccountFolder::ListFileName(file); }
    static bool IsDeletedAccountFileName(const std::string& fileName) {
        return CAccountFolder::IsDeletedAccountFileName(fileName);
    }
    static bool HoldsData(const std::string& folder) { return CAccountFolder::HoldsData(folder); }

    explicit CCVAccountList(const ListMakers& makers = {});
    ~CCVAccountList() override;

    void SetPasswordHolder(const CCVPassword* holder) { m_dataFolder.SetPasswordHolder(holder); }
    void SetPreferences(const CCVPreferences* preferences) { m_preferences = preferences; }

    // ---- the data folder (see CAccountFolder) ----
    int Load(const std::string& folder) { return m_dataFolder.Load(folder); }
    int Inspect(const std::string& folder) { return m_dataFolder.Inspect(folder); }
    const std::vector<FileProblem>& Problems() const { return m_dataFolder.Problems(); }
    bool IsReadOnly() const { return m_dataFolder.IsReadOnly(); }
    int SaveAll() { return m_dataFolder.SaveAll(); }
    const CDataFolderFiles::Failure& LastSaveFailure() const {
        return m_dataFolder.LastSaveFailure();
    }
    bool FilesChangedOnDisk() const { return m_dataFolder.FilesChangedOnDisk(); }
    void SetBackups(bool on) { m_dataFolder.SetBackups(on); }
    bool KeepsBackups() const { return m_dataFolder.KeepsBackups(); }
    bool HasAccountFileProblems() const { return m_dataFolder.HasAccountFileProblems(); }
    std::vector<std::string> AccountFilesLeftOut() const {
        return m_dataFolder.AccountFilesLeftOut();
    }
    int SaveAccountFile(CCVAccount& account, const std::string& path = {}) {
        return m_dataFolder.SaveAccountFile(account, path);
    }
    int LoadAccountFile(CCVAccount& account, const std::string& path) {
        return m_dataFolder.LoadAccountFile(account, path);
    }
    const std::string& GetFolder() const { return m_dataFolder.GetFolder(); }
    std::string AccountFilePath(const char* accountName) const {
        return m_dataFolder.AccountFilePath(accountName);
    }
    const std::vector<DamagedFile>& DamagedFiles() const { return m_dataFolder.DamagedFiles(); }
    int LoadImports(const std::string& folder) { return m_dataFolder.LoadImports(folder); }
    int RemoveImport(std::int64_t index) { return m_dataFolder.RemoveImport(index); }
    // Every account counts as changed, so that the next save writes every account file (a new
    // password enciphers the protected bytes of the records differently).
    void MarkAccountsUnsaved();

    // ---- accounts ----
    CCVAccount* At(std::int64_t index) const { return static_cast<CCVAccount*>(GetAt(index)); }
    // Takes a new account when its name passes the name rule and no file has its name: inserts
    // it in name order and writes its file at once. On success the list owns it (`account` is
    // emptied) and the result is the file's; on refusal (1) the caller keeps it.
    int AddAccount(std::unique_ptr<CCVAccount>& account);
    // Moves the account's file to the first free deleted-account name, then removes and destroys
    // the account. 1 for an invalid index; when the file cannot be moved (all 65,536 names
    // taken: ERROR_ALREADY_EXISTS) the account stays and the move's error is returned.
    int DeleteAccount(std::int64_t index);
    // Moves the file to the new name's path, never over an existing file; only then does the
    // account take the name (setting its record's name change bit). A name the rule refuses
    // gives ERROR_INVALID_NAME, or ERROR_ALREADY_EXISTS for another account's name.
    int RenameAccount(CCVAccount& account, const char* newName);
    // The account name rule: not empty (and not a deleted-account file name), none of the
    // characters \ / : * ? " < > |, and no other account of that name whatever the letter case
    // (`edited`, the account being renamed, may keep its own name in any case).
    EditOutcome CheckAccountName(const char* name, const CCVAccount* edited = nullptr) const;
    YesNo AccountNameExists(const char* name) const;

    const CCVAccount* FindAccountById(const RecordKey& accountId) const override;
    CCVAccount* FindAccountById(const RecordKey& accountId) override;
    const CCVAccount* FindAccountByName(const char* name) const override;
    // The first account whose routing number and account number equal the texts exactly.
    CCVAccount* FindAccountByOnlineKeys(const char* routingNumber, const char* accountNumber) const;
    std::int64_t FindAccount(const CCVAccount* account) const { return IndexOf(account); }
    // Takes the account out of the list without destroying it; null when it is not in the list.
    std::unique_ptr<CCVAccount> RemoveAccount(CCVAccount* account);

    // Accepted only when an account has that index (1 otherwise).
    int SetCurrentAccount(std::int64_t index);
    std::int64_t GetCurrentAccountIndex() const { return m_currentIndex; }
    // No account is current (the current one was deleted).
    void ClearCurrentAccount() { m_currentIndex = -1; }

    // Stores the mode, flips the direction and puts the accounts in order: by name (ASCII case
    // ignored) then current balance, or by current balance then name. So a second sort by the
    // same mode reverses the order.
    void SortAccounts(int mode);
    int GetSortMode() const { return m_sortMode; }
    bool GetSortAscending() const { return m_sortAscending; }

    // ---- sums and currencies ----
    // The sum of the balances of the accounts counted in the total, each converted to the home
    // currency at its currency's rate (ConvertAtRate in hundredths: balance x rate).
    Amount GetTotalBalance(int kind) const;
    // The amount in the home currency (ConvertAtRate through units); unchanged for the home
    // currency, an unknown one or rate 0.
    Amount ConvertToHome(Amount amount, std::uint8_t currency) const;
    // Every account in that currency moves to the home currency.
    void ResetCurrency(std::uint8_t currency);
    void ResetCurrency(const CCurrencyItem& deleted) override {
        ResetCurrency(deleted.GetNumber());
    }

    // ---- category texts ----
    int GetCategoryText(const RecordKey& categoryId, std::string& text, std::uint16_t& icon,
                        CCVCategoryText::Form form = CCVCategoryText::kRegisterForm) const {
        return m_categoryText.GetCategoryText(categoryId, text, icon, form);
    }
    RecordKey GetCategoryId(const char* text) const { return m_categoryText.GetCategoryId(text); }
    // The account's name ("[name]" when bracketed), or "" ("[]") when no account has the id.
    std::string GetAccountNameById(const RecordKey& accountId, bool bracketed) const;

    // The payee of the transaction's payee name remembers the transaction; 1 when there is none.
    int MemorizePayee(const CTransaction& transaction);

    // ---- the reference lists ----
    // The list stored in that list file; null for a list no maker made.
    CCVItemList* ListOf(ListFile file);
    CCVCategoryList& GetCategories() { return m_categories; }
    CClassList& GetClasses() { return m_classes; }
    CCurrencyList& GetCurrencies() { return m_currencies; }
    CCVPayeeList& GetPayees() { return m_payees; }
    CCVPayeeLookUpList& GetPayeeLookUps() { return m_payeeLookUps; }
    CTransactionTypeList& GetTransactionTypes() { return m_transactionTypes; }
    // The lists made by the installed makers; null without one.
    CCVItemList* GetScheduledList() { return m_scheduled.get(); }
    CCVItemList* GetInstitutionList() { return m_institutions.get(); }
    // The scheduled list when the installed maker makes a CScheduledList, else null.
    CScheduledList* GetScheduledTransactions();
    // Empties every reference list, destroying the records, and forgets the institution list's
    // directory version (the model does this before it throws the data away for a reload).
    void ClearReferenceLists();

    // ---- what the accounts need ----
    const CCVCategoryText* GetCategoryText() const override { return &m_categoryText; }
    const CClassList* GetClassList() const override { return &m_classes; }
    CCVPayeeLookUpList* GetPayeeLookUpList() override { return &m_payeeLookUps; }
    const CCVPreferences* GetPreferences() const override { return m_preferences; }

    // ---- what the scheduled transactions need ----
    // See CAccountOperations::AddTransactionWithTwins.
    int AddTransactionWithTwins(CCVAccount& account,
                                std::unique_ptr<CTransaction> transaction) override;
    // "Nearest Date Time" of the reminder key (CCVTodayPlugIn).
    DateTime ReadNearestDateTime() override;
    void WriteNearestDateTime(DateTime time) override;

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override;

  private:
    int CompareForSort(const CCVAccount& a, const CCVAccount& b) const;

    CCVCategoryList m_categories;
    CClassList m_classes;
    CCurrencyList m_currencies;
    CCVPayeeList m_payees;
    CCVPayeeLookUpList m_payeeLookUps;
    std::unique_ptr<CCVItemList> m_scheduled;
    CTransactionTypeList m_transactionTypes;
    std::unique_ptr<CCVItemList> m_institutions;
    CCVCategoryText m_categoryText{m_categories, *this};
    std::int64_t m_currentIndex = -1;
    int m_sortMode = kSortByName;
    bool m_sortAscending = false;
    CAccountFolder m_dataFolder{*this};
    const CCVPreferences* m_preferences = nullptr;
};
