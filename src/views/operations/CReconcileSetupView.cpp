#include "views/operations/CReconcileSetupView.h"

#include "model/CCVAccount.h"
#include "model/CReconcile.h"
#include "model/CVModel.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/SaveChanges.h"
#include "storage/DateTime.h"

namespace views {
namespace {

enum FieldId : int { kBeginningId = 100, kEndingId, kDateId };
constexpr int kAmountLimit = 21;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

std::wstring AmountField(Amount amount) {
    return CCVUIUtility::WideCopy(FormatAmount(amount));
}

}  // namespace

shell::CCVView::Frame CReconcileSetupView::Describe(ui::LPARAM) {
    return Frame{L"ReconcileSetup", Text(res::IDS_RECONCILE_SETUP_TITLE), res::IDM_RECONCILE_SETUP};
}

bool CReconcileSetupView::OnCreate(ui::LPARAM) {
    CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return false;
    CReconcile::StatementDefaults defaults;
    CReconcile(*account).GetStatementDefaults(defaults);
    SetHeading(Text(res::IDS_RECONCILE_HEADING));
    m_beginning = AddEditRow(Text(res::IDS_LABEL_BEGINNING_BAL), kBeginningId, kAmountLimit, 0,
                             AmountField(defaults.beginningBalance));
    m_ending = AddEditRow(Text(res::IDS_LABEL_ENDING_BAL), kEndingId, kAmountLimit, 0,
                          AmountField(defaults.endingBalance));
    m_date = AddDateRow(Text(res::IDS_LABEL_CLOSING_DATE), kDateId, defaults.date);
    if (m_beginning == nullptr || m_ending == nullptr || m_date == nullptr) return false;
    FocusField(m_ending);
    return true;
}

void CReconcileSetupView::Continue() {
    CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return;
    CCVUIUtility& utility = CCVUIUtility::Instance();
    CReconcile reconcile(*account);
    const std::wstring beginning = FieldText(m_beginning);
    if (!utility.AmountCheck(beginning, true)) {
        FocusField(m_beginning);
        return;
    }
    reconcile.SetStatementBeginningBalance(ParseAmount(CCVUIUtility::NarrowCopy(beginning)));
    const std::wstring ending = FieldText(m_ending);
    if (!utility.AmountCheck(ending, true)) {
        Ask(res::IDS_ENDING_BALANCE_INVALID, ui::MB_OK | ui::MB_ICONWARNING);
        FocusField(m_ending);
        return;
    }
    reconcile.SetStatementEndingBalance(ParseAmount(CCVUIUtility::NarrowCopy(ending)));
    // The statement closes at the end of its day: that day's transactions are on it.
    reconcile.SetStatementDate(DayBoundary(DateOf(m_date), kDayEnd));
    shell::SaveModelChanges(Window());
    Navigate(res::IDC_RECONCILE_CONTINUE);
}

bool CReconcileSetupView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RECONCILE_CONTINUE:
            Continue();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
