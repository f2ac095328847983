#include "views/operations/CPurgeView.h"

#include "model/CAccountOperations.h"
#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/SaveChanges.h"
#include "storage/DateTime.h"

namespace views {
namespace {

enum FieldId : int { kModeId = 100, kDateId };

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CPurgeView::Describe(ui::LPARAM) {
    return Frame{L"Purge Transactions", Text(res::IDS_PURGE_TITLE), res::IDM_PURGE};
}

bool CPurgeView::OnCreate(ui::LPARAM) {
    if (Model().GetCurrentAccount() == nullptr) return false;
    // The modes in the order of CAccountOperations::PurgeMode.
    m_mode = AddSpinnerRow(L"", kModeId,
                           {Text(res::IDS_PURGE_BEFORE), Text(res::IDS_PURGE_CLEARED),
                            Text(res::IDS_PURGE_RECONCILED)},
                           CAccountOperations::kPurgeBeforeDate);
    m_date = AddDateRow(Text(res::IDS_LABEL_DATE), kDateId, ::Now());
    if (m_mode == nullptr || m_date == nullptr) return false;
    FocusField(m_mode);
    return true;
}

ui::LRESULT CPurgeView::OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM, bool& handled) {
    // The date counts only for purging what came before it.
    handled = message == ui::WM_CV_VALUE_CHANGED && static_cast<int>(wParam) == kModeId;
    if (handled) {
        ui::EnableWindow(m_date, SpinnerIndex(m_mode) == CAccountOperations::kPurgeBeforeDate);
        ui::InvalidateRect(m_date);
    }
    return 0;
}

void CPurgeView::Purge() {
    CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return;
    const EditOutcome question = CAccountOperations::CheckPurgeTransactions();
    if (!Ask(question.message, ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2)) return;
    CAccountOperations operations(*Model().GetAccountList());
    // "Before" a day means before its first second.
    if (operations.PurgeTransactions(*account, SpinnerIndex(m_mode), DateOf(m_date)) != 0) return;
    shell::SaveModelChanges(Window());
    PostBack(0);
}

bool CPurgeView::OnCommand(int id) {
    switch (id) {
        case res::IDC_PURGE:
            Purge();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
