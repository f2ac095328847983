#include "model/CCVAccountList.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "model/AmountMath.h"
#include "model/CAccountOperations.h"
#include "model/CScheduledList.h"
#include "model/MDirectoryVersion.h"
#include "model/ModelText.h"
#include "platform/sys/Files.h"
#include "platform/sys/WinErrors.h"
#include "preferences/CCVTodayPlugIn.h"
#include "storage/Text.h"

namespace {

constexpr char kExtensionDot = '.';
constexpr const char* kForbiddenNameCharacters = "\\/:*?\"<>|";

}  // namespace

CCVAccountList::CCVAccountList(const ListMakers& makers) : CCVItemList(kListName, kListVersion) {
    if (makers.scheduled) m_scheduled = makers.scheduled();
    if (makers.institutions) m_institutions = makers.institutions();
}

CCVAccountList::~CCVAccountList() {
    Clear(true, true);  // the accounts go before the lists they refer to
}

std::unique_ptr<CCVItem> CCVAccountList::NewRecord() const {
    return std::make_unique<CCVAccount>();
}

CCVItemList* CCVAccountList::ListOf(ListFile file) {
    switch (file) {
        case kPayeesFile:
            return &m_payees;
        case kCategoriesFile:
            return &m_categories;
        case kClassesFile:
            return &m_classes;
        case kCurrenciesFile:
            return &m_currencies;
        case kTransactionTypesFile:
            return &m_transactionTypes;
        case kScheduledFile:
            return m_scheduled.get();
        case kInstitutionsFile:
            return m_institutions.get();
        case kPayeeLookUpsFile:
            return &m_payeeLookUps;
        default:
            return nullptr;
    }
}

void CCVAccountList::MarkAccountsUnsaved() {
    for (std::uint32_t i = 0; i < Count(); ++i) At(i)->MarkUnsaved();
}

EditOutcome CCVAccountList::CheckAccountName(const char* name, const CCVAccount* edited) const {
    // A name that the load would take for a deleted account's file would vanish at the next
    // start.
    if (IsEmptyText(name) ||
        IsDeletedAccountFileName(std::string(name) + kExtensionDot + kAccountExtension)) {
        return EditOutcome::Refused(res::IDS_ACCOUNT_NAME_EMPTY);
    }
    if (std::strpbrk(name, kForbiddenNameCharacters) != nullptr) {
        return EditOutcome::Refused(res::IDS_ACCOUNT_NAME_CHARACTERS);
    }
    for (std::uint32_t i = 0; i < Count(); ++i) {
        const CCVAccount* account = At(i);
        if (account != edited && CompareNoCase(account->GetName(), name) == 0) {
            return EditOutcome::Refused(res::IDS_ACCOUNT_NAME_EXISTS);
        }
    }
    return EditOutcome::Done();
}

YesNo CCVAccountList::AccountNameExists(const char* name) const {
    return ToYesNo(FindByName(name != nullptr ? name : "") != nullptr);
}

int CCVAccountList::AddAccount(std::unique_ptr<CCVAccount>& account) {
    if (!account || GetFolder().empty() || !CheckAccountName(account->GetName()).IsDone()) {
        return 1;
    }
    // A file of that name that no account holds (one the load could not use) is never replaced.
    if (sys::PathExists(AccountFilePath(account->GetName()))) return 1;
    account->SetOwner(this);
    CCVAccount* added = account.release();
    InsertSorted(added);
    return SaveAccountFile(*added);
}

int CCVAccountList::DeleteAccount(std::int64_t index) {
    CCVAccount* account = At(index);
    if (account == nullptr) return 1;
    if (const int rc = m_dataFolder.KeepDeletedAccountFile(account->GetName()); rc != 0) return rc;
    Remove(account);
    delete account;  // the list owned it
    return 0;
}

int CCVAccountList::RenameAccount(CCVAccount& account, const char* newName) {
    if (IndexOf(&account) < 0) return 1;
    const EditOutcome check = CheckAccountName(newName, &account);
    if (!check.IsDone()) {
        return static_cast<int>(check.message == res::IDS_ACCOUNT_NAME_EXISTS
                                    ? sys::ERROR_ALREADY_EXISTS
                                    : sys::ERROR_INVALID_NAME);
    }
    if (std::strcmp(newName, account.GetName()) == 0) return 0;
    if (const int rc = m_dataFolder.MoveAccountFile(account.GetName(), newName); rc != 0) {
        return rc;
    }
    account.SetName(newName);
    return 0;
}

const CCVAccount* CCVAccountList::FindAccountById(const RecordKey& accountId) const {
    for (std::uint32_t i = 0; i < Count(); ++i) {
        if (At(i)->GetAccountId() == accountId) return At(i);
    }
    return nullptr;
}

CCVAccount* CCVAccountList::FindAccountById(const RecordKey& accountId) {
    return const_cast<CCVAccount*>(std::as_const(*this).FindAccountById(accountId));
}

const CCVAccount* CCVAccountList::FindAccountByName(const char* name) const {
    if (name == nullptr) return nullptr;
    for (std::uint32_t i = 0; i < Count(); ++i) {
        if (std::strcmp(At(i)->GetName(), name) == 0) return At(i);
    }
    return nullptr;
}

CCVAccount* CCVAccountList::FindAccountByOnlineKeys(const char* routingNumber,
                                                    const char* accountNumber) const {
    if (routingNumber == nullptr || accountNumber == nullptr) return nullptr;
    for (std::uint32_t i = 0; i < Count(); ++i) {
        const CCVAccountRecord& record = At(i)->Record();
        if (record.GetRoutingNumber() == routingNumber &&
            record.GetAccountNumber() == accountNumber) {
            return At(i);
        }
    }
    return nullptr;
}

std::unique_ptr<CCVAccount> CCVAccountList::RemoveAccount(CCVAccount* account) {
    if (account == nullptr || IndexOf(account, true) < 0) return nullptr;
    Remove(account);
    return std::unique_ptr<CCVAccount>(account);
}

int CCVAccountList::SetCurrentAccount(std::int64_t index) {
    if (At(index) == nullptr) return 1;
    m_currentIndex = index;
    return 0;
}

int CCVAccountList::CompareForSort(const CCVAccount& a, const CCVAccount& b) const {
    const Amount balanceA = a.GetBalance(CCVAccount::kBalanceCurrent);
    const Amount balanceB = b.GetBalance(CCVAccount::kBalanceCurrent);
    const int byBalance = balanceA < balanceB ? -1 : (balanceA > balanceB ? 1 : 0);
    const int byName = CompareNoCase(a.GetName(), b.GetName());
    int result = 0;
    if (m_sortMode == kSortByBalance) {
        result = byBalance != 0 ? byBalance : byName;
    } else {
        result = byName != 0 ? byName : byBalance;
    }
    return m_sortAscending ? result : -result;
}

void CCVAccountList::SortAccounts(int mode) {
    m_sortMode = mode;
    m_sortAscending = !m_sortAscending;
    std::vector<CCVAccount*> sorted;
    sorted.reserve(Count());
    while (CCVAccount* account = At(0)) {
        Remove(account);
        // Bisection: after every account that compares equal.
        const auto place = std::upper_bound(sorted.begin(), sorted.end(), account,
                                            [this](const CCVAccount* a, const CCVAccount* b) {
                                                return CompareForSort(*a, *b) < 0;
                                            });
        sorted.insert(place, account);
    }
    for (CCVAccount* account : sorted) Append(account);
}

// ---- sums and currencies ----

Amount CCVAccountList::GetTotalBalance(int kind) const {
    Amount total = 0;
    const std::uint8_t home = m_currencies.GetBaseNumber();
    for (std::uint32_t i = 0; i < Count(); ++i) {
        const CCVAccount& account = *At(i);
        if (!account.Record().GetIncludeInTotal()) continue;
        Amount balance = account.GetBalance(kind);
        const std::uint8_t currency = account.Record().GetCurrency();
        if (currency != home) {
            if (const CCurrencyItem* item = m_currencies.FindByNumber(currency)) {
                balance = ConvertAtRate(balance, item->GetRate(), RateForm::kInHundredths);
            }
        }
        total = AddAmounts(total, balance);
    }
    return total;
}

Amount CCVAccountList::ConvertToHome(Amount amount, std::uint8_t currency) const {
    if (currency == m_currencies.GetBaseNumber()) return amount;
    const CCurrencyItem* item = m_currencies.FindByNumber(currency);
    if (item == nullptr || item->GetRate() == 0) return amount;
    return ConvertAtRate(amount, item->GetRate(), RateForm::kThroughUnits);
}

void CCVAccountList::ResetCurrency(std::uint8_t currency) {
    for (std::uint32_t i = 0; i < Count(); ++i) {
        CCVAccountRecord& record = At(i)->Record();
        if (record.GetCurrency() == currency) record.SetCurrency(m_currencies.GetBaseNumber());
    }
}

// ---- texts and payees ----

std::string CCVAccountList::GetAccountNameById(const RecordKey& accountId, bool bracketed) const {
    const CCVAccount* account = FindAccountById(accountId);
    const std::string name = account != nullptr ? account->GetName() : "";
    if (!bracketed) return name;
    return CCVCategoryText::kAccountOpen + name + CCVCategoryText::kAccountClose;
}

CScheduledList* CCVAccountList::GetScheduledTransactions() {
    return dynamic_cast<CScheduledList*>(m_scheduled.get());
}

int CCVAccountList::AddTransactionWithTwins(CCVAccount& account,
                                            std::unique_ptr<CTransaction> transaction) {
    return CAccountOperations(*this).AddTransactionWithTwins(account, std::move(transaction));
}

DateTime CCVAccountList::ReadNearestDateTime() {
    return CCVTodayPlugIn::ReadNearestDateTime();
}

void CCVAccountList::WriteNearestDateTime(DateTime time) {
    CCVTodayPlugIn::WriteNearestDateTime(time);
}

int CCVAccountList::MemorizePayee(const CTransaction& transaction) {
    CCVPayeeItem* payee = m_payees.FindPayee(transaction.GetPayeeName());
    if (payee == nullptr) return 1;
    payee->RememberTransaction(transaction);
    return 0;
}

void CCVAccountList::ClearReferenceLists() {
    for (int file = 0; file < kListFileCount; ++file) {
        if (CCVItemList* list = ListOf(static_cast<ListFile>(file))) list->Clear(true, true);
    }
    m_dataFolder.ForgetListFiles();
    if (auto* versioned = dynamic_cast<MDirectoryVersion*>(m_institutions.get())) {
        versioned->ResetVersion();
    }
}
