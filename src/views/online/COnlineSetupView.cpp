#include "views/online/COnlineSetupView.h"

#include "model/CVModel.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CHandBack.h"
#include "shell/ViewNumbers.h"
#include "shell/online/COnlinePayload.h"
#include "shell/online/COnlineSession.h"

namespace views {
namespace {

enum FieldId : int { kEnabledId = 100, kBankId, kCustomerIdId, kPasswordId, kAccountId };

// The bank and the account are chosen, not typed: their fields show the choice and open the
// chooser on the action key.
constexpr int kChoiceLimit = 255;

using CopyPayload = shell::COnlinePayload<COnlineSetup::WorkingCopy>;
using CopyHandBack = shell::CHandBackOf<COnlineSetup::WorkingCopy>;

struct SetupState : shell::CViewState {
    COnlineSetup::WorkingCopy copy;
    bool enabled = false;
    std::wstring customerId;
    std::wstring password;
    int focus = 0;
};

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

COnlineSetup Setup() {
    return COnlineSetup(*CVModel::GetModel()->GetAccountList());
}

}  // namespace

shell::CCVView::Frame COnlineSetupView::Describe(ui::LPARAM) {
    return Frame{L"OnlineSetup", Text(res::IDS_ONLINE_SETUP_TITLE), res::IDM_ONLINE_SETUP};
}

bool COnlineSetupView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    if (auto* handed = dynamic_cast<CopyPayload*>(payload.get())) m_copy = handed->Value();
    m_enabled = AddCheckRow(L"", kEnabledId, m_copy.enabled, Text(res::IDS_ENABLE_ACCESS));
    m_bank = AddEditRow(Text(res::IDS_LABEL_SETUP_BANK), kBankId, kChoiceLimit, ui::ES_READONLY);
    m_customerId = AddEditRow(Text(res::IDS_LABEL_CUSTOMER_ID), kCustomerIdId,
                              static_cast<int>(COnlineSetup::kMaxCustomerId));
    m_password = AddEditRow(Text(res::IDS_LABEL_SETUP_PASSWORD), kPasswordId,
                            static_cast<int>(COnlineSetup::kMaxPassword));
    m_account =
        AddEditRow(Text(res::IDS_LABEL_SETUP_ACCOUNT), kAccountId, kChoiceLimit, ui::ES_READONLY);
    if (m_enabled == nullptr || m_bank == nullptr || m_customerId == nullptr ||
        m_password == nullptr || m_account == nullptr) {
        return false;
    }
    ui::SetWindowText(m_customerId, CCVUIUtility::WideCopy(m_copy.customerId));
    if (m_copy.password.empty()) {
        ui::SetWindowText(m_password, Text(res::IDS_WILL_PROMPT));
    } else {
        ui::SetWindowLongPtr(m_password, ui::GWL_STYLE,
                             ui::GetWindowLongPtr(m_password, ui::GWL_STYLE) | ui::ES_PASSWORD);
        ui::SetWindowText(m_password, CCVUIUtility::WideCopy(m_copy.password));
    }
    ShowCopy();
    ui::SetFocus(m_enabled);
    return true;
}

void COnlineSetupView::ShowCopy() {
    const std::string bank = Setup().BankNameOf(m_copy);
    SetValue(m_bank,
             bank.empty() ? Text(res::IDS_SELECT_PLACEHOLDER) : CCVUIUtility::WideCopy(bank));
    SetValue(m_account, m_copy.accountNumber.empty()
                            ? Text(res::IDS_SELECT_PLACEHOLDER)
                            : CCVUIUtility::WideCopy(m_copy.accountNumber));
    UpdateMenu();
}

void COnlineSetupView::UpdateMenu() {
    const bool enabled = IsChecked(m_enabled);
    // What the tick enables is shown only while it is ticked.
    for (const ui::HWND field : {m_bank, m_customerId, m_password, m_account}) {
        ShowRow(field, enabled);
    }
    ui::CMenu* menu = Menu();
    if (menu == nullptr) return;
    menu->EnableItem(res::IDC_SETUP_SELECT_BANK, ui::MF_BYCOMMAND, enabled);
    menu->EnableItem(res::IDC_SETUP_SET_PASSWORD, ui::MF_BYCOMMAND, enabled);
    menu->EnableItem(res::IDC_SETUP_SELECT_ACCOUNT, ui::MF_BYCOMMAND,
                     enabled && m_copy.fiId != 0 && !FieldText(m_customerId).empty());
}

bool COnlineSetupView::WillPrompt() const {
    return FieldText(m_password) == Text(res::IDS_WILL_PROMPT) &&
           (ui::GetWindowLongPtr(m_password, ui::GWL_STYLE) & ui::ES_PASSWORD) == 0;
}

void COnlineSetupView::ClearWillPrompt() {
    if (WillPrompt()) ui::SetWindowText(m_password, L"");
    ui::SetWindowLongPtr(m_password, ui::GWL_STYLE,
                         ui::GetWindowLongPtr(m_password, ui::GWL_STYLE) | ui::ES_PASSWORD);
}

void COnlineSetupView::Say(res::StringId id) {
    Ask(id, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool COnlineSetupView::OnKey(unsigned vk) {
    if (vk != ui::VK_UP && vk != ui::VK_DOWN) return false;
    MoveFocus(vk == ui::VK_DOWN ? 1 : -1);
    if (ui::GetFocus() == m_password) ClearWillPrompt();
    UpdateMenu();
    return true;
}

void COnlineSetupView::OnControlCommand(int id, unsigned code) {
    switch (id) {
        case kEnabledId:
            UpdateMenu();
            return;
        // The action key on the bank or the account acts as its menu item.
        case kBankId:
            if (code == ui::EN_RETURN) OnCommand(res::IDC_SETUP_SELECT_BANK);
            return;
        case kAccountId:
            if (code == ui::EN_RETURN) OnCommand(res::IDC_SETUP_SELECT_ACCOUNT);
            return;
        default:
            return;
    }
}

ui::LRESULT COnlineSetupView::OnMessage(ui::UINT message, ui::WPARAM, ui::LPARAM, bool& handled) {
    // The customer id typed or erased: "Select Account" follows.
    handled = message == ui::WM_CV_VALUE_CHANGED;
    if (handled) UpdateMenu();
    return 0;
}

void COnlineSetupView::SelectBank() {
    m_copy.enabled = IsChecked(m_enabled);
    int rc = 0;
    {
        shell::COnlineSession session(Window());
        rc = Setup().UpdateBanks(session.Progress(), session);
    }
    if (rc == 0) {
        Navigate(res::IDC_SETUP_SELECT_BANK, 0, std::make_unique<CopyPayload>(m_copy));
    }
}

void COnlineSetupView::SelectAccount() {
    const std::string customerId = CCVUIUtility::NarrowCopy(FieldText(m_customerId));
    if (const res::StringId refusal = COnlineSetup::CheckSelectAccount(m_copy, customerId);
        refusal != res::IDS_NONE) {
        Say(refusal);
        return;
    }
    const std::string typed =
        WillPrompt() ? std::string() : CCVUIUtility::NarrowCopy(FieldText(m_password));
    int rc = 0;
    {
        shell::COnlineSession session(Window());
        rc = Setup().FetchAccounts(m_copy, customerId, typed, session.Progress(), session, session);
    }
    if (rc != 0) return;
    Navigate(m_copy.reported.empty() ? shell::kEventEnterOnlineAccount
                                     : shell::kEventSelectOnlineAccount,
             0, std::make_unique<CopyPayload>(m_copy));
}

void COnlineSetupView::Done() {
    m_copy.enabled = IsChecked(m_enabled);
    const res::StringId refusal =
        Setup().Finish(m_copy, CCVUIUtility::NarrowCopy(FieldText(m_customerId)),
                       CCVUIUtility::NarrowCopy(FieldText(m_password)), WillPrompt());
    if (refusal != res::IDS_NONE) {
        Say(refusal);
        return;
    }
    shell::CCVApplication::Instance().HandBack().Give(shell::HandBackKind::kBankAndAccount,
                                                      std::make_unique<CopyHandBack>(m_copy));
    PostBack(0);
}

bool COnlineSetupView::OnCommand(int id) {
    switch (id) {
        case res::IDC_OPERATION_DONE:
            Done();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        case res::IDC_SETUP_SELECT_BANK:
            if (IsChecked(m_enabled)) SelectBank();
            return true;
        case res::IDC_SETUP_SET_PASSWORD:
            if (!IsChecked(m_enabled)) return true;
            ClearWillPrompt();
            FocusField(m_password);
            return true;
        case res::IDC_SETUP_SELECT_ACCOUNT:
            if (IsChecked(m_enabled)) SelectAccount();
            return true;
        default:
            return false;
    }
}

std::unique_ptr<shell::CViewState> COnlineSetupView::SaveState() const {
    auto state = std::make_unique<SetupState>();
    state->copy = m_copy;
    state->enabled = IsChecked(m_enabled);
    state->customerId = FieldText(m_customerId);
    state->password = WillPrompt() ? std::wstring() : FieldText(m_password);
    state->focus = FocusIndex();
    return state;
}

void COnlineSetupView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const SetupState*>(&state);
    if (saved == nullptr) return;
    m_copy = saved->copy;
    SetChecked(m_enabled, saved->enabled);
    ui::SetWindowText(m_customerId, saved->customerId);
    if (saved->password.empty()) {
        ui::SetWindowLongPtr(m_password, ui::GWL_STYLE,
                             ui::GetWindowLongPtr(m_password, ui::GWL_STYLE) & ~ui::ES_PASSWORD);
        ui::SetWindowText(m_password, Text(res::IDS_WILL_PROMPT));
    } else {
        ClearWillPrompt();
        ui::SetWindowText(m_password, saved->password);
    }
    ShowCopy();
    SetFocusIndex(saved->focus);
}

void COnlineSetupView::OnShown() {
    auto chosen = shell::CCVApplication::Instance().HandBack().TakeAs<CopyHandBack>(
        shell::HandBackKind::kBankAndAccount);
    if (chosen) {
        m_copy = chosen->Value();
        m_copy.enabled = IsChecked(m_enabled);
    }
    ShowCopy();
}

}  // namespace views
