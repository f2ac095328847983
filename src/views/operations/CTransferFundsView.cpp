#include "views/operations/CTransferFundsView.h"

#include <algorithm>

#include "model/CAccountOperations.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/SaveChanges.h"
#include "storage/DateTime.h"

namespace views {
namespace {

enum FieldId : int { kDateId = 100, kFromId, kToId, kAmountId, kClearedId };
constexpr int kAmountLimit = 21;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CTransferFundsView::Describe(ui::LPARAM) {
    return Frame{L"Transfer Funds", Text(res::IDS_TRANSFER_TITLE), res::IDM_TRANSFER};
}

bool CTransferFundsView::OnCreate(ui::LPARAM) {
    CCVAccountList* accounts = Model().GetAccountList();
    if (accounts == nullptr) return false;
    std::vector<std::wstring> names;
    for (std::uint32_t i = 0; i < accounts->Count(); ++i) {
        names.push_back(CCVUIUtility::WideCopy(accounts->At(i)->GetName()));
    }
    // From the account shown last, to the next one.
    const int count = static_cast<int>(names.size());
    const int from = static_cast<int>(
        std::clamp<std::int64_t>(accounts->GetCurrentAccountIndex(), 0, std::max(0, count - 1)));
    const int to = count > 1 ? (from + 1) % count : from;
    m_date = AddDateRow(Text(res::IDS_LABEL_DATE), kDateId, ::Now());
    m_from = AddSpinnerRow(Text(res::IDS_LABEL_FROM), kFromId, names, count > 0 ? from : -1);
    m_to = AddSpinnerRow(Text(res::IDS_LABEL_TO), kToId, names, count > 0 ? to : -1);
    m_amount = AddEditRow(Text(res::IDS_LABEL_AMOUNT), kAmountId, kAmountLimit);
    m_cleared = AddCheckRow(Text(res::IDS_LABEL_CLEARED_MARK), kClearedId, false);
    if (m_date == nullptr || m_from == nullptr || m_to == nullptr || m_amount == nullptr ||
        m_cleared == nullptr) {
        return false;
    }
    FocusField(m_amount);
    return true;
}

CCVAccount* CTransferFundsView::AccountAt(ui::HWND spinner) const {
    return Model().GetAccountList()->At(SpinnerIndex(spinner));
}

void CTransferFundsView::Done() {
    const std::wstring amountText = FieldText(m_amount);
    if (!CCVUIUtility::Instance().AmountCheck(amountText, true)) {
        FocusField(m_amount);
        return;
    }
    const Amount amount = ParseAmount(CCVUIUtility::NarrowCopy(amountText));
    CCVAccount* from = AccountAt(m_from);
    CCVAccount* to = AccountAt(m_to);
    if (const EditOutcome check = CAccountOperations::CheckTransfer(from, to, amount);
        !check.IsDone()) {
        Ask(check.message, ui::MB_OK | ui::MB_ICONWARNING);
        FocusField(check.message == res::IDS_TRANSFER_SAME_ACCOUNT ? m_to : m_amount);
        return;
    }
    CAccountOperations operations(*Model().GetAccountList());
    const int rc = operations.TransferFunds(from, to, DateOf(m_date), amount, IsChecked(m_cleared));
    if (rc == CCVAccount::kBalanceLimit) {
        // The receiving account's balance would go past its limit: said, and the form kept.
        Ask(res::IDS_BALANCE_LIMIT, ui::MB_OK | ui::MB_ICONWARNING);
        FocusField(m_amount);
        return;
    }
    if (rc != 0) return;
    shell::SaveModelChanges(Window());
    PostBack(0);
}

bool CTransferFundsView::OnCommand(int id) {
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
