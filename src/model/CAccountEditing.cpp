#include "model/CAccountEditing.h"

#include <cstring>
#include <memory>
#include <vector>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CTransaction.h"
#include "model/TypedAmount.h"
#include "platform/sys/CodePage.h"
#include "preferences/CCVPreferences.h"
#include "resources/ScreenIds.h"
#include "storage/Text.h"

namespace {

using Column = CCVPreferences::Column;
constexpr Column kColumns[] = {
    Column::Clear,    Column::Icon,  Column::Date,   Column::TransactionType, Column::Payee,
    Column::Category, Column::Class, Column::Amount, Column::Balance,         Column::Memo};

bool AimsAt(const CScheduledItem& item, const RecordKey& accountId) {
    if (item.GetAccountId() == accountId) return true;
    const CTransaction& scheduled = item.Template();
    if (scheduled.GetCategoryId() == accountId) return true;
    if (!scheduled.IsSplit()) return false;
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        if (scheduled.GetSplitLine(line).categoryKey == accountId) return true;
    }
    return false;
}

}  // namespace

CAccountEditing::Fields CAccountEditing::FieldsOf(const CCVAccount* account) const {
    Fields fields;
    if (account == nullptr) {
        // A new account starts from a new record, in the home currency.
        const CCVAccount fresh;
        fields.type = fresh.Record().GetAccountType();
        fields.icon = fresh.Record().GetIcon();
        fields.includeInTotal = fresh.Record().GetIncludeInTotal();
        fields.currency = m_accounts.GetCurrencies().GetBaseNumber();
        return fields;
    }
    const CCVAccountRecord& record = account->Record();
    fields.name = account->GetName();
    fields.type = record.GetAccountType();
    fields.bank = record.GetBankName();
    fields.accountNumber = record.GetAccountNumber();
    fields.balanceText = FormatAmount(record.GetBeginningBalance());
    fields.currency = record.GetCurrency();
    fields.icon = record.GetIcon();
    fields.includeInTotal = record.GetIncludeInTotal();
    return fields;
}

CAccountEditing::Check CAccountEditing::CheckFields(const Fields& fields, const CCVAccount* edited,
                                                    bool balanceConfirmed) const {
    if (const EditOutcome name = m_accounts.CheckAccountName(fields.name.c_str(), edited);
        !name.IsDone()) {
        return {name, Field::kName};
    }
    if (fields.name.size() > kNameLimit) {
        return {EditOutcome::Refused(res::IDS_ACCOUNT_NAME_TOO_LONG), Field::kName};
    }
    // The record keeps 20 characters: a longer number is refused rather than stored empty.
    if (fields.accountNumber.size() > kAccountNumberLimit) {
        return {EditOutcome::Refused(res::IDS_ACCOUNT_NUMBER_TOO_LONG), Field::kAccountNumber};
    }
    // An unreadable balance is said, not passed over in silence.
    Amount beginning = 0;
    if (const EditOutcome read =
            ReadEnteredAmount(fields.balanceText, AmountEntry::kOptional, beginning);
        !read.IsDone()) {
        return {read, Field::kBalance};
    }
    // The balances move by the change of the beginning balance: never past what they can hold.
    if (edited != nullptr) {
        Amount change = 0;
        if (__builtin_sub_overflow(beginning, edited->Record().GetBeginningBalance(), &change) ||
            !edited->CanTake(change)) {
            return {EditOutcome::Refused(res::IDS_BALANCE_LIMIT), Field::kBalance};
        }
    }
    if (!balanceConfirmed) {
        CCVAccount probe;
        probe.Record().SetAccountType(fields.type);
        const EditOutcome balance = probe.CheckBeginningBalance(beginning);
        if (!balance.IsDone()) return {balance, Field::kBalance};
    }
    return {EditOutcome::Done(), Field::kName};
}

int CAccountEditing::Save(const Fields& fields, CCVAccount* edited, CCVAccount** saved) {
    std::unique_ptr<CCVAccount> made;
    CCVAccount* account = edited;
    if (account == nullptr) {
        made = std::make_unique<CCVAccount>();
        made->SetName(fields.name.c_str());
        account = made.get();
    } else if (std::strcmp(account->GetName(), fields.name.c_str()) != 0) {
        const std::string oldName = account->GetName();
        if (const int rc = m_accounts.RenameAccount(*account, fields.name.c_str()); rc != 0) {
            return rc;
        }
        CarrySettings(oldName, fields.name);
        Replace(*account);
    }
    CCVAccountRecord& record = account->Record();
    record.SetAccountType(fields.type);
    record.SetBankName(fields.bank.c_str());
    record.SetAccountNumber(fields.accountNumber.c_str());
    Amount beginning = 0;
    ReadEnteredAmount(fields.balanceText, AmountEntry::kOptional, beginning);
    record.SetBeginningBalance(beginning);
    record.SetCurrency(fields.currency);
    record.SetIcon(fields.icon);
    record.SetIncludeInTotal(fields.includeInTotal);
    account->RecomputeBalances();
    if (made) {
        if (const int rc = m_accounts.AddAccount(made); rc != 0) return rc;
    }
    if (saved != nullptr) *saved = account;
    return 0;
}

void CAccountEditing::Replace(CCVAccount& account) {
    CCVAccount* current = m_accounts.At(m_accounts.GetCurrentAccountIndex());
    std::unique_ptr<CCVAccount> taken = m_accounts.RemoveAccount(&account);
    if (!taken) return;
    m_accounts.InsertSorted(taken.release());
    if (current != nullptr) m_accounts.SetCurrentAccount(m_accounts.FindAccount(current));
}

void CAccountEditing::CarrySettings(const std::string& oldName, const std::string& newName) const {
    if (m_preferences == nullptr) return;
    CCVPreferences& preferences = *m_preferences;
    const std::wstring oldWide = sys::AnsiToWide(oldName);
    const std::wstring newWide = sys::AnsiToWide(newName);
    const std::wstring lastActive = preferences.GetLastActiveAccount();
    const bool wasCurrent =
        preferences.CurrentSettingsKey() == CCVPreferences::AccountSettingsKey(oldWide);

    preferences.SelectAccount(oldWide);
    bool shown[std::size(kColumns)];
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
        shown[i] = preferences.GetColumnShown(kColumns[i]);
    }
    CCVPreferences::FontRecord font{};
    const bool hasFont = preferences.GetFont(font);
    const std::uint32_t filter = preferences.GetTransactionFilter();
    const std::uint32_t colour = preferences.GetRowColor(0);

    preferences.SelectAccount(newWide);
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
        preferences.SetColumnShown(kColumns[i], shown[i]);
    }
    if (hasFont) preferences.SetFont(font);
    preferences.SetTransactionFilter(filter);
    if (colour != 0) preferences.SetRowColor(colour);

    // The selection and the last active account are what they were, under the new name.
    const bool lastWasOld =
        CompareNoCase(sys::WideToAnsi(lastActive).c_str(), oldName.c_str()) == 0;
    const std::wstring last = lastWasOld ? newWide : lastActive;
    if (wasCurrent || lastWasOld) {
        preferences.SelectAccount(newWide);
    } else {
        preferences.SelectAccount(last);
    }
    preferences.SetLastActiveAccount(last);
}

EditOutcome CAccountEditing::CheckSelection(std::int64_t index) const {
    if (m_accounts.Count() == 0) return EditOutcome::Refused(res::IDS_NO_ACCOUNTS);
    if (index < 0) return EditOutcome::Refused(res::IDS_SELECT_ITEM);
    if (m_accounts.At(index) == nullptr) return EditOutcome::Refused(res::IDS_BAD_ACCOUNT_INDEX);
    return EditOutcome::Done();
}

std::uint32_t CAccountEditing::CountScheduledFor(std::int64_t index) const {
    const CCVAccount* account = m_accounts.At(index);
    CScheduledList* scheduled = m_accounts.GetScheduledTransactions();
    if (account == nullptr || scheduled == nullptr) return 0;
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < scheduled->Count(); ++i) {
        if (AimsAt(*scheduled->At(i), account->GetAccountId())) ++count;
    }
    return count;
}

int CAccountEditing::DeleteAccount(std::int64_t index, bool removeScheduled) {
    CCVAccount* account = m_accounts.At(index);
    if (account == nullptr) return 1;
    const RecordKey accountId = account->GetAccountId();
    const std::string name = account->GetName();
    CCVAccount* current = m_accounts.At(m_accounts.GetCurrentAccountIndex());
    if (current == account) current = nullptr;

    if (const int rc = m_accounts.DeleteAccount(index); rc != 0) return rc;

    if (current != nullptr) {
        m_accounts.SetCurrentAccount(m_accounts.FindAccount(current));
    } else {
        m_accounts.ClearCurrentAccount();
    }
    if (m_preferences != nullptr &&
        CompareNoCase(sys::WideToAnsi(m_preferences->GetLastActiveAccount()).c_str(),
                      name.c_str()) == 0) {
        m_preferences->SetLastActiveAccount(L"");
        m_preferences->SelectAccount(L"");
    }
    CScheduledList* scheduled = m_accounts.GetScheduledTransactions();
    if (removeScheduled && scheduled != nullptr) {
        std::vector<CScheduledItem*> aiming;
        for (std::uint32_t i = 0; i < scheduled->Count(); ++i) {
            if (AimsAt(*scheduled->At(i), accountId)) aiming.push_back(scheduled->At(i));
        }
        for (CScheduledItem* item : aiming) scheduled->MarkDeleted(item);
        if (!aiming.empty()) scheduled->UpdateReminderTime(m_accounts);
    }
    return 0;
}
