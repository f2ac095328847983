#include "views/accounts/CAccountInfoView.h"

#include <algorithm>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/IconGlyphs.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CHandBack.h"
#include "shell/SaveChanges.h"
#include "shell/ViewNumbers.h"

namespace views {
namespace {

enum FieldId : int {
    kNameId = 100,
    kTypeId,
    kBankId,
    kNumberId,
    kBalanceId,
    kCurrencyId,
    kIncludeId,
};
constexpr int kBalanceLimit = 21;  // a sign, 19 digits and the point
constexpr int kIconSet = 0;

// The fields as typed, kept while the icon chooser is open.
struct AccountInfoState : shell::CViewState {
    bool isNew = true;
    RecordKey accountId;
    CAccountEditing::Fields fields;
};

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

CAccountEditing Editing() {
    CVModel& model = *CVModel::GetModel();
    return CAccountEditing(*model.GetAccountList(), &model.GetPreferences());
}

}  // namespace

shell::CCVView::Frame CAccountInfoView::Describe(ui::LPARAM) {
    return Frame{L"AccountsInfo", Text(res::IDS_ACCOUNT_INFO_TITLE), res::IDM_ACCOUNT_INFO};
}

CCVAccount* CAccountInfoView::Edited() const {
    return m_new ? nullptr : Model().GetAccountList()->FindAccountById(m_accountId);
}

bool CAccountInfoView::OnCreate(ui::LPARAM param) {
    CCVAccountList* accounts = Model().GetAccountList();
    if (accounts == nullptr) return false;
    m_new = ViewNumber() == shell::kViewNewAccount;
    if (!m_new) {
        // The opening screen hands the account's position. On the way back from the icon
        // chooser the saved state names the account instead.
        const CCVAccount* account = accounts->At(static_cast<std::int64_t>(param));
        if (account == nullptr) account = Model().GetCurrentAccount();
        if (account != nullptr) m_accountId = account->GetAccountId();
    }

    std::vector<std::wstring> types;
    for (int type = 0; type < CCVAccount::kAccountTypeCount; ++type) {
        types.push_back(Text(CCVAccount::AccountTypeNameId(type)));
    }
    std::vector<std::wstring> currencies;
    CCurrencyList& list = accounts->GetCurrencies();
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        currencies.push_back(CCVUIUtility::WideCopy(list.At(i)->GetSymbol()));
        m_currencies.push_back(list.At(i)->GetNumber());
    }

    m_name = AddEditRow(Text(res::IDS_LABEL_NAME), kNameId,
                        static_cast<int>(CAccountEditing::kNameLimit));
    m_type = AddSpinnerRow(Text(res::IDS_LABEL_TYPE), kTypeId, types, 0);
    m_bank = AddEditRow(Text(res::IDS_LABEL_BANK), kBankId,
                        static_cast<int>(CAccountEditing::kBankLimit));
    // The field holds no more than the record stores, so nothing typed is lost.
    m_number = AddEditRow(Text(res::IDS_LABEL_ACCOUNT_NUMBER), kNumberId,
                          static_cast<int>(CAccountEditing::kAccountNumberLimit));
    m_balance = AddEditRow(Text(res::IDS_LABEL_BEGINNING_BALANCE), kBalanceId, kBalanceLimit);
    m_currency = AddSpinnerRow(Text(res::IDS_LABEL_CURRENCY), kCurrencyId, currencies, 0);
    m_iconValue = AddValueRow(Text(res::IDS_LABEL_ICON), L"");
    m_include = AddCheckRow(L"", kIncludeId, true, Text(res::IDS_LABEL_INCLUDE_IN_TOTAL));
    if (m_name == nullptr || m_type == nullptr || m_bank == nullptr || m_number == nullptr ||
        m_balance == nullptr || m_currency == nullptr || m_include == nullptr) {
        return false;
    }
    ShowFields(Editing().FieldsOf(Edited()));
    ui::SetFocus(m_name);
    return true;
}

void CAccountInfoView::ShowFields(const CAccountEditing::Fields& fields) {
    ui::SetWindowText(m_name, CCVUIUtility::WideCopy(fields.name));
    if (auto* type = ui::GetControl<ui::CSpinner>(m_type)) type->SetCurSel(fields.type);
    ui::SetWindowText(m_bank, CCVUIUtility::WideCopy(fields.bank));
    ui::SetWindowText(m_number, CCVUIUtility::WideCopy(fields.accountNumber));
    ui::SetWindowText(m_balance, CCVUIUtility::WideCopy(fields.balanceText));
    const auto at = std::find(m_currencies.begin(), m_currencies.end(), fields.currency);
    if (auto* currency = ui::GetControl<ui::CSpinner>(m_currency)) {
        currency->SetCurSel(at == m_currencies.end() ? 0
                                                     : static_cast<int>(at - m_currencies.begin()));
    }
    m_icon = fields.icon;
    ShowIcon();
    SetChecked(m_include, fields.includeInTotal);
}

void CAccountInfoView::ShowIcon() {
    SetValue(m_iconValue, std::wstring(1, res::IconGlyph(kIconSet, m_icon)));
}

CAccountEditing::Fields CAccountInfoView::ReadFields() const {
    CAccountEditing::Fields fields;
    fields.name = CCVUIUtility::NarrowCopy(FieldText(m_name));
    fields.type = static_cast<std::uint8_t>(std::max(0, SpinnerIndex(m_type)));
    fields.bank = CCVUIUtility::NarrowCopy(FieldText(m_bank));
    fields.accountNumber = CCVUIUtility::NarrowCopy(FieldText(m_number));
    fields.balanceText = CCVUIUtility::NarrowCopy(FieldText(m_balance));
    const int currency = SpinnerIndex(m_currency);
    if (currency >= 0 && currency < static_cast<int>(m_currencies.size())) {
        fields.currency = m_currencies[static_cast<std::size_t>(currency)];
    }
    fields.icon = m_icon;
    fields.includeInTotal = IsChecked(m_include);
    return fields;
}

void CAccountInfoView::Done() {
    CAccountEditing editing = Editing();
    const CAccountEditing::Fields fields = ReadFields();
    CCVAccount* edited = Edited();
    if (!m_new && edited == nullptr) {
        PostBack(0);
        return;
    }
    CAccountEditing::Check check = editing.CheckFields(fields, edited, false);
    if (check.outcome.result == EditOutcome::kAsk) {
        if (!Ask(check.outcome.message, ui::MB_YESNO | ui::MB_ICONQUESTION)) {
            FocusField(m_balance);
            return;
        }
        check = editing.CheckFields(fields, edited, true);
    }
    if (!check.outcome.IsDone()) {
        Ask(check.outcome.message, ui::MB_OK | ui::MB_ICONWARNING);
        FocusField(check.field == CAccountEditing::Field::kName            ? m_name
                   : check.field == CAccountEditing::Field::kAccountNumber ? m_number
                                                                           : m_balance);
        return;
    }
    if (const int rc = editing.Save(fields, edited); rc != 0) {
        Ask(res::IDS_NONE, ui::MB_OK | ui::MB_ICONERROR,
            CCVUIUtility::FormatString(res::IDS_ACCOUNT_NOT_SAVED, rc));
        return;
    }
    shell::SaveModelChanges(Window());
    PostBack(0);
}

bool CAccountInfoView::OnCommand(int id) {
    switch (id) {
        case res::IDC_OPERATION_DONE:
            Done();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        case res::IDC_ACCOUNT_INFO_ICONS:
            Navigate(res::IDC_ACCOUNT_INFO_ICONS, m_icon);
            return true;
        default:
            return false;
    }
}

std::unique_ptr<shell::CViewState> CAccountInfoView::SaveState() const {
    auto state = std::make_unique<AccountInfoState>();
    state->isNew = m_new;
    state->accountId = m_accountId;
    state->fields = ReadFields();
    return state;
}

void CAccountInfoView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const AccountInfoState*>(&state);
    if (saved == nullptr) return;
    m_new = saved->isNew;
    m_accountId = saved->accountId;
    ShowFields(saved->fields);
}

void CAccountInfoView::OnShown() {
    auto chosen = shell::CCVApplication::Instance().HandBack().TakeAs<shell::CHandBackOf<int>>(
        shell::HandBackKind::kIcon);
    if (chosen) {
        m_icon = static_cast<std::uint16_t>(chosen->Value());
        ShowIcon();
    }
}

}  // namespace views
