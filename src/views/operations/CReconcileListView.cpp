#include "views/operations/CReconcileListView.h"

#include <algorithm>

#include "model/CCVAccount.h"
#include "model/CReconcile.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/SaveChanges.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kMarkWidth = 4;   // "[x] "
constexpr int kDateWidth = 10;  // "12/31/26 "
constexpr int kAmountWidth = 14;

}  // namespace

shell::CCVView::Frame CReconcileListView::Describe(ui::LPARAM) {
    return Frame{L"Reconcile", std::wstring(res::LoadString(res::IDS_RECONCILE_TITLE)),
                 res::IDM_RECONCILE_LIST};
}

bool CReconcileListView::OnCreate(ui::LPARAM) {
    m_account = Model().GetCurrentAccount();
    if (m_account == nullptr || !CreateList(false)) return false;
    SetRowCount(static_cast<int>(CReconcile(*m_account).CountUnreconciledBefore()));
    if (RowCount() > 0) Select(0);
    LayoutColumns(ClientRect().right);
    ui::SetFocus(List());
    return true;
}

void CReconcileListView::LayoutColumns(int width) {
    // The list leaves the last row to the difference.
    const ui::RECT client = ClientRect();
    ui::MoveWindow(List(), 0, 0, width, std::max(1, client.bottom - 1));
}

void CReconcileListView::Changed() {
    ui::InvalidateRect(List());
    Repaint();
}

void CReconcileListView::ToggleMark(int row) {
    CReconcile reconcile(*m_account);
    const CTransaction* transaction = reconcile.GetUnreconciledBefore(row);
    if (transaction == nullptr) return;
    reconcile.SetReconcileMark(row, !transaction->GetReconcileMark());
    Changed();
}

void CReconcileListView::MarkAll(bool marked) {
    CReconcile(*m_account).SetAllReconcileMarks(marked);
    Changed();
}

void CReconcileListView::Finish() {
    CReconcile reconcile(*m_account);
    const Amount difference = reconcile.GetMarkedDifference();
    const res::StringId message = CReconcile::FinishMessage(difference);
    bool adjust = false;
    if (message == res::IDS_RECONCILED) {
        Ask(message, ui::MB_OK | ui::MB_ICONINFORMATION);
    } else {
        adjust = Ask(res::IDS_NONE, ui::MB_YESNO | ui::MB_ICONQUESTION,
                     CReconcile::MessageText(message, difference));
        const res::StringId confirmation = CReconcile::AdjustmentConfirmation(adjust);
        if (!Ask(res::IDS_NONE, ui::MB_OKCANCEL | ui::MB_ICONQUESTION,
                 CReconcile::MessageText(confirmation, difference))) {
            return;  // back to the list, nothing changed
        }
    }
    if (adjust) reconcile.AddReconcileAdjustment(difference);
    reconcile.FinishReconcile();
    shell::SaveModelChanges(Window());
    // The register that opened the reconcile shows the account as it is now.
    PostBack(0);
}

bool CReconcileListView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RECONCILE_MARK:
            ToggleMark(Selection());
            return true;
        case res::IDC_RECONCILE_MARK_ALL:
            MarkAll(true);
            return true;
        case res::IDC_RECONCILE_UNMARK_ALL:
            MarkAll(false);
            return true;
        case res::IDC_RECONCILE_DONE:
            Finish();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

ui::LRESULT CReconcileListView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) {
        ToggleMark(reinterpret_cast<const ui::NMITEMACTIVATE&>(header).iItem);
    }
    return 0;
}

void CReconcileListView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect,
                                 bool selected, bool focused) {
    const CTransaction* transaction = CReconcile(*m_account).GetUnreconciledBefore(row);
    if (transaction == nullptr) return;
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    int x = rect.left;
    dc.TextOut(x, rect.top, transaction->GetReconcileMark() ? L"[x]" : L"[ ]");
    x += kMarkWidth;
    const DateParts date = DateToParts(transaction->GetDate());
    dc.TextOut(x, rect.top, CCVUIUtility::DateText(date.month, date.day, date.year, true));
    x += kDateWidth;
    const Amount amount = transaction->GetSignedAmount();
    const std::wstring amountText =
        CCVUIUtility::AmountText(amount, Model().GetPreferences().GetShowDecimal());
    const int amountLeft = std::max(x, rect.right - 1 - kAmountWidth);
    ui::RECT payee{x, rect.top, std::max(x, amountLeft - 1), rect.bottom};
    dc.DrawText(CCVUIUtility::WideCopy(transaction->GetPayeeName()), payee,
                ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    if (!(selected && focused)) dc.SetTextColor(AmountColour(amount));
    ui::RECT amountRect{amountLeft, rect.top, rect.right - 1, rect.bottom};
    dc.DrawText(amountText, amountRect, ui::DT_SINGLELINE | ui::DT_RIGHT);
}

void CReconcileListView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    const Amount difference = CReconcile(*m_account).GetMarkedDifference();
    ui::RECT line{0, client.bottom - 1, client.right, client.bottom};
    dc.FillRect(line, ui::GetSysColor(ui::COLOR_BTNFACE));
    dc.SetBkColor(ui::GetSysColor(ui::COLOR_BTNFACE));
    dc.SetTextColor(ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    const std::wstring label(res::LoadString(res::IDS_LABEL_DIFFERENCE));
    ui::RECT labelRect{1, line.top, line.right, line.bottom};
    dc.DrawText(label, labelRect, ui::DT_SINGLELINE | ui::DT_LEFT);
    dc.SetTextColor(AmountColour(difference));
    ui::RECT value{static_cast<int>(label.size()) + 2, line.top, line.right - 1, line.bottom};
    dc.DrawText(CCVUIUtility::AmountText(difference, true), value,
                ui::DT_SINGLELINE | ui::DT_RIGHT);
}

}  // namespace views
