#include "views/reports/CBudgetAmountView.h"

#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/WindowApi.h"
#include "reports/CCVReportList.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReportRowRequest.h"
#include "shell/SaveChanges.h"
#include "storage/Amount.h"

namespace views {
namespace {

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CBudgetAmountView::Describe(ui::LPARAM) {
    return Frame{L"Budget Amount", Text(res::IDS_BUDGET_AMOUNT_TITLE), res::IDM_REPORT_FORM};
}

bool CBudgetAmountView::OnCreate(ui::LPARAM) {
    std::unique_ptr<shell::CNavigationPayload> payload = TakePayload();
    const auto* request = dynamic_cast<const shell::CReportRowRequest*>(payload.get());
    const CCVReportList* report = CCVReportList::FromModel(Model());
    if (request == nullptr || report == nullptr) return false;
    m_row = request->Row();
    const CCVReportItem row(m_row.kind, m_row.name, m_row.key, m_row.parentKey, m_row.role);
    if (!report->CanSetBudget(row)) return false;
    SetHeading(Text(res::IDS_BUDGET_AMOUNT_PROMPT) + CCVUIUtility::WideCopy(m_row.name));
    const std::wstring current = sys::Utf8ToWide(FormatAmount(report->GetBudget(row, false)));
    m_amount = AddEditRow(Text(res::IDS_LABEL_BUDGET_AMOUNT), 1,
                          static_cast<int>(CCVUIUtility::kMaxAmountDigits), 0, current);
    return m_amount != nullptr;
}

bool CBudgetAmountView::Done() {
    const std::wstring text = FieldText(m_amount);
    if (!CCVUIUtility::Instance().AmountCheck(text, true)) {
        FocusField(m_amount);
        return false;
    }
    CCVReportList* report = CCVReportList::FromModel(Model());
    const CCVReportItem row(m_row.kind, m_row.name, m_row.key, m_row.parentKey, m_row.role);
    if (report == nullptr || report->SetBudget(row, ParseAmount(sys::WideToUtf8(text))) != 0) {
        Ask(res::IDS_ROW_HAS_NO_BUDGET, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    // A save that fails says so; the amount stays in memory for the next save.
    shell::SaveModelChanges(Window());
    return true;
}

bool CBudgetAmountView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_FORM_DONE:
            if (Done()) PostBack(0);
            return true;
        case res::IDC_RPT_FORM_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
