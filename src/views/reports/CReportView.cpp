#include "views/reports/CReportView.h"

#include <algorithm>

#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "reports/CCVReportList.h"
#include "reports/ReportScreens.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReportRowRequest.h"
#include "shell/ViewNumbers.h"
#include "views/reports/ReportHeading.h"

namespace views {
namespace {

constexpr int kColumnName = 0;
constexpr int kColumnAmount = 1;
constexpr std::uint16_t kLastTypeChart = 1;
constexpr int kIndent = 2;

int SideItemOf(int direction) {
    switch (direction) {
        case report::kIncomes:
            return res::IDC_RPT_INCOMES;
        case report::kExpenses:
            return res::IDC_RPT_EXPENSES;
        default:
            return res::IDC_RPT_ALL_AMOUNTS;
    }
}

}  // namespace

shell::CCVView::Frame CReportView::Describe(ui::LPARAM) {
    return Frame{L"ReportView", std::wstring(res::LoadString(res::IDS_REPORTS_TITLE)),
                 res::IDM_REPORT_LIST};
}

bool CReportView::OnCreate(ui::LPARAM) {
    if (!CreateReportList()) return false;
    // The grouping names the first column; it stays while the screen is up.
    m_settings = report::ReadSettings(report::Screen::kList, Model().GetPreferences());
    ui::CListView* list = ListControl();
    list->InsertColumn(kColumnName, std::wstring(res::LoadString(report::ByNameId(m_settings.by))),
                       10);
    list->InsertColumn(kColumnAmount, std::wstring(res::LoadString(res::IDS_COLUMN_AMOUNT)), 10,
                       ui::LVCFMT_RIGHT);
    Rebuild();
    if (RowCount() > 0) Select(0);
    ui::SetFocus(List());
    return true;
}

void CReportView::Rebuild() {
    m_settings = BuildReport();
    CCVReportList& built = *Report();
    const bool decimals = Model().GetPreferences().GetShowDecimal();
    m_rows.clear();
    m_amountWidth = static_cast<int>(res::LoadString(res::IDS_COLUMN_AMOUNT).size()) + 2;
    for (std::uint32_t i = 0; i < built.Count(); ++i) {
        const CCVReportItem& item = *built.At(i);
        Row row;
        row.name = CCVUIUtility::WideCopy(item.Name());
        row.amount = item.GetAmount();
        row.amountText = CCVUIUtility::AmountText(row.amount, decimals);
        row.indented = item.GetKind() == CCVReportItem::kCategory &&
                       item.GetRole() == CCVReportItem::kItemRow && !item.GetParentKey().IsNull();
        row.total = item.IsTotalRow();
        row.ref = CReportRowRef::Of(item);
        m_amountWidth = std::max(m_amountWidth, static_cast<int>(row.amountText.size()) + 1);
        m_rows.push_back(std::move(row));
    }
    ui::SetWindowText(Window(), ReportHeading(built, report::Screen::kList));
    const int selected = Selection();
    SetRowCount(static_cast<int>(m_rows.size()));
    if (selected >= static_cast<int>(m_rows.size())) Select(static_cast<int>(m_rows.size()) - 1);
    ShowTotalLine(std::wstring(res::LoadString(res::IDS_LABEL_TOTAL)),
                  CCVUIUtility::AmountText(built.GetTotal(), decimals),
                  AmountColour(built.GetTotal()));
    LayoutColumns(ClientRect().right);
    CheckMenus();
    Repaint();
}

void CReportView::CheckMenus() {
    CheckRadio(res::IDC_RPT_SORT_NAME, res::IDC_RPT_SORT_ICON, SortItemOfKey(SortKey()));
    CheckRadio(res::IDC_RPT_INCOMES, res::IDC_RPT_ALL_AMOUNTS, SideItemOf(m_settings.direction));
}

void CReportView::LayoutColumns(int width) {
    ui::CListView* list = ListControl();
    if (list == nullptr || list->GetColumnCount() < 2) return;
    const int amount = std::min(m_amountWidth, std::max(1, width / 2));
    list->SetColumnWidth(kColumnName, std::max(1, width - amount));
    list->SetColumnWidth(kColumnAmount, amount);
}

void CReportView::ChooseSide(int direction) {
    m_settings.direction = static_cast<std::uint8_t>(direction);
    if (!m_settings.WriteReport(Model().GetPreferences())) {
        Ask(res::IDS_SETTINGS_NOT_SAVED, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    }
    Rebuild();
}

void CReportView::OpenDetails(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    Navigate(shell::kEventReportDetails, row,
             std::make_unique<shell::CReportRowRequest>(report::Screen::kList,
                                                        m_rows[static_cast<std::size_t>(row)].ref));
}

int CReportView::NavigationCommandOf(int id) const {
    return id == res::IDC_RPT_DETAILS ? int{shell::kEventReportDetails} : id;
}

bool CReportView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_SORT_NAME:
        case res::IDC_RPT_SORT_AMOUNT:
        case res::IDC_RPT_SORT_ICON:
            Sort(SortKeyOfItem(id));
            return true;
        case res::IDC_RPT_INCOMES:
            ChooseSide(report::kIncomes);
            return true;
        case res::IDC_RPT_EXPENSES:
            ChooseSide(report::kExpenses);
            return true;
        case res::IDC_RPT_ALL_AMOUNTS:
            ChooseSide(report::kAllAmounts);
            return true;
        case res::IDC_RPT_DETAILS:
            OpenDetails(Selection());
            return true;
        case res::IDC_RPT_DONE:
            PostBack(0);
            return true;
        case res::IDC_RPT_CHARTS: {
            // "Reports" opens the chart from now on.
            Model().GetPreferences().SetLastReportType(kLastTypeChart);
            // Opened from the chart: back to it rather than another chart on top.
            return BackIfBeneathIs(shell::kViewReportChart);
        }
        default:
            return false;
    }
}

ui::LRESULT CReportView::OnNotify(const ui::NMHDR& header) {
    switch (header.code) {
        case ui::LVN_ITEMACTIVATE:
            OpenDetails(reinterpret_cast<const ui::NMITEMACTIVATE&>(header).iItem);
            return 0;
        case ui::LVN_COLUMNCLICK: {
            const auto& click = reinterpret_cast<const ui::NMLISTVIEW&>(header);
            if (click.iItem == -1) {
                Sort(click.iSubItem == kColumnAmount ? CCVReportList::kSortAmount
                                                     : CCVReportList::kSortName);
            }
            return 0;
        }
        default:
            return 0;
    }
}

void CReportView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                          bool focused) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    const Row& shown = m_rows[static_cast<std::size_t>(row)];
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const int nameWidth = ListControl()->GetColumnWidth(kColumnName);
    const int indent = shown.indented ? kIndent : 0;
    ui::RECT name{rect.left + 1 + indent, rect.top, rect.left + nameWidth - 1, rect.bottom};
    dc.DrawText(shown.name, name, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    if (!(selected && focused)) dc.SetTextColor(AmountColour(shown.amount));
    ui::RECT amount{rect.left + nameWidth, rect.top, rect.right - 1, rect.bottom};
    dc.DrawText(shown.amountText, amount, ui::DT_SINGLELINE | ui::DT_RIGHT);
}

}  // namespace views
