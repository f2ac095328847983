#include "model/CAccountOperations.h"

#include "model/AmountMath.h"
#include "model/BuiltInKey.h"
#include "model/CCVAccountList.h"
#include "model/CTransactionTypeList.h"

namespace {

constexpr int kMissing = 1;
constexpr const char* kTransferPayee = "Transfer";

RecordKey DepositType() {
    return BuiltInKey(CTransactionTypeList::kTypeDeposit);
}

RecordKey WithdrawalType() {
    return BuiltInKey(CTransactionTypeList::kTypeWithdrawal);
}

// The type of a twin: the opposite direction of its source.
RecordKey OppositeType(const CTransaction& source) {
    return source.IsDebit() ? DepositType() : WithdrawalType();
}

bool IsWhole(int line) {
    return line == CAccountOperations::kWholeTransaction;
}

RecordKey CategoryOf(const CTransaction& transaction, int line) {
    if (IsWhole(line)) return transaction.GetCategoryId();
    return transaction.SplitLineInUse(line) ? transaction.GetSplit(line).GetCategoryId()
                                            : RecordKey{};
}

const RecordKey& LinkOf(const CTransaction& transaction, int line) {
    return IsWhole(line) ? transaction.GetLinkedTransactionId()
                         : transaction.GetSplit(line).GetLinkedTransactionId();
}

}  // namespace

// ---- currencies ----

double CAccountOperations::GetConversionRate(std::uint8_t from, std::uint8_t to) const {
    const CCurrencyList& currencies = m_accounts.GetCurrencies();
    const std::uint8_t home = currencies.GetBaseNumber();
    const auto rateOf = [&currencies](std::uint8_t number) {
        const CCurrencyItem* item = currencies.FindByNumber(number);
        return item != nullptr ? item->GetRate() : 0.0;
    };
    if (to == home) return from == home ? CCurrencyList::kBaseRate : rateOf(from);
    const double toRate = rateOf(to);
    if (toRate == 0.0) return 0.0;
    if (from == home) return CCurrencyList::kBaseRate / toRate;
    return rateOf(from) / toRate;
}

Amount CAccountOperations::ConvertBetweenAccounts(const CCVAccount& source,
                                                  const CCVAccount& target, Amount amount) const {
    const std::uint8_t from = source.Record().GetCurrency();
    const std::uint8_t to = target.Record().GetCurrency();
    const CCurrencyList& currencies = m_accounts.GetCurrencies();
    if (from == to || currencies.FindByNumber(from) == nullptr ||
        currencies.FindByNumber(to) == nullptr) {
        return amount;
    }
    return ConvertAtRate(amount, GetConversionRate(from, to), RateForm::kThroughUnits);
}

// ---- twins ----

CCVAccount* CAccountOperations::AccountOf(const RecordKey& categoryId) const {
    if (categoryId.IsNull()) return nullptr;
    return m_accounts.FindAccountById(categoryId);
}

int CAccountOperations::CreateTwin(CCVAccount& source, CTransaction& transaction, int line) {
    if (!IsWhole(line) && !transaction.SplitLineInUse(line)) return kMissing;
    CCVAccount* target = AccountOf(CategoryOf(transaction, line));
    if (target == nullptr) return kMissing;

    auto twin = std::make_unique<CTransaction>();
    twin->SetDate(transaction.GetDate());
    twin->SetPayeeName(transaction.GetPayeeName());
    twin->SetState(transaction.GetState());
    twin->SetTypeId(OppositeType(transaction));
    twin->SetCategoryId(source.GetAccountId());
    twin->SetLinkedTransactionId(transaction.GetTransactionId());
    Amount amount = transaction.GetAmount();
    if (IsWhole(line)) {
        twin->SetClassId(transaction.GetClassId());
        twin->SetMemo(transaction.GetMemo());
    } else {
        const CSplitLine& split = transaction.GetSplit(line);
        twin->SetClassId(split.GetClassId());
        twin->SetMemo(split.GetMemo());
        twin->SetSourceSplitIndex(static_cast<std::uint8_t>(line));
        amount = split.GetAmount();
    }
    twin->SetAmount(ConvertBetweenAccounts(source, *target, amount));

    const RecordKey twinId = twin->GetTransactionId();
    if (const int rc = target->AddTransaction(std::move(twin)); rc != 0) return rc;
    if (IsWhole(line)) {
        transaction.SetLinkedTransactionId(twinId);
    } else {
        transaction.SetSplitLinkedTransactionId(line, twinId);
    }
    return 0;
}

int CAccountOperations::UpdateTwin(const CCVAccount& source, const CTransaction& transaction,
                                   int line) {
    CCVAccount* target = AccountOf(CategoryOf(transaction, line));
    const RecordKey& link = LinkOf(transaction, line);
    CTransaction* twin = target != nullptr && !link.IsNull() ? target->FindById(link) : nullptr;
    if (twin == nullptr) return kMissing;

    const bool whole = IsWhole(line);
    const Amount amount = whole ? transaction.GetAmount() : transaction.GetSplit(line).GetAmount();
    twin->SetDate(transaction.GetDate());
    twin->SetAmount(ConvertBetweenAccounts(source, *target, amount));
    twin->SetClassId(whole ? transaction.GetClassId() : transaction.GetSplit(line).GetClassId());
    twin->SetPayeeName(transaction.GetPayeeName());
    twin->SetState(transaction.GetState());
    twin->SetMemo(transaction.GetMemo());
    if (twin->IsDebit() == transaction.IsDebit()) twin->SetTypeId(OppositeType(transaction));
    // The date may have moved the twin within its register.
    target->Reposition(*twin);
    target->RecomputeBalances();
    return 0;
}

EditOutcome CAccountOperations::CheckNewTransaction(const CCVAccount& account,
                                                    const CTransaction& transaction) {
    if (transaction.GetCategoryId() == account.GetAccountId()) {
        return EditOutcome::Refused(res::IDS_TRANSFER_SAME_ACCOUNT);
    }
    if (!transaction.IsVoid() && !account.CanTake(transaction.GetSignedAmount())) {
        return EditOutcome::Refused(res::IDS_BALANCE_LIMIT);
    }
    return EditOutcome::Done();
}

int CAccountOperations::AddTransactionWithTwins(CCVAccount& account,
                                                std::unique_ptr<CTransaction> transaction) {
    if (!transaction) return kMissing;
    if (AccountOf(transaction->GetCategoryId()) != nullptr) {
        if (const int rc = CreateTwin(account, *transaction); rc != 0) return rc;
    } else if (const int rc = CreateSplitTwins(account, *transaction); rc != 0) {
        return rc;
    }
    return account.AddTransaction(std::move(transaction));
}

EditOutcome CAccountOperations::CheckTwinBalances(const CCVAccount& source,
                                                 const CTransaction& transaction) const {
    if (transaction.IsVoid()) return EditOutcome::Done();
    // A twin has the opposite type: it takes the converted amount with the other sign.
    const auto fits = [&](int line) {
        const CCVAccount* target = AccountOf(CategoryOf(transaction, line));
        if (target == nullptr || target == &source) return true;
        const Amount amount =
            IsWhole(line) ? transaction.GetAmount() : transaction.GetSplit(line).GetAmount();
        const Amount converted = ConvertBetweenAccounts(source, *target, amount);
        return target->CanTake(transaction.IsDebit() ? converted : NegateAmount(converted));
    };
    bool fit = fits(kWholeTransaction);
    if (transaction.IsSplit()) {
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            if (transaction.SplitLineInUse(line) && !fits(line)) fit = false;
        }
    }
    return fit ? EditOutcome::Done() : EditOutcome::Refused(res::IDS_BALANCE_LIMIT);
}

int CAccountOperations::CreateSplitTwins(CCVAccount& account, CTransaction& transaction) {
    if (!transaction.IsSplit()) return 0;
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        if (AccountOf(CategoryOf(transaction, line)) == nullptr) continue;
        if (const int rc = CreateTwin(account, transaction, line); rc != 0) return rc;
    }
    return 0;
}

// ---- transfers ----

EditOutcome CAccountOperations::CheckTransfer(const CCVAccount* from, const CCVAccount* to,
                                              Amount amount) {
    if (amount == 0) return EditOutcome::Refused(res::IDS_ENTER_VALID_AMOUNT);
    if (from != nullptr && from == to) return EditOutcome::Refused(res::IDS_TRANSFER_SAME_ACCOUNT);
    if (from != nullptr && !from->CanTake(NegateAmount(amount))) {
        return EditOutcome::Refused(res::IDS_BALANCE_LIMIT);
    }
    return EditOutcome::Done();
}

EditOutcome CAccountOperations::CheckSetBalance(const CCVAccount& account, int kind,
                                               Amount amount) {
    // As SetBalanceTo measures it: from the balance the record holds.
    const CCVAccountRecord& record = account.Record();
    const Amount before = kind == CCVAccount::kBalanceCleared ? record.GetClearedBalance()
                                                              : record.GetCurrentBalance();
    Amount difference = 0;
    if (__builtin_sub_overflow(amount, before, &difference) ||
        !account.CanTake(difference)) {
        return EditOutcome::Refused(res::IDS_BALANCE_LIMIT);
    }
    return EditOutcome::Done();
}

int CAccountOperations::TransferFunds(CCVAccount* from, CCVAccount* to, DateTime date,
                                      Amount amount, bool cleared) {
    if (from == nullptr || to == nullptr) return kMissing;
    const DateTime when = WithCurrentTime(date);
    const std::uint8_t state = cleared ? CTransaction::kCleared : CTransaction::kUncleared;
    auto withdrawal = std::make_unique<CTransaction>();
    auto deposit = std::make_unique<CTransaction>();
    for (CTransaction* t : {withdrawal.get(), deposit.get()}) {
        t->SetPayeeName(kTransferPayee);
        t->SetDate(when);
        t->SetState(state);
    }
    withdrawal->SetTypeId(WithdrawalType());
    withdrawal->SetAmount(amount);
    withdrawal->SetCategoryId(to->GetAccountId());
    withdrawal->SetLinkedTransactionId(deposit->GetTransactionId());
    deposit->SetTypeId(DepositType());
    deposit->SetAmount(ConvertBetweenAccounts(*from, *to, amount));
    deposit->SetCategoryId(from->GetAccountId());
    deposit->SetLinkedTransactionId(withdrawal->GetTransactionId());

    // Both sides or neither.
    if (!from->CanTake(withdrawal->GetSignedAmount()) || !to->CanTake(deposit->GetSignedAmount())) {
        return CCVAccount::kBalanceLimit;
    }
    if (const int rc = from->AddTransaction(std::move(withdrawal)); rc != 0) return rc;
    return to->AddTransaction(std::move(deposit));
}

// ---- deleting and purging ----

EditOutcome CAccountOperations::CheckDeleteTransaction(const CTransaction& transaction,
                                                       bool keepBalance) {
    if (transaction.IsSplitTransferTwin()) {
        return EditOutcome::Refused(res::IDS_SPLIT_TWIN_LOCKED);
    }
    return EditOutcome::Ask(keepBalance ? res::IDS_PURGE_ONE_QUESTION
                                        : res::IDS_DELETE_ONE_QUESTION);
}

int CAccountOperations::HandleTwin(const RecordKey& categoryId, const RecordKey& linkedId,
                                   bool unlinkOnly) const {
    CCVAccount* target = AccountOf(categoryId);
    if (target == nullptr || linkedId.IsNull() || target->FindById(linkedId) == nullptr) return 0;
    return target->DeleteTransactionById(linkedId, unlinkOnly);
}

int CAccountOperations::DeleteTransactionWithTwins(CCVAccount& account,
                                                   const CTransaction& transaction,
                                                   bool keepBalance) {
    const CTransaction* stored = account.FindById(transaction.GetTransactionId());
    if (stored == nullptr || stored->IsSplitTransferTwin()) return kMissing;
    if (const int rc =
            HandleTwin(stored->GetCategoryId(), stored->GetLinkedTransactionId(), keepBalance);
        rc != 0) {
        return rc;
    }
    if (stored->IsSplit()) {
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            const CSplitLine& split = stored->GetSplit(line);
            const int rc =
                HandleTwin(split.GetCategoryId(), split.GetLinkedTransactionId(), keepBalance);
            if (rc != 0) return rc;
        }
    }
    return account.DeleteTransaction(stored, keepBalance);
}

// ---- editing ----

EditOutcome CAccountOperations::CheckEditTransaction(const CTransaction& transaction) {
    if (transaction.IsSplitTransferTwin()) return EditOutcome::Refused(res::IDS_SPLIT_TWIN_LOCKED);
    return EditOutcome::Done();
}

int CAccountOperations::UpdateSplitTwins(CCVAccount& account, const CTransaction& old,
                                         CTransaction& updated) {
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        const CCVAccount* oldAccount = AccountOf(CategoryOf(old, line));
        const CCVAccount* newAccount = AccountOf(CategoryOf(updated, line));
        const RecordKey& oldLink = old.GetSplit(line).GetLinkedTransactionId();
        int rc = 0;
        if (oldAccount != nullptr && oldAccount == newAccount) {
            updated.SetSplitLinkedTransactionId(line, oldLink);
            rc = UpdateTwin(account, updated, line);
        } else {
            if (oldAccount != nullptr) rc = HandleTwin(CategoryOf(old, line), oldLink, false);
            updated.SetSplitLinkedTransactionId(line, RecordKey{});
            if (rc == 0 && newAccount != nullptr) rc = CreateTwin(account, updated, line);
        }
        if (rc != 0) return rc;
    }
    return 0;
}

int CAccountOperations::UpdateTransactionWithTwins(CCVAccount& account, CTransaction& stored,
                                                   const CTransaction& edited) {
    if (account.FindById(stored.GetTransactionId()) != &stored || stored.IsSplitTransferTwin()) {
        return kMissing;
    }
    CTransaction updated(edited);
    updated.SetTransactionId(stored.GetTransactionId());
    const CCVAccount* oldAccount = AccountOf(stored.GetCategoryId());
    const CCVAccount* newAccount = AccountOf(updated.GetCategoryId());
    const RecordKey& oldLink = stored.GetLinkedTransactionId();
    // A split line's links are those of the stored lines until the twins are worked out.
    if (updated.IsSplit()) updated.SetLinkedTransactionId(RecordKey{});

    int rc = 0;
    if (oldAccount != nullptr && !oldLink.IsNull()) {
        if (oldAccount == newAccount) {
            updated.SetLinkedTransactionId(oldLink);
            rc = UpdateTwin(account, updated);
            // A twin that is gone is not pointed at any longer.
            if (rc != 0) updated.SetLinkedTransactionId(RecordKey{});
        } else {
            rc = HandleTwin(stored.GetCategoryId(), oldLink, false);
            updated.SetLinkedTransactionId(RecordKey{});
            if (rc == 0 && newAccount != nullptr) rc = CreateTwin(account, updated);
            if (rc == 0 && newAccount == nullptr) rc = CreateSplitTwins(account, updated);
        }
    } else if (stored.IsSplit() && updated.IsSplit()) {
        rc = UpdateSplitTwins(account, stored, updated);
    } else if (stored.IsSplit()) {
        for (int line = 0; line < CTransaction::kSplitLines && rc == 0; ++line) {
            const CSplitLine& split = stored.GetSplit(line);
            rc = HandleTwin(split.GetCategoryId(), split.GetLinkedTransactionId(), false);
        }
        // A split that became a transfer gets its twin like any new transfer.
        updated.SetLinkedTransactionId(RecordKey{});
        if (rc == 0 && newAccount != nullptr) rc = CreateTwin(account, updated);
    } else if (updated.IsSplit()) {
        CTransaction::SplitLines lines{};
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            lines[static_cast<std::size_t>(line)] = updated.GetSplit(line);
            lines[static_cast<std::size_t>(line)].SetLinkedTransactionId(RecordKey{});
        }
        updated.SetSplits(lines);
        rc = CreateSplitTwins(account, updated);
    } else if (oldAccount == nullptr && newAccount != nullptr) {
        updated.SetLinkedTransactionId(RecordKey{});
        rc = CreateTwin(account, updated);
    }

    stored.CopyFrom(updated);
    account.Reposition(stored);
    account.RecomputeBalances();
    return rc;
}

// ---- purging ----

int CAccountOperations::PurgeTransactions(CCVAccount& account, int mode, DateTime date) {
    if (mode != kPurgeBeforeDate && mode != kPurgeCleared && mode != kPurgeReconciled) {
        return kMissing;
    }
    for (auto i = static_cast<std::int64_t>(account.Transactions().Count()) - 1; i >= 0; --i) {
        const CTransaction& t = *account.Transactions().At(i);
        const bool selected = mode == kPurgeBeforeDate ? t.GetDate() < date
                              : mode == kPurgeCleared  ? t.IsCleared()
                                                       : t.IsReconciled();
        if (!selected) continue;
        if (!t.IsVoid()) account.AddToBeginningBalance(t.GetSignedAmount());
        HandleTwin(t.GetCategoryId(), t.GetLinkedTransactionId(), true);
        if (t.IsSplit()) {
            for (int line = 0; line < CTransaction::kSplitLines; ++line) {
                const CSplitLine& split = t.GetSplit(line);
                HandleTwin(split.GetCategoryId(), split.GetLinkedTransactionId(), true);
            }
        }
        account.DeleteTransactionAt(i);
    }
    account.RecomputeBalances();
    return 0;
}
