#include "views/accounts/CEditAccountsView.h"

#include <algorithm>
#include <unordered_set>

#include "model/CAccountEditing.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/IconGlyphs.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/SaveChanges.h"

namespace views {
namespace {

// What the list held when it was left, so that coming back selects the account worked on.
struct AccountsState : shell::CViewState {
    int selected = -1;
    const CCVAccount* selectedAccount = nullptr;  // compared, never followed
    std::unordered_set<const CCVAccount*> accounts;
};

constexpr int kIconSet = 0;

CAccountEditing Editing() {
    CVModel& model = *CVModel::GetModel();
    return CAccountEditing(*model.GetAccountList(), &model.GetPreferences());
}

}  // namespace

shell::CCVView::Frame CEditAccountsView::Describe(ui::LPARAM) {
    return Frame{L"EditAccounts", std::wstring(res::LoadString(res::IDS_EDIT_ACCOUNTS_TITLE)),
                 res::IDM_EDIT_ACCOUNTS};
}

bool CEditAccountsView::OnCreate(ui::LPARAM) {
    if (Model().GetAccountList() == nullptr || !CreateList(false)) return false;
    Refresh(0);
    ui::SetFocus(List());
    return true;
}

void CEditAccountsView::Refresh(int select) {
    const int count = static_cast<int>(Model().GetAccountList()->Count());
    SetRowCount(count);
    if (count > 0) Select(std::clamp(select, 0, count - 1));
    Repaint();
}

bool CEditAccountsView::CheckSelected(int row) {
    const EditOutcome check = Editing().CheckSelection(row);
    if (check.IsDone()) return true;
    const bool wrongIndex = check.message == res::IDS_BAD_ACCOUNT_INDEX;
    Ask(check.message, ui::MB_OK | (wrongIndex ? ui::MB_ICONEXCLAMATION : ui::MB_ICONINFORMATION));
    return false;
}

void CEditAccountsView::Edit() {
    const int row = Selection();
    // The editor takes the account's position.
    if (CheckSelected(row)) Navigate(res::IDC_ACCOUNTS_EDIT, row);
}

void CEditAccountsView::Delete() {
    const int row = Selection();
    if (!CheckSelected(row)) return;
    if (!Ask(res::IDS_DELETE_ITEM_QUESTION,
             ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2)) {
        return;
    }
    CAccountEditing editing = Editing();
    bool removeScheduled = false;
    if (const std::uint32_t scheduled = editing.CountScheduledFor(row); scheduled > 0) {
        removeScheduled =
            Ask(res::IDS_NONE, ui::MB_YESNO | ui::MB_ICONQUESTION,
                CCVUIUtility::FormatString(res::IDS_DELETE_SCHEDULED_QUESTION, scheduled));
    }
    if (const int rc = editing.DeleteAccount(row, removeScheduled); rc != 0) {
        Ask(res::IDS_NONE, ui::MB_OK | ui::MB_ICONERROR,
            CCVUIUtility::FormatString(res::IDS_ACCOUNT_NOT_DELETED, rc));
        return;
    }
    shell::SaveModelChanges(Window());
    Refresh(row > 0 ? row - 1 : 0);
}

bool CEditAccountsView::OnCommand(int id) {
    switch (id) {
        case res::IDC_ACCOUNTS_EDIT:
            Edit();
            return true;
        case res::IDC_ACCOUNTS_DELETE:
            Delete();
            return true;
        case res::IDC_LIST_DONE:
            PostBack(0);
            return true;
        default:
            return false;  // "New" opens the editor through its transition
    }
}

ui::LRESULT CEditAccountsView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Edit();
    return 0;
}

void CEditAccountsView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect,
                                bool selected, bool focused) {
    const CCVAccount* account = Model().GetAccountList()->At(row);
    if (account == nullptr) return;
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    dc.TextOut(rect.left + 1, rect.top,
               std::wstring(1, res::IconGlyph(kIconSet, account->Record().GetIcon())));
    const std::wstring type(
        res::LoadString(CCVAccount::AccountTypeNameId(account->Record().GetAccountType())));
    ui::RECT typeRect{std::max(rect.left + 3, rect.right - 1 - static_cast<int>(type.size())),
                      rect.top, rect.right - 1, rect.bottom};
    ui::RECT name{rect.left + 3, rect.top, std::max(rect.left + 3, typeRect.left - 1), rect.bottom};
    dc.DrawText(CCVUIUtility::WideCopy(account->GetName()), name,
                ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    dc.DrawText(type, typeRect, ui::DT_SINGLELINE | ui::DT_RIGHT);
}

std::unique_ptr<shell::CViewState> CEditAccountsView::SaveState() const {
    auto state = std::make_unique<AccountsState>();
    const CCVAccountList& accounts = *Model().GetAccountList();
    state->selected = Selection();
    state->selectedAccount = accounts.At(state->selected);
    for (std::uint32_t i = 0; i < accounts.Count(); ++i) state->accounts.insert(accounts.At(i));
    return state;
}

void CEditAccountsView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const AccountsState*>(&state);
    if (saved == nullptr) return;
    const CCVAccountList& accounts = *Model().GetAccountList();
    int select = saved->selected;
    // A new account is selected; otherwise the edited one where its name now puts it.
    bool added = false;
    for (std::uint32_t i = 0; i < accounts.Count() && !added; ++i) {
        if (saved->accounts.count(accounts.At(i)) == 0) {
            select = static_cast<int>(i);
            added = true;
        }
    }
    if (!added && saved->selectedAccount != nullptr) {
        const std::int64_t at = accounts.FindAccount(saved->selectedAccount);
        if (at >= 0) select = static_cast<int>(at);
    }
    Refresh(select);
}

}  // namespace views
