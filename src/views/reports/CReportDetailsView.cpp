#include "views/reports/CReportDetailsView.h"

#include <algorithm>

#include "model/CCVAccount.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "reports/CCVReportList.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReportRowRequest.h"
#include "shell/CTransactionRequest.h"
#include "shell/ViewNumbers.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kColumnDate = 0;
constexpr int kColumnAccount = 1;
constexpr int kColumnPayee = 2;
constexpr int kColumnAmount = 3;

struct DetailsState : shell::CViewState {
    report::Screen screen = report::Screen::kList;
    CReportRowRef row;
    int selected = -1;
};

}  // namespace

shell::CCVView::Frame CReportDetailsView::Describe(ui::LPARAM) {
    return Frame{L"ReportsDetailView", std::wstring(res::LoadString(res::IDS_MENU_DETAILS)),
                 ViewNumber() == shell::kViewBudgetDetails ? res::IDM_BUDGET_DETAILS
                                                           : res::IDM_REPORT_DETAILS};
}

bool CReportDetailsView::OnCreate(ui::LPARAM) {
    if (CCVReportList::FromModel(Model()) == nullptr || !CreateList(true)) return false;
    ui::CListView* list = ListControl();
    list->InsertColumn(kColumnDate, std::wstring(res::LoadString(res::IDS_COLUMN_DATE)), 8);
    list->InsertColumn(kColumnAccount, std::wstring(res::LoadString(res::IDS_COLUMN_ACCOUNT)), 10);
    list->InsertColumn(kColumnPayee, std::wstring(res::LoadString(res::IDS_COLUMN_PAYEE)), 10);
    list->InsertColumn(kColumnAmount, std::wstring(res::LoadString(res::IDS_COLUMN_AMOUNT)), 10,
                       ui::LVCFMT_RIGHT);
    // Opened for a row, the row comes with the navigation; made again by Back, it comes with the
    // saved state (RestoreState).
    std::unique_ptr<shell::CNavigationPayload> payload = TakePayload();
    if (const auto* request = dynamic_cast<const shell::CReportRowRequest*>(payload.get())) {
        m_haveRow = true;
        m_screen = request->Screen();
        m_ref = request->Row();
    }
    Rebuild();
    if (RowCount() > 0) Select(0);
    ui::SetFocus(List());
    return true;
}

void CReportDetailsView::Rebuild() {
    m_lines.clear();
    m_rows.clear();
    CCVReportList* report = CCVReportList::FromModel(Model());
    std::int64_t index = -1;
    if (m_haveRow && report != nullptr) {
        // The registers may have changed since the report was last built: build it again.
        const CReportSettings settings = report::ReadSettings(m_screen, Model().GetPreferences());
        report::BuildFor(*report, m_screen, settings);
        index = m_ref.FindIn(*report);
    }
    CCVPreferences& preferences = Model().GetPreferences();
    const bool decimals = preferences.GetShowDecimal();
    const bool withYear = preferences.GetShowYear();
    Amount total = 0;
    m_amountWidth = static_cast<int>(res::LoadString(res::IDS_COLUMN_AMOUNT).size()) + 2;
    m_dateWidth = static_cast<int>(res::LoadString(res::IDS_COLUMN_DATE).size()) + 1;
    if (index >= 0) {
        const CReportDetails details(*report->At(index), *Model().GetAccountList());
        m_lines = details.Lines();
        total = details.Total();
        for (const CReportDetails::Line& line : m_lines) {
            Row row;
            const DateParts date = DateToParts(line.transaction->GetDate());
            row.date = CCVUIUtility::DateText(date.month, date.day, date.year, withYear);
            row.account = CCVUIUtility::WideCopy(line.account->GetName());
            row.payee = CCVUIUtility::WideCopy(line.transaction->GetPayeeName());
            row.amount = line.part;
            row.amountText = CCVUIUtility::AmountText(line.part, decimals);
            m_amountWidth = std::max(m_amountWidth, static_cast<int>(row.amountText.size()) + 1);
            m_dateWidth = std::max(m_dateWidth, static_cast<int>(row.date.size()) + 1);
            m_rows.push_back(std::move(row));
        }
    }
    ui::SetWindowText(Window(), CCVUIUtility::WideCopy(m_ref.name));
    SetRowCount(static_cast<int>(m_rows.size()));
    ShowTotalLine(std::wstring(res::LoadString(m_rows.empty() ? res::IDS_DETAILS_NONE
                                                              : res::IDS_LABEL_TOTAL)),
                  CCVUIUtility::AmountText(total, decimals), AmountColour(total));
    LayoutColumns(ClientRect().right);
    Repaint();
}

void CReportDetailsView::LayoutColumns(int width) {
    ui::CListView* list = ListControl();
    if (list == nullptr || list->GetColumnCount() < 4) return;
    const int amount = std::min(m_amountWidth, std::max(1, width / 3));
    const int date = std::min(m_dateWidth, std::max(1, width / 5));
    const int rest = std::max(2, width - amount - date);
    list->SetColumnWidth(kColumnDate, date);
    list->SetColumnWidth(kColumnAccount, rest * 2 / 5);
    list->SetColumnWidth(kColumnPayee, rest - rest * 2 / 5);
    list->SetColumnWidth(kColumnAmount, amount);
}

void CReportDetailsView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect,
                                 bool selected, bool focused) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    const Row& shown = m_rows[static_cast<std::size_t>(row)];
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const ui::CListView* list = ListControl();
    int left = rect.left;
    const std::wstring* texts[] = {&shown.date, &shown.account, &shown.payee};
    for (int column = kColumnDate; column < kColumnAmount; ++column) {
        const int width = list->GetColumnWidth(column);
        ui::RECT cell{left + 1, rect.top, left + width - 1, rect.bottom};
        dc.DrawText(*texts[column], cell, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
        left += width;
    }
    if (!(selected && focused)) dc.SetTextColor(AmountColour(shown.amount));
    ui::RECT amount{left, rect.top, rect.right - 1, rect.bottom};
    dc.DrawText(shown.amountText, amount, ui::DT_SINGLELINE | ui::DT_RIGHT);
}

void CReportDetailsView::EditTransaction(int row) {
    if (row < 0 || row >= static_cast<int>(m_lines.size())) return;
    const CReportDetails::Line& line = m_lines[static_cast<std::size_t>(row)];
    // The editor opens the transaction that the request names by its account's and its own
    // identifier; the parameter is its place in that account's register.
    Navigate(shell::kEventEditTransaction, static_cast<ui::LPARAM>(line.registerIndex),
             std::make_unique<shell::CTransactionRequest>(line.account->GetAccountId(),
                                                          line.transaction->GetTransactionId()));
}

int CReportDetailsView::NavigationCommandOf(int id) const {
    return id == res::IDC_RPT_EDIT_TRANSACTION ? int{shell::kEventEditTransaction} : id;
}

bool CReportDetailsView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_EDIT_TRANSACTION:
            EditTransaction(Selection());
            return true;
        case res::IDC_BUDGET_DETAILS_PREFERENCES:
            Navigate(id, static_cast<ui::LPARAM>(report::Screen::kBudget));
            return true;
        case res::IDC_RPT_DONE:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

ui::LRESULT CReportDetailsView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE && CanNavigate(shell::kEventEditTransaction)) {
        EditTransaction(reinterpret_cast<const ui::NMITEMACTIVATE&>(header).iItem);
    }
    return 0;
}

std::unique_ptr<shell::CViewState> CReportDetailsView::SaveState() const {
    auto state = std::make_unique<DetailsState>();
    state->screen = m_screen;
    state->row = m_ref;
    state->selected = Selection();
    return state;
}

void CReportDetailsView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const DetailsState*>(&state);
    if (saved == nullptr) return;
    m_haveRow = true;
    m_screen = saved->screen;
    m_ref = saved->row;
    Rebuild();
    if (RowCount() > 0) Select(std::clamp(saved->selected, 0, RowCount() - 1));
}

}  // namespace views
