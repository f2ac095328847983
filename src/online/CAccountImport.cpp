#include "online/CAccountImport.h"

#include <string>
#include <utility>

#include "model/CCVAccountList.h"
#include "model/CImportBackup.h"
#include "model/CDownloadIndex.h"
#include "model/ModelText.h"
#include "platform/sys/Files.h"
#include "resources/ScreenIds.h"
#include "storage/RecordKey.h"

namespace {

using Style = MOnlineMessages::Style;

}  // namespace

CAccountImport::CAccountImport(CCVAccountList& accounts, CCVAccountList& imports)
    : m_accounts(accounts), m_imports(imports) {}

CAccountImport::Outcome CAccountImport::Result(int result, res::StringId message,
                                               Style style) const {
    Outcome outcome;
    outcome.result = result;
    outcome.message = message;
    outcome.style = style;
    outcome.itemsLeft = m_imports.Count() > 0;
    return outcome;
}

CAccountImport::Outcome CAccountImport::ImportNow(std::int64_t sourceIndex, CCVAccount* target,
                                                  const char* newName) {
    const CCVAccount* source = m_imports.At(sourceIndex);
    if (source == nullptr) return Result(1);
    std::string name(newName != nullptr ? newName : "");
    if (name.size() > kMaxNewName) name.resize(kMaxNewName);
    if (target == nullptr) {
        if (const res::StringId refusal = RefuseNewName(name.c_str()); refusal != res::IDS_NONE) {
            return Result(1, refusal, Style::kExclamation);
        }
    } else if (m_accounts.FindAccount(target) < 0) {
        return Result(1);
    }
    // An import brings in many transactions at once: the folder as it was is kept first.
    if (std::string refusal = CImportBackup::Make(m_accounts); !refusal.empty()) {
        Outcome outcome = Result(1, res::IDS_BACKUP_FAILED, Style::kExclamation);
        outcome.text = std::move(refusal);
        return outcome;
    }
    const Outcome outcome =
        target == nullptr ? IntoNewAccount(*source, name.c_str()) : IntoAccount(*source, *target);
    if (outcome.result != 0) return outcome;
    // Written into its target: the pending file goes.
    m_imports.RemoveImport(sourceIndex);
    return Result(0, res::IDS_IMPORT_DONE, Style::kInformation);
}

res::StringId CAccountImport::RefuseNewName(const char* name) const {
    if (IsEmptyText(name)) return res::IDS_IMPORT_ENTER_NAME;
    if (m_accounts.FindAccountByName(name) != nullptr) return res::IDS_IMPORT_NAME_EXISTS;
    const EditOutcome rule = m_accounts.CheckAccountName(name);
    if (!rule.IsDone()) return rule.message;
    // A file no account holds (one the load could not use) keeps its name.
    if (sys::PathExists(m_accounts.AccountFilePath(name))) return res::IDS_ACCOUNT_NAME_EXISTS;
    return res::IDS_NONE;
}

std::vector<CTransaction*> CAccountImport::MoveTransactions(const CCVAccount& source,
                                                            CCVAccount& target) {
    std::vector<CTransaction*> added;
    // The target's register as the copies look up their partners: built once, so that a copy
    // costs a few look-ups however long the register is. The copies themselves await review and
    // are no one's partner, so they need not be told to it.
    CDownloadIndex index(target.Transactions());
    const CCVTxnList& transactions = source.Transactions();
    for (std::uint32_t i = 0; i < transactions.Count(); ++i) {
        auto copy = std::make_unique<CTransaction>(*transactions.At(i));
        copy->SetTransactionId(NewRecordKey());
        // A void transaction stays void: clearing it would add an amount the source never
        // counted, and it is no partner for an entered transaction.
        const bool isVoid = copy->IsVoid();
        if (!isVoid) copy->SetState(CTransaction::kCleared);
        copy->SetOnlineOrigin(CTransaction::kAwaitingReview);
        copy->SetOnlineId("");
        // A match made where the file came from names a transaction of another register.
        copy->SetMatchedTransactionId(RecordKey{});
        if (!isVoid) target.MatchAutomatically(*copy, index);
        added.push_back(copy.get());
        target.AddTransaction(std::move(copy));
    }
    if (!added.empty()) target.SetImportReviewPending(true);
    return added;
}

CAccountImport::Outcome CAccountImport::IntoNewAccount(const CCVAccount& source,
                                                       const char* newName) {
    auto account = std::make_unique<CCVAccount>();
    account->SetOwner(&m_accounts);
    CCVAccountRecord& record = account->Record();
    record = source.Record();
    if (m_accounts.FindAccountById(record.GetAccountId()) != nullptr) {
        record.SetAccountId(NewRecordKey());
    }
    record.SetBeginningBalance(0);
    record.SetClearedBalance(0);
    record.SetCurrentBalance(0);
    account->SetOwnRowColor(source.GetOwnRowColor());
    account->SetSortColumn(source.GetSortColumn());
    account->SetSortAscending(source.GetSortAscending());
    MoveTransactions(source, *account);
    account->SetName(newName);
    CCVAccount* added = account.get();
    if (m_accounts.AddAccount(account) != 0) {
        // Taken into the list but not written: out again, so that nothing was imported.
        if (!account) m_accounts.RemoveAccount(added);
        return Result(1, res::IDS_IMPORT_NOT_SAVED, Style::kExclamation);
    }
    return Result(0);
}

CAccountImport::Outcome CAccountImport::IntoAccount(const CCVAccount& source, CCVAccount& target) {
    const std::vector<CTransaction*> added = MoveTransactions(source, target);
    if (m_accounts.SaveAccountFile(target) != 0) {
        for (CTransaction* transaction : added) target.TakeBackTransaction(transaction);
        return Result(1, res::IDS_IMPORT_NOT_SAVED, Style::kExclamation);
    }
    return Result(0);
}
