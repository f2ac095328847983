#include "model/CCVAccount.h"

#include <array>
#include <cstring>

#include "model/AmountMath.h"
#include "model/BuiltInKey.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CDownloadIndex.h"
#include "model/CDownloadedLine.h"
#include "model/CTransactionTypeList.h"
#include "model/CTxnSearch.h"
#include "model/ModelText.h"
#include "preferences/CCVPreferences.h"
#include "storage/Text.h"

namespace {

using Type = CTransactionTypeList::BuiltInType;

struct AccountTypeDefaults {
    Type transactionType;
    std::uint16_t icon;
};

constexpr std::array<AccountTypeDefaults, CCVAccount::kAccountTypeCount> kTypeDefaults = {{
    {Type::kTypeCheck, 2},        // Checking
    {Type::kTypeDeposit, 12},     // Savings
    {Type::kTypeWithdrawal, 1},   // Cash
    {Type::kTypeCharge, 3},       // Credit
    {Type::kTypeDeposit, 13},     // Asset
    {Type::kTypeWithdrawal, 14},  // Liability
    {Type::kTypeWithdrawal, 12},  // Money Market
    {Type::kTypeWithdrawal, 14},  // Line Of Credit
}};
constexpr std::uint16_t kIconOfUnknownType = 14;
constexpr Type kTypeOfUnknownType = Type::kTypeWithdrawal;

bool ValidType(int type) {
    return type >= 0 && type < CCVAccount::kAccountTypeCount;
}

// A find reads the first bytes of each transaction (state, split lines, payee, memo).
constexpr std::int64_t kPrefetchDistance = 8;
constexpr std::size_t kCacheLine = 64;
constexpr std::size_t kPrefetchBytes = 4 * kCacheLine;

}  // namespace

res::StringId CCVAccount::AccountTypeNameId(int type) {
    return ValidType(type) ? static_cast<res::StringId>(res::IDS_ACCOUNT_TYPE_CHECKING + type)
                           : res::IDS_NONE;
}

std::uint16_t CCVAccount::DefaultIconOfType(int type) {
    return ValidType(type) ? kTypeDefaults[static_cast<std::size_t>(type)].icon
                           : kIconOfUnknownType;
}

RecordKey CCVAccount::DefaultTypeIdOfType(int type) {
    return BuiltInKey(ValidType(type)
                          ? kTypeDefaults[static_cast<std::size_t>(type)].transactionType
                          : kTypeOfUnknownType);
}

CCVAccount::CCVAccount() {
    m_record.SetRecordVersion(CCVAccountRecord::kRecordVersion);
    m_record.SetAccountId(NewRecordKey());
    m_record.SetAccountType(kChecking);
    m_record.SetIncludeInTotal(true);
    m_record.SetCurrency(kNewCurrency);
    m_record.SetIcon(kNewIcon);
    m_record.SetChangeBits(0);  // a new record starts without changes
    m_findResults.SetBorrowing();
}

CCVAccount::~CCVAccount() = default;

void CCVAccount::SetName(const char* name) {
    SetOwnedText(m_name, name);
    m_record.SetName(m_name.c_str());
    MarkUnsaved();
}

// ---- register and balances ----

CTxnSortOrder CCVAccount::SortOrder() const {
    const CCVCategoryText* categoryText = m_owner ? m_owner->GetCategoryText() : nullptr;
    const CClassList* classes = m_owner ? m_owner->GetClassList() : nullptr;
    return CTxnSortOrder(m_sortColumn, GetSortAscending(), categoryText, classes);
}

void CCVAccount::AddAtEnd(std::unique_ptr<CTransaction> transaction) {
    TakeIntoBalances(*transaction);
    m_transactions.InsertAt(static_cast<std::int64_t>(m_transactions.Count()),
                            transaction.release());
}

bool CCVAccount::CanTake(Amount signedAmount) const {
    const auto within = [signedAmount](Amount balance) {
        Amount sum = 0;
        if (__builtin_add_overflow(balance, signedAmount, &sum)) return false;
        // A balance already past the limit (a damaged file) may still come back towards it.
        const auto past = [](Amount a) {
            return a > kMaxAmountMagnitude || a < -kMaxAmountMagnitude;
        };
        return !past(sum) || (past(balance) && (signedAmount > 0) == (balance < 0));
    };
    return within(m_record.GetCurrentBalance()) && within(m_record.GetClearedBalance());
}

void CCVAccount::TakeIntoBalances(const CTransaction& transaction) {
    if (transaction.IsVoid()) return;
    const Amount amount = transaction.GetSignedAmount();
    m_record.SetCurrentBalance(AddAmounts(m_record.GetCurrentBalance(), amount));
    if (transaction.IsCleared()) {
        m_record.SetClearedBalance(AddAmounts(m_record.GetClearedBalance(), amount));
    }
}

int CCVAccount::AddTransaction(std::unique_ptr<CTransaction> transaction) {
    if (!transaction) return 1;
    TakeIntoBalances(*transaction);
    return m_transactions.InsertInOrder(transaction.release(), SortOrder());
}

int CCVAccount::DeleteTransactionAt(std::int64_t index) {
    CTransaction* transaction = m_transactions.At(index);
    if (transaction == nullptr) return 1;
    m_transactions.Remove(transaction);
    RecomputeBalances();
    m_findResults.Remove(transaction);
    transaction->SetFlags(transaction->Flags() | kDeleted | kModified);
    m_deletedTransactions.Append(transaction);
    return 0;
}

int CCVAccount::DeleteTransaction(const CTransaction* transaction, bool keepBalance) {
    if (transaction == nullptr) return 1;
    const std::int64_t index = m_transactions.IndexOfKey(transaction->GetTransactionId());
    const CTransaction* stored = m_transactions.At(index);
    if (stored == nullptr) return 1;
    if (keepBalance && !stored->IsVoid()) AddToBeginningBalance(stored->GetSignedAmount());
    return DeleteTransactionAt(index);
}

int CCVAccount::DeleteTransactionById(const RecordKey& transactionId, bool unlinkOnly) {
    CTransaction* transaction = FindById(transactionId);
    if (transaction == nullptr) return 1;
    if (!unlinkOnly) return DeleteTransaction(transaction, false);
    transaction->SetLinkedTransactionId(RecordKey{});
    return 0;
}

void CCVAccount::RecomputeBalances() {
    Amount cleared = m_record.GetBeginningBalance();
    Amount current = cleared;
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        const CTransaction& t = *m_transactions.At(i);
        if (t.IsVoid()) continue;
        current = AddAmounts(current, t.GetSignedAmount());
        if (t.IsCleared()) cleared = AddAmounts(cleared, t.GetSignedAmount());
    }
    m_record.SetClearedBalance(cleared);
    m_record.SetCurrentBalance(current);
}

void CCVAccount::AddToBeginningBalance(Amount amount) {
    m_record.SetBeginningBalance(AddAmounts(m_record.GetBeginningBalance(), amount));
}

Amount CCVAccount::GetBalance(int kind) const {
    if (kind == kBalanceCurrent) return m_record.GetCurrentBalance();
    if (kind != kBalanceCleared) return 0;
    Amount balance = m_record.GetBeginningBalance();
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        const CTransaction& t = *m_transactions.At(i);
        if (!t.IsVoid() && t.IsCleared()) balance = AddAmounts(balance, t.GetSignedAmount());
    }
    return balance;
}

Amount CCVAccount::FilterStart(int filter) const {
    const bool fromBeginning = filter == CTransaction::kFilterAll ||
                               filter == CTransaction::kFilterReconciled ||
                               filter == CTransaction::kFilterCleared;
    return fromBeginning ? m_record.GetBeginningBalance() : 0;
}

Amount CCVAccount::GetFilteredBalance(int filter) const {
    if (filter == CTransaction::kFilterAll) return m_record.GetCurrentBalance();
    Amount balance = FilterStart(filter);
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        const CTransaction& t = *m_transactions.At(i);
        if (!t.IsVoid() && t.MatchesFilter(filter)) {
            balance = AddAmounts(balance, t.GetSignedAmount());
        }
    }
    return balance;
}

Amount CCVAccount::GetRunningBalance(int filter, std::int64_t n) const {
    if (n < 0) return 0;
    Amount balance = FilterStart(filter);
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    // Ascending: rows are numbered from the first transaction on. Descending: the walk starts at
    // the last transaction, which is the last row.
    const bool ascending = GetSortAscending();
    std::int64_t row = ascending ? 0 : static_cast<std::int64_t>(CountFiltered(filter)) - 1;
    for (std::int64_t step = 0; step < count; ++step) {
        const CTransaction& t = *m_transactions.At(ascending ? step : count - 1 - step);
        if (!t.MatchesFilter(filter)) continue;
        if (!t.IsVoid()) balance = AddAmounts(balance, t.GetSignedAmount());
        if (row == n) break;
        row += ascending ? 1 : -1;
    }
    return balance;
}

std::vector<CCVAccount::RegisterRow> CCVAccount::GetRegisterRows(int filter) const {
    std::vector<RegisterRow> rows;
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = m_transactions.At(i);
        if (t->MatchesFilter(filter)) rows.push_back({t, 0});
    }
    // The same sums as GetRunningBalance: from the first row down when ascending, from the last
    // row up when descending.
    Amount balance = FilterStart(filter);
    const auto accumulate = [&balance](RegisterRow& row) {
        if (!row.transaction->IsVoid()) {
            balance = AddAmounts(balance, row.transaction->GetSignedAmount());
        }
        row.runningBalance = balance;
    };
    if (GetSortAscending()) {
        for (RegisterRow& row : rows) accumulate(row);
    } else {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) accumulate(*it);
    }
    return rows;
}

std::uint32_t CCVAccount::CountFiltered(int filter) const {
    if (filter == CTransaction::kFilterAll) return m_transactions.Count();
    std::uint32_t passing = 0;
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        if (m_transactions.At(i)->MatchesFilter(filter)) ++passing;
    }
    return passing;
}

CTransaction* CCVAccount::GetFiltered(int filter, std::int64_t index) const {
    if (filter == CTransaction::kFilterAll) return m_transactions.At(index);
    if (index < 0) return nullptr;
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = m_transactions.At(i);
        if (t->MatchesFilter(filter) && index-- == 0) return t;
    }
    return nullptr;
}

std::int64_t CCVAccount::IndexOfId(int filter, const RecordKey& transactionId) const {
    std::int64_t position = 0;
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        const CTransaction& t = *m_transactions.At(i);
        if (!t.MatchesFilter(filter)) continue;
        if (t.GetTransactionId() == transactionId) return position;
        ++position;
    }
    return -1;
}

CTransaction* CCVAccount::FindById(const RecordKey& transactionId) const {
    return m_transactions.FindById(transactionId);
}

bool CCVAccount::HasOnlineId(const char* onlineId) const {
    FixedText<CTransaction::kOnlineIdCapacity + 1> wanted;
    wanted.Set(onlineId);
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        if (std::strcmp(m_transactions.At(i)->GetOnlineId(), wanted.c_str()) == 0) return true;
    }
    return false;
}

void CCVAccount::Resort() {
    m_transactions.Resort(SortOrder());
}

void CCVAccount::Reposition(CTransaction& transaction) {
    if (m_transactions.Reposition(&transaction, SortOrder()) != 0) Resort();
}

// ---- find ----

std::uint32_t CCVAccount::Find(int filter, const char* searchText) {
    m_searchText.Set(searchText);
    m_findResults.Clear(true, false);
    const CTxnSearch search(m_searchText.c_str());
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        // The transactions lie anywhere in memory: ask for the ones ahead early.
        if (const CTransaction* ahead = m_transactions.At(i + kPrefetchDistance)) {
            for (std::size_t line = 0; line < kPrefetchBytes; line += kCacheLine) {
                __builtin_prefetch(reinterpret_cast<const char*>(ahead) + line);
            }
        }
        CTransaction* t = m_transactions.At(i);
        if (t->MatchesFilter(filter) && search.Matches(*t)) m_findResults.Append(t);
    }
    return m_findResults.Count();
}

// ---- view settings and fields of the account file ----

std::uint32_t CCVAccount::GetRowColor() {
    const CCVPreferences* preferences = m_owner ? m_owner->GetPreferences() : nullptr;
    if (preferences != nullptr) m_rowColor = preferences->GetRowColor(m_rowColor);
    return m_rowColor;
}

void CCVAccount::SetRowColor(std::uint32_t color) {
    m_rowColor = color;
    MarkUnsaved();
    const CCVPreferences* preferences = m_owner ? m_owner->GetPreferences() : nullptr;
    if (preferences != nullptr) preferences->SetRowColor(color);
}

std::uint16_t CCVAccount::GetReservedWord(int index) const {
    if (index < 0 || index >= kReservedWords) return 0;
    return m_reservedWords[static_cast<std::size_t>(index)];
}

void CCVAccount::SetReservedWord(int index, std::uint16_t value) {
    if (index < 0 || index >= kReservedWords) return;
    m_reservedWords[static_cast<std::size_t>(index)] = value;
    MarkUnsaved();
}

// ---- balances set by the user ----

int CCVAccount::SetBalanceTo(int kind, Amount amount) {
    Amount difference = 0;
    if (kind == kBalanceCurrent) {
        difference = SubtractAmounts(amount, m_record.GetCurrentBalance());
        m_record.SetCurrentBalance(amount);
        m_record.SetClearedBalance(AddAmounts(m_record.GetClearedBalance(), difference));
    } else if (kind == kBalanceCleared) {
        difference = SubtractAmounts(amount, m_record.GetClearedBalance());
        m_record.SetClearedBalance(amount);
        m_record.SetCurrentBalance(AddAmounts(m_record.GetCurrentBalance(), difference));
    } else {
        return 1;
    }
    AddToBeginningBalance(difference);
    return 0;
}

EditOutcome CCVAccount::CheckBeginningBalance(Amount amount) const {
    const std::uint8_t type = m_record.GetAccountType();
    const bool usuallyNegative = type == kCredit || type == kLiability || type == kLineOfCredit;
    if (usuallyNegative && amount > 0) return EditOutcome::Ask(res::IDS_BEGINNING_BALANCE_POSITIVE);
    return EditOutcome::Done();
}

// ---- statement download ----

void CCVAccount::BeginDownload(CCVTxnList* downloadList, DownloadOrder order) {
    m_downloadOrder = order;
    m_newForDownload = m_record.GetBeginningBalance() == 0 && m_transactions.Count() == 0;
    m_downloadList = downloadList;
    if (m_downloadList != nullptr) m_downloadList->SetBorrowing();
    m_matchedCount = 0;
    m_downloadIndex = std::make_unique<CDownloadIndex>(m_transactions);
}

void CCVAccount::EndDownload() {
    if (m_downloadOrder == DownloadOrder::kOrderAtEnd) Resort();
    m_downloadOrder = DownloadOrder::kOrderEachLine;
    m_downloadIndex.reset();
    m_downloadList = nullptr;
    m_newForDownload = false;
}

// 1. A line the account already holds is skipped (the duplicate rule of CDownloadIndex: by
//    bank identifier, or for a line without one by date, amount, payee and check number).
// 2. The line becomes a transaction (CDownloadedLine), matched against the entered transactions
//    and added to the register; the balances follow.
// 3. It is appended to the download list; a match counts in the matched count; the register will
//    offer the review of downloaded transactions.
int CCVAccount::AddDownloadedLine(DateTime date, const char* amountText, const char* typeText,
                                  const char* checkNumberText, const char* payeeText,
                                  const char* memoText, const char* transactionIdText) {
    const CDownloadedLine line(date, amountText, typeText, checkNumberText, payeeText, memoText,
                               transactionIdText);
    // Outside a download the index serves this one line.
    std::unique_ptr<CDownloadIndex> single;
    if (m_downloadIndex == nullptr) single = std::make_unique<CDownloadIndex>(m_transactions);
    CDownloadIndex& index = m_downloadIndex != nullptr ? *m_downloadIndex : *single;
    index.Sync(m_transactions);
    bool matched = false;
    std::unique_ptr<CTransaction> transaction = NewDownloadedTransaction(index, line, matched);
    if (!transaction) return 0;
    if (!transaction->IsVoid() && !CanTake(transaction->GetSignedAmount())) {
        ReleasePartner(*transaction);
        return kBalanceLimit;
    }
    CTransaction* added = transaction.get();
    if (m_downloadOrder == DownloadOrder::kOrderAtEnd && m_downloadIndex != nullptr) {
        AddAtEnd(std::move(transaction));
    } else if (const int rc = AddTransaction(std::move(transaction)); rc != 0) {
        return rc;
    }
    index.Added(*added);
    if (m_downloadList != nullptr) m_downloadList->Append(added);
    if (matched) ++m_matchedCount;
    m_downloadReviewPending = 1;
    return 0;
}

std::unique_ptr<CTransaction> CCVAccount::NewDownloadedTransaction(CDownloadIndex& index,
                                                                   const CDownloadedLine& line,
                                                                   bool& matched) {
    // A known identifier is skipped before the line touches the payee look-ups. It is compared
    // as the register keeps it: an identifier longer than the stored field is kept cut short.
    const std::string id = CTransaction::StoredOnlineId(line.GetTransactionId());
    if (!id.empty() && index.IsKnownId(id, line.GetDate(), line.SignedAmount())) return nullptr;
    CCVPayeeLookUpList* lookUps = m_owner != nullptr ? m_owner->GetPayeeLookUpList() : nullptr;
    std::unique_ptr<CTransaction> transaction =
        line.MakeTransaction(m_record.GetCurrency(), lookUps);
    if (id.empty() && index.TakeWithoutIdDuplicate(*transaction)) return nullptr;
    matched = MatchAutomatically(*transaction, index);
    return transaction;
}

// The first entered transaction in register order that qualifies, as MatchAutomatically finds it,
// among those of the same amount.
bool CCVAccount::MatchAutomatically(CTransaction& added, CDownloadIndex& index) {
    std::vector<CTransaction*>* candidates = index.Candidates(added.GetAmount());
    if (candidates == nullptr) return false;
    for (CTransaction* entered : *candidates) {
        if (entered == &added || !CanMatch(*entered, added)) continue;
        entered->SetMatchedTransactionId(added.GetTransactionId());
        added.SetMatchedTransactionId(entered->GetTransactionId());
        index.Matched(entered);
        return true;
    }
    return false;
}

bool CCVAccount::CanBeMatched(const CTransaction& entered) {
    return entered.GetLinkedTransactionId().IsNull() && !entered.IsSplit() &&
           !entered.IsSplitTransferTwin();
}

bool CCVAccount::CanMatch(const CTransaction& entered, const CTransaction& added) {
    if (entered.GetOnlineOrigin() == CTransaction::kAwaitingReview ||
        !entered.GetMatchedTransactionId().IsNull() || entered.IsReconciled() || entered.IsVoid()) {
        return false;
    }
    // Accepting would give a transfer or a split the bank's amount and date without its twin or
    // its split lines: they are kept out of matching. A transfer (or the twin of a split line)
    // that the line repeats exactly, date and amount, is the exception, as accepting then changes
    // neither it nor its twin: a file written from all accounts holds each transfer once in each
    // of its two accounts.
    if (!CanBeMatched(entered)) {
        if (entered.IsSplit() || entered.GetDate() != added.GetDate() ||
            entered.GetAmount() != added.GetAmount()) {
            return false;
        }
    }
    // Seven days either way, both ends included; computed wide so that no date wraps around.
    const std::int64_t apart =
        static_cast<std::int64_t>(entered.GetDate()) - static_cast<std::int64_t>(added.GetDate());
    if (apart < -kMatchWindowSeconds || apart > kMatchWindowSeconds) return false;
    if (entered.IsDebit() != added.IsDebit()) return false;
    if (entered.IsDebit()) {
        if (entered.CarriesCheckNumber() != added.CarriesCheckNumber()) return false;
        if (entered.CarriesCheckNumber() && entered.GetCheckNumber() != added.GetCheckNumber()) {
            return false;
        }
    }
    return entered.GetAmount() == added.GetAmount();
}

bool CCVAccount::MatchAutomatically(CTransaction& added) {
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* entered = m_transactions.At(i);
        if (entered == &added || !CanMatch(*entered, added)) continue;
        entered->SetMatchedTransactionId(added.GetTransactionId());
        added.SetMatchedTransactionId(entered->GetTransactionId());
        return true;
    }
    return false;
}

int CCVAccount::AcceptTransaction(CTransaction* transaction) {
    if (transaction == nullptr || m_transactions.IndexOf(transaction) < 0) return 1;
    CTransaction* partner = transaction->GetMatchedTransactionId().IsNull()
                                ? nullptr
                                : FindById(transaction->GetMatchedTransactionId());
    if (partner == nullptr || partner == transaction) {
        // No partner, or one that is gone: the transaction is accepted as a new one.
        if (!transaction->GetMatchedTransactionId().IsNull()) {
            transaction->SetMatchedTransactionId(RecordKey{});
        }
        transaction->SetOnlineOrigin(CTransaction::kAccepted);
        return 0;
    }
    partner->SetAmount(transaction->GetAmount());
    partner->SetState(transaction->GetState());
    partner->SetOnlineOrigin(CTransaction::kAccepted);
    if (transaction->IsDownloaded()) partner->SetOnlineId(transaction->GetOnlineId());
    partner->SetDate(transaction->GetDate());
    if (partner->IsDebit() != transaction->IsDebit()) partner->SetTypeId(transaction->GetTypeId());
    if (IsEmptyText(partner->GetMemo())) partner->SetMemo(transaction->GetMemo());
    if (transaction->IsDownloaded() && m_matchedCount > 0) --m_matchedCount;
    // The partner's date and amount may have moved it: it takes its place in the order again.
    m_transactions.Remove(partner);
    m_transactions.InsertInOrder(partner, SortOrder());
    return DeleteTransactionById(transaction->GetTransactionId(), false);
}

void CCVAccount::AcceptDownloaded() {
    std::vector<CTransaction*> pending;
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = m_transactions.At(i);
        if (t->MatchesFilter(m_reviewFilter) &&
            t->GetOnlineOrigin() == CTransaction::kAwaitingReview) {
            pending.push_back(t);
        }
    }
    for (CTransaction* t : pending) AcceptTransaction(t);
    if (m_reviewFilter == CTransaction::kFilterDownloaded) m_matchedCount = 0;
}

void CCVAccount::MatchCandidates(CCVTxnList& candidates) const {
    candidates.Clear(true, true);
    candidates.SetBorrowing();
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = m_transactions.At(i);
        if (!t->IsReconciled() && !t->IsVoid() &&
            t->GetOnlineOrigin() != CTransaction::kAwaitingReview) {
            candidates.Append(t);
        }
    }
    candidates.Resort(CTxnSortOrder(CTxnSortOrder::kColumnDate, true));
}

void CCVAccount::ReleasePartner(const CTransaction& transaction) {
    if (transaction.GetMatchedTransactionId().IsNull()) return;
    CTransaction* partner = FindById(transaction.GetMatchedTransactionId());
    if (partner != nullptr &&
        partner->GetMatchedTransactionId() == transaction.GetTransactionId()) {
        partner->SetMatchedTransactionId(RecordKey{});
    }
}

void CCVAccount::MatchManually(CTransaction& transaction, const CTransaction& candidate) {
    const RecordKey& candidateId = candidate.GetTransactionId();
    // Left pointing here, the former partner would never again be matched automatically.
    if (transaction.GetMatchedTransactionId() != candidateId) ReleasePartner(transaction);
    const auto count = static_cast<std::int64_t>(m_transactions.Count());
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction* t = m_transactions.At(i);
        if (t->MatchesFilter(m_reviewFilter) && t->GetMatchedTransactionId() == candidateId) {
            t->SetMatchedTransactionId(RecordKey{});
        }
    }
    transaction.SetMatchedTransactionId(candidateId);
}

void CCVAccount::Unmatch(CTransaction& transaction) {
    ReleasePartner(transaction);
    transaction.SetMatchedTransactionId(RecordKey{});
}

std::unique_ptr<CTransaction> CCVAccount::TakeBackTransaction(CTransaction* transaction) {
    if (transaction == nullptr || m_transactions.IndexOf(transaction) < 0) return nullptr;
    ReleasePartner(*transaction);
    m_transactions.Remove(transaction);
    m_findResults.Remove(transaction);
    if (m_downloadList != nullptr) m_downloadList->Remove(transaction);
    RecomputeBalances();
    return std::unique_ptr<CTransaction>(transaction);
}

int CCVAccount::SetClearedBalanceFromBank(const char* balanceText) {
    if (m_newForDownload)
        SetBalanceTo(kBalanceCleared, CDownloadedLine::ParseBankAmount(balanceText));
    return 0;
}
