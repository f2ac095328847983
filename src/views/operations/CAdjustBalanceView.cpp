#include "views/operations/CAdjustBalanceView.h"

#include "model/CAccountOperations.h"
#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/SaveChanges.h"

namespace views {
namespace {

enum FieldId : int { kAmountId = 100, kKindId };
constexpr int kAmountLimit = 21;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CAdjustBalanceView::Describe(ui::LPARAM) {
    return Frame{L"AdjustBalance", Text(res::IDS_ADJUST_TITLE), res::IDM_ADJUST_BALANCE};
}

bool CAdjustBalanceView::OnCreate(ui::LPARAM) {
    if (Model().GetCurrentAccount() == nullptr) return false;
    m_amount = AddEditRow(Text(res::IDS_LABEL_NEW_BALANCE), kAmountId, kAmountLimit);
    // The entries in the order of the balance kinds.
    m_kind = AddSpinnerRow(Text(res::IDS_LABEL_BALANCE_KIND), kKindId,
                           {Text(res::IDS_MENU_BALANCE), Text(res::IDS_MENU_CLEARED)},
                           CCVAccount::kBalanceCurrent);
    if (m_amount == nullptr || m_kind == nullptr) return false;
    ShowBalance();
    FocusField(m_amount);
    return true;
}

void CAdjustBalanceView::ShowBalance() {
    const CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return;
    ui::SetWindowText(
        m_amount, CCVUIUtility::WideCopy(FormatAmount(account->GetBalance(SpinnerIndex(m_kind)))));
}

ui::LRESULT CAdjustBalanceView::OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM,
                                          bool& handled) {
    // Choosing the other balance shows it, ready to be changed.
    handled = message == ui::WM_CV_VALUE_CHANGED && static_cast<int>(wParam) == kKindId;
    if (handled) ShowBalance();
    return 0;
}

void CAdjustBalanceView::Done() {
    CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return;
    const std::wstring text = FieldText(m_amount);
    if (!CCVUIUtility::Instance().AmountCheck(text, true)) {
        FocusField(m_amount);
        return;
    }
    const Amount amount = ParseAmount(CCVUIUtility::NarrowCopy(text));
    if (const EditOutcome check =
            CAccountOperations::CheckSetBalance(*account, SpinnerIndex(m_kind), amount);
        !check.IsDone()) {
        Ask(check.message, ui::MB_OK | ui::MB_ICONWARNING);
        FocusField(m_amount);
        return;
    }
    if (account->SetBalanceTo(SpinnerIndex(m_kind), amount) != 0) return;
    shell::SaveModelChanges(Window());
    PostBack(0);
}

bool CAdjustBalanceView::OnCommand(int id) {
    switch (id) {
        case res::IDC_OPERATION_DONE:
            Done();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
