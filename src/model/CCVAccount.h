#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/CAccountDownload.h"
#include "model/CAccountSaveState.h"
#include "model/CCVAccountRecord.h"
#include "model/CCVTxnList.h"
#include "model/CTransaction.h"
#include "model/CTxnSortOrder.h"
#include "model/EditOutcome.h"
#include "resources/StringIds.h"
#include "storage/Amount.h"
#include "storage/CCVItem.h"
#include "storage/DateTime.h"
#include "storage/FixedText.h"

class CCVCategoryText;
class CClassList;
class CCVPreferences;
class CCVPayeeLookUpList;

// One account: its 360-byte record, its register (kept sorted by the sort column and direction),
// the transactions deleted from the register, and the register's view settings. It keeps the
// current and cleared balances in step with the register, answers the register's filtered views
// with running balances, finds transactions by text, and (through CAccountDownload) takes in the
// lines of a downloaded bank statement, matching them against the transactions already entered.
//
// Operations answer 0 for success and 1 for an absent argument, an index out of range or a
// transaction not found; the register is then left as it was.
class CCVAccount : public CCVItem {
  public:
    // What the account needs from the list that holds it.
    class MOwner {
      public:
        // The register texts of categories (the sort by category), or null.
        virtual const CCVCategoryText* GetCategoryText() const = 0;
        // The classes (the sort by class), or null.
        virtual const CClassList* GetClassList() const = 0;
        // The payee look-ups of downloaded lines, or null.
        virtual CCVPayeeLookUpList* GetPayeeLookUpList() = 0;
        // The preferences, whose current settings are those of the account shown, or null.
        virtual const CCVPreferences* GetPreferences() const = 0;

      protected:
        ~MOwner() = default;
    };

    enum AccountType : std::uint8_t {
        kChecking = 0,
        kSavings = 1,
        kCash = 2,
        kCredit = 3,
        kAsset = 4,
        kLiability = 5,
        kMoneyMarket = 6,
        kLineOfCredit = 7,
        kAccountTypeCount = 8,
    };
    enum BalanceKind : int { kBalanceCurrent = 0, kBalanceCleared = 1 };

    // A row of the register: a transaction that passes the filter and its running balance.
    struct RegisterRow {
        CTransaction* transaction = nullptr;
        Amount runningBalance = 0;
    };

    static constexpr std::uint32_t kNewRowColor = 0x00FEF3ED;  // red 237, green 243, blue 254
    static constexpr std::uint8_t kNewCurrency = 1;
    static constexpr std::uint16_t kNewIcon = 2;
    static constexpr std::size_t kSearchTextSize = 32;
    static constexpr int kReservedWords = 3;
    // A downloaded line matches an entered transaction dated up to this far before or after it.
    static constexpr std::int64_t kMatchWindowSeconds = 7 * std::int64_t{kSecondsPerDay};

    // The type's name in the account screens; IDS_NONE outside 0-7.
    static res::StringId AccountTypeNameId(int type);
    // The icon of the type (14 outside 0-7) and the transaction type of a new transaction.
    static std::uint16_t DefaultIconOfType(int type);
    static RecordKey DefaultTypeIdOfType(int type);

    // A new account: the record cleared, version 9, a fresh identifier, type Checking, counted in
    // the total, currency 1, icon 2; sorted by date ascending, filter "All".
    CCVAccount();
    ~CCVAccount() override;
    CCVAccount(const CCVAccount&) = delete;
    CCVAccount& operator=(const CCVAccount&) = delete;

    const char* GetName() const override { return m_name.c_str(); }

    MOwner* GetOwner() const { return m_owner; }
    void SetOwner(MOwner* owner) { m_owner = owner; }
    CCVAccountRecord& Record() { return m_record; }
    const CCVAccountRecord& Record() const { return m_record; }
    // Replaces the account name and copies it into the record's name field.
    void SetName(const char* name);
    // The identifier that transfers to or from this account carry as their category.
    RecordKey GetAccountId() const { return m_record.GetAccountId(); }

    // ---- saving ----
    // Whether the account file would differ from what it held when it was last written or read
    // whole (see CAccountSaveState); true until then.
    bool HasUnsavedChanges() const { return m_saveState.Differs(*this); }
    // The account file now holds the account as it stands.
    void MarkFileSaved() { m_saveState.Take(*this); }

    // ---- register and balances ----
    CCVTxnList& Transactions() { return m_transactions; }
    const CCVTxnList& Transactions() const { return m_transactions; }
    CCVTxnList& DeletedTransactions() { return m_deletedTransactions; }
    const CCVTxnList& DeletedTransactions() const { return m_deletedTransactions; }

    // An operation refused because a balance would go past what an account can hold
    // (kMaxAmountMagnitude either way).
    static constexpr int kBalanceLimit = 2;

    // Takes the transaction: adds its signed amount to the balances (not when void; the cleared
    // balance only when cleared or reconciled) and inserts it at its sorted place. The operations
    // that enter a new transaction ask CanTake first.
    int AddTransaction(std::unique_ptr<CTransaction> transaction);
    // Whether the balances can take a new transaction of this signed amount without going past
    // kMaxAmountMagnitude (a balance already past it may still come back towards it).
    bool CanTake(Amount signedAmount) const;
    // Moves the transaction at that register index to the deleted transactions (flagged deleted
    // and modified) and recomputes the balances.
    int DeleteTransactionAt(std::int64_t index);
    // With keepBalance, a transaction that is not void first moves its signed amount into the
    // beginning balance, so the current balance stays.
    int DeleteTransaction(const CTransaction* transaction, bool keepBalance);
    // With unlinkOnly, only clears the transaction's link to its twin.
    int DeleteTransactionById(const RecordKey& transactionId, bool unlinkOnly);
    void RecomputeBalances();
    void AddToBeginningBalance(Amount amount);
    // kBalanceCurrent: the current balance; kBalanceCleared: the beginning balance plus the
    // cleared and reconciled transactions; any other kind 0.
    Amount GetBalance(int kind) const;
    // Filter 0: the current balance; 1 and 3: the beginning balance plus the transactions that
    // pass; the others: the sum of the transactions that pass. Void transactions count nothing.
    Amount GetFilteredBalance(int filter) const;
    // The balance at row n of the filtered register (0 = the first row shown), walking from the
    // oldest end of the register; 0 for a negative n. One walk per call: to show every row use
    // GetRegisterRows.
    Amount GetRunningBalance(int filter, std::int64_t n) const;
    // Every row of the filtered register with its running balance, in one pass.
    std::vector<RegisterRow> GetRegisterRows(int filter) const;
    std::uint32_t CountFiltered(int filter) const;
    CTransaction* GetFiltered(int filter, std::int64_t index) const;
    // Position among the transactions that pass the filter, or -1.
    std::int64_t IndexOfId(int filter, const RecordKey& transactionId) const;
    CTransaction* FindById(const RecordKey& transactionId) const;
    // Whether a register transaction has this bank identifier (compared as stored: at most 255
    // characters, letter case counts).
    bool HasOnlineId(const char* onlineId) const;
    // Puts the register in the order of the sort column and direction.
    void Resort();
    // The same after a change of one transaction of the register (see CCVTxnList::Reposition).
    void Reposition(CTransaction& transaction);
    CTxnSortOrder SortOrder() const;

    // ---- find ----
    // Stores the search text (at most 31 characters) and collects, in register order, every
    // transaction passing the filter whose payee, amount ("10.50"), memo or a split line's memo
    // contains it, ASCII case ignored. Answers the number found.
    std::uint32_t Find(int filter, const char* searchText);
    const CCVTxnList& FindResults() const { return m_findResults; }
    const char* GetSearchText() const { return m_searchText.c_str(); }

    // ---- view settings ----
    std::uint16_t GetSortColumn() const { return m_sortColumn; }
    void SetSortColumn(std::uint16_t column) {
        m_sortColumn = column;
        MarkUnsaved();
    }
    bool GetSortAscending() const { return m_sortAscending != 0; }
    void SetSortAscending(bool ascending) {
        m_sortAscending = ascending ? 1 : 0;
        MarkUnsaved();
    }
    std::int32_t GetFilter() const { return m_filter; }
    void SetFilter(std::int32_t filter) { m_filter = filter; }
    RecordKey GetDefaultTypeId() const { return DefaultTypeIdOfType(m_record.GetAccountType()); }
    // The "Row Color" preference when set (remembered in the account), else the account's own;
    // setting it sets both.
    std::uint32_t GetRowColor();
    void SetRowColor(std::uint32_t color);

    // ---- fields of the account file ----
    std::uint32_t GetOwnRowColor() const { return m_rowColor; }
    void SetOwnRowColor(std::uint32_t color) {
        m_rowColor = color;
        MarkUnsaved();
    }
    std::uint16_t GetReservedWord(int index) const;
    void SetReservedWord(int index, std::uint16_t value);
    std::uint32_t GetReservedLong() const { return m_reservedLong; }
    void SetReservedLong(std::uint32_t value) {
        m_reservedLong = value;
        MarkUnsaved();
    }

    // ---- balances set by the user ----
    // The chosen balance becomes the amount; the beginning balance and the other balance move by
    // the same difference. 1 for another kind.
    int SetBalanceTo(int kind, Amount amount);
    // Asks for confirmation of a positive beginning balance of a Credit, Liability or Line Of
    // Credit account.
    EditOutcome CheckBeginningBalance(Amount amount) const;

    // ---- statement download (see CAccountDownload) ----
    using DownloadOrder = CAccountDownload::DownloadOrder;
    void BeginDownload(CCVTxnList* downloadList,
                       DownloadOrder order = DownloadOrder::kOrderEachLine) {
        m_download.Begin(downloadList, order);
    }
    void EndDownload() { m_download.End(); }
    int AddDownloadedLine(DateTime date, const char* amountText, const char* typeText,
                          const char* checkNumberText, const char* payeeText, const char* memoText,
                          const char* transactionIdText) {
        return m_download.AddLine(date, amountText, typeText, checkNumberText, payeeText,
                                  memoText, transactionIdText);
    }
    bool MatchAutomatically(CTransaction& added) { return m_download.MatchAutomatically(added); }
    bool MatchAutomatically(CTransaction& added, CDownloadIndex& index) {
        return m_download.MatchAutomatically(added, index);
    }
    int AcceptTransaction(CTransaction* transaction) {
        return m_download.AcceptTransaction(transaction);
    }
    void AcceptDownloaded() { m_download.AcceptDownloaded(); }
    void MatchCandidates(CCVTxnList& candidates) const { m_download.MatchCandidates(candidates); }
    void MatchManually(CTransaction& transaction, const CTransaction& candidate) {
        m_download.MatchManually(transaction, candidate);
    }
    static bool CanBeMatched(const CTransaction& entered) {
        return CAccountDownload::CanBeMatched(entered);
    }
    void Unmatch(CTransaction& transaction) { m_download.Unmatch(transaction); }
    // Takes a transaction out of the register as though it had never been added: it is not kept
    // among the deleted transactions, an entered transaction matched with it is freed, and the
    // balances are recomputed. Null when it is not in the register.
    std::unique_ptr<CTransaction> TakeBackTransaction(CTransaction* transaction);
    int SetClearedBalanceFromBank(const char* balanceText) {
        return m_download.SetClearedBalanceFromBank(balanceText);
    }

    bool IsNewForDownload() const { return m_download.IsNewForDownload(); }
    std::int32_t GetMatchedCount() const { return m_download.GetMatchedCount(); }
    bool GetDownloadReviewPending() const { return m_downloadReviewPending != 0; }
    void SetDownloadReviewPending(bool pending) { m_downloadReviewPending = pending ? 1 : 0; }
    bool GetImportReviewPending() const { return m_importReviewPending != 0; }
    void SetImportReviewPending(bool pending) { m_importReviewPending = pending ? 1 : 0; }
    std::int32_t GetReviewFilter() const { return m_reviewFilter; }
    void SetReviewFilter(std::int32_t filter) { m_reviewFilter = filter; }

  private:
    friend class CAccountDownload;  // appends the lines of a download ordered at its end

    // The running balance of filters 0, 1 and 3 starts from the beginning balance.
    Amount FilterStart(int filter) const;
    // Adds the signed amount to the balances (not when void; the cleared balance only when
    // cleared or reconciled).
    void TakeIntoBalances(const CTransaction& transaction);
    // AddTransaction without the ordering, for a download ordered at its end.
    void AddAtEnd(std::unique_ptr<CTransaction> transaction);

    MOwner* m_owner = nullptr;
    CCVAccountRecord m_record;
    CCVTxnList m_transactions;
    CCVTxnList m_deletedTransactions;
    CCVTxnList m_findResults;
    FixedText<kSearchTextSize> m_searchText;
    std::string m_name;
    std::int32_t m_filter = CTransaction::kFilterAll;
    std::array<std::uint16_t, kReservedWords> m_reservedWords{};
    std::uint32_t m_reservedLong = 0;
    std::uint32_t m_rowColor = kNewRowColor;
    std::uint16_t m_sortColumn = CTxnSortOrder::kColumnDate;
    std::uint8_t m_sortAscending = 1;
    std::uint32_t m_downloadReviewPending = 1;
    std::uint32_t m_importReviewPending = 1;
    std::int32_t m_reviewFilter = CTransaction::kFilterAll;
    CAccountSaveState m_saveState;
    CAccountDownload m_download{*this};
};
