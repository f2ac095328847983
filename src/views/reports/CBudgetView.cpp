#include "views/reports/CBudgetView.h"

#include <algorithm>

#include "model/AmountMath.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "reports/CCVReportList.h"
#include "reports/ReportScreens.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReportRowRequest.h"
#include "shell/ViewNumbers.h"
#include "views/reports/ReportHeading.h"

namespace views {
namespace {

constexpr int kColumnName = 0;
constexpr int kBudget = 0;
constexpr int kActual = 1;
constexpr int kDifference = 2;
constexpr res::StringId kColumnTitles[] = {res::IDS_COLUMN_BUDGET, res::IDS_COLUMN_ACTUAL,
                                           res::IDS_COLUMN_DIFFERENCE};
constexpr int kSortKeys[] = {CCVReportList::kSortBudget, CCVReportList::kSortAmount,
                             CCVReportList::kSortDifference};

}  // namespace

shell::CCVView::Frame CBudgetView::Describe(ui::LPARAM) {
    return Frame{L"BudgetView", std::wstring(res::LoadString(res::IDS_BUDGETS_TITLE)),
                 res::IDM_BUDGET};
}

bool CBudgetView::OnCreate(ui::LPARAM) {
    if (!CreateReportList()) return false;
    const CReportSettings settings =
        report::ReadSettings(report::Screen::kBudget, Model().GetPreferences());
    ui::CListView* list = ListControl();
    list->InsertColumn(kColumnName, std::wstring(res::LoadString(report::ByNameId(settings.by))),
                       10);
    for (int i = 0; i < kAmountColumns; ++i) {
        list->InsertColumn(i + 1, std::wstring(res::LoadString(kColumnTitles[i])), 10,
                           ui::LVCFMT_RIGHT);
    }
    Rebuild();
    if (RowCount() > 0) Select(0);
    ui::SetFocus(List());
    return true;
}

void CBudgetView::Rebuild() {
    BuildReport();
    CCVReportList& built = *Report();
    const bool decimals = Model().GetPreferences().GetShowDecimal();
    m_amountWidth = static_cast<int>(res::LoadString(res::IDS_COLUMN_DIFFERENCE).size()) + 1;
    const auto fill = [&](Amount* amounts, std::wstring* texts, Amount budget, Amount actual) {
        amounts[kBudget] = budget;
        amounts[kActual] = actual;
        amounts[kDifference] = SubtractAmounts(actual, budget);
        for (int i = 0; i < kAmountColumns; ++i) {
            texts[i] = CCVUIUtility::AmountText(amounts[i], decimals);
            m_amountWidth = std::max(m_amountWidth, static_cast<int>(texts[i].size()) + 1);
        }
    };
    m_rows.clear();
    for (std::uint32_t i = 0; i < built.Count(); ++i) {
        const CCVReportItem& item = *built.At(i);
        Row row;
        row.name = CCVUIUtility::WideCopy(item.Name());
        fill(row.amounts, row.texts, built.GetBudget(item, true), item.GetAmount());
        row.canSetBudget = built.CanSetBudget(item);
        row.ref = CReportRowRef::Of(item);
        m_rows.push_back(std::move(row));
    }
    fill(m_totals, m_totalTexts, built.GetBudgetTotal(), built.GetTotal());
    ui::SetWindowText(Window(), ReportHeading(built, report::Screen::kBudget));
    SetRowCount(static_cast<int>(m_rows.size()));
    // The totals stand under their columns: the line shows only its label itself.
    ShowTotalLine(std::wstring(res::LoadString(res::IDS_LABEL_TOTAL)), L"",
                  ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    LayoutColumns(ClientRect().right);
    CheckRadio(res::IDC_RPT_SORT_NAME, res::IDC_RPT_SORT_DIFFERENCE, SortItemOfKey(SortKey()));
    Repaint();
}

void CBudgetView::LayoutColumns(int width) {
    ui::CListView* list = ListControl();
    if (list == nullptr || list->GetColumnCount() < 1 + kAmountColumns) return;
    // The amounts keep their width as long as the names keep a third of the line.
    const int amount = std::max(1, std::min(m_amountWidth, (width - width / 3) / kAmountColumns));
    list->SetColumnWidth(kColumnName, std::max(1, width - kAmountColumns * amount));
    for (int i = 0; i < kAmountColumns; ++i) list->SetColumnWidth(i + 1, amount);
}

void CBudgetView::DrawAmounts(ui::CDeviceContext& dc, const ui::RECT& rect, const Amount* amounts,
                              const std::wstring* texts, bool colour) const {
    const ui::CListView* list = ListControl();
    int left = rect.left + list->GetColumnWidth(kColumnName);
    for (int i = 0; i < kAmountColumns; ++i) {
        const int width = list->GetColumnWidth(i + 1);
        if (colour) dc.SetTextColor(AmountColour(amounts[i]));
        ui::RECT cell{left, rect.top, left + width - 1, rect.bottom};
        dc.DrawText(texts[i], cell, ui::DT_SINGLELINE | ui::DT_RIGHT);
        left += width;
    }
}

void CBudgetView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                          bool focused) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    const Row& shown = m_rows[static_cast<std::size_t>(row)];
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const int nameWidth = ListControl()->GetColumnWidth(kColumnName);
    ui::RECT name{rect.left + 1, rect.top, rect.left + nameWidth - 1, rect.bottom};
    dc.DrawText(shown.name, name, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    DrawAmounts(dc, rect, shown.amounts, shown.texts, !(selected && focused));
}

void CBudgetView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    CListShapeView::OnPaint(dc, client);
    const ui::RECT line{client.left, client.bottom - 1, client.right, client.bottom};
    dc.SetBkColor(ui::GetSysColor(ui::COLOR_BTNFACE));
    DrawAmounts(dc, line, m_totals, m_totalTexts, true);
}

void CBudgetView::OpenDetails(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    Navigate(shell::kEventBudgetDetails, row,
             std::make_unique<shell::CReportRowRequest>(report::Screen::kBudget,
                                                        m_rows[static_cast<std::size_t>(row)].ref));
}

void CBudgetView::SetBudgetAmount(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    const Row& chosen = m_rows[static_cast<std::size_t>(row)];
    if (!chosen.canSetBudget) {
        Ask(res::IDS_ROW_HAS_NO_BUDGET, ui::MB_OK | ui::MB_ICONINFORMATION);
        return;
    }
    Navigate(shell::kEventBudgetAmount, row,
             std::make_unique<shell::CReportRowRequest>(report::Screen::kBudget, chosen.ref));
}

int CBudgetView::NavigationCommandOf(int id) const {
    switch (id) {
        case res::IDC_RPT_DETAILS:
            return shell::kEventBudgetDetails;
        case res::IDC_RPT_BUDGET_AMOUNT:
            return shell::kEventBudgetAmount;
        default:
            return id;
    }
}

bool CBudgetView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_SORT_NAME:
        case res::IDC_RPT_SORT_BUDGET:
        case res::IDC_RPT_SORT_AMOUNT:
        case res::IDC_RPT_SORT_DIFFERENCE:
            Sort(SortKeyOfItem(id));
            return true;
        case res::IDC_RPT_DETAILS:
            OpenDetails(Selection());
            return true;
        case res::IDC_RPT_BUDGET_AMOUNT:
            SetBudgetAmount(Selection());
            return true;
        case res::IDC_BUDGET_PREFERENCES:
            // The preferences screen serves reports and budgets: the parameter says which.
            Navigate(id, static_cast<ui::LPARAM>(report::Screen::kBudget));
            return true;
        case res::IDC_RPT_DONE:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

ui::LRESULT CBudgetView::OnNotify(const ui::NMHDR& header) {
    switch (header.code) {
        case ui::LVN_ITEMACTIVATE:
            OpenDetails(reinterpret_cast<const ui::NMITEMACTIVATE&>(header).iItem);
            return 0;
        case ui::LVN_COLUMNCLICK: {
            const auto& click = reinterpret_cast<const ui::NMLISTVIEW&>(header);
            if (click.iItem != -1) return 0;
            const int column = click.iSubItem;
            Sort(column >= 1 && column <= kAmountColumns ? kSortKeys[column - 1]
                                                         : int{CCVReportList::kSortName});
            return 0;
        }
        default:
            return 0;
    }
}

}  // namespace views
