#include "shell/CListShapeView.h"

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace shell {
namespace {

constexpr ui::COLORREF kNegativeColour = ui::RGB(255, 0, 0);

}  // namespace

bool CListShapeView::CreateList(bool withHeader) {
    const ui::RECT client = ClientRect();
    ui::DWORD style = ui::LVS_OWNERDRAWFIXED | ui::LVS_OWNERDATA;
    if (!withHeader) style |= ui::LVS_NOCOLUMNHEADER;
    m_list =
        AddField(L"SysListView32", style, ui::RECT{0, 0, client.right, client.bottom}, kListId);
    if (m_list == nullptr) return false;
    Layout();
    return true;
}

ui::CListView* CListShapeView::ListControl() const {
    return ui::GetControl<ui::CListView>(m_list);
}

void CListShapeView::SetRowCount(int count) {
    if (ui::CListView* list = ListControl()) list->SetItemCount(count);
}

int CListShapeView::RowCount() const {
    const ui::CListView* list = ListControl();
    return list != nullptr ? list->GetItemCount() : 0;
}

int CListShapeView::Selection() const {
    const ui::CListView* list = ListControl();
    return list != nullptr ? list->GetSelection() : -1;
}

void CListShapeView::Select(int row) {
    if (ui::CListView* list = ListControl()) list->SetSelection(row);
}

void CListShapeView::SetBalanceType(BalanceType type) {
    m_balanceType = type;
    CheckRadio(res::IDC_BALANCE_TYPE_BALANCE, res::IDC_BALANCE_TYPE_CLEARED,
               type == BalanceType::kCleared ? res::IDC_BALANCE_TYPE_CLEARED
                                             : res::IDC_BALANCE_TYPE_BALANCE);
    ShowBalance();
}

bool CListShapeView::OnBalanceTypeCommand(int id) {
    if (id != res::IDC_BALANCE_TYPE_BALANCE && id != res::IDC_BALANCE_TYPE_CLEARED) return false;
    SetBalanceType(id == res::IDC_BALANCE_TYPE_CLEARED ? BalanceType::kCleared
                                                       : BalanceType::kBalance);
    return true;
}

void CListShapeView::ShowBalanceLine(Amount amount, bool showDecimals) {
    ShowTotalLine(std::wstring(res::LoadString(m_balanceType == BalanceType::kCleared
                                                   ? res::IDS_LABEL_CLEARED
                                                   : res::IDS_LABEL_BALANCE)),
                  CCVUIUtility::AmountText(amount, showDecimals), AmountColour(amount));
}

void CListShapeView::ShowTotalLine(const std::wstring& label, const std::wstring& value,
                                   ui::COLORREF colour) {
    const bool shownBefore = !m_totalLabel.empty();
    m_totalLabel = label;
    m_totalValue = value;
    m_totalColour = colour;
    if (!shownBefore) Layout();
    ui::InvalidateRect(Window(), nullptr);
}

void CListShapeView::ShowTextLine(const std::wstring& label, const std::wstring& value) {
    const bool shownBefore = !m_totalLabel.empty();
    m_totalLabel = label;
    m_totalValue = value;
    m_totalColour = ui::GetSysColor(ui::COLOR_WINDOWTEXT);
    if (!shownBefore) Layout();
    ui::InvalidateRect(Window(), nullptr);
}

ui::RECT CListShapeView::TotalLineRect() const {
    const ui::RECT client = ClientRect();
    if (m_totalLabel.empty()) return ui::RECT{0, client.bottom, client.right, client.bottom};
    return ui::RECT{0, client.bottom - 1, client.right, client.bottom};
}

void CListShapeView::Layout() {
    if (m_list == nullptr) return;
    const ui::RECT client = ClientRect();
    const int listBottom = m_totalLabel.empty() ? client.bottom : client.bottom - 1;
    ui::MoveWindow(m_list, 0, 0, client.right, std::max(1, listBottom));
    LayoutColumns(client.right);
}

void CListShapeView::OnSize(int, int) {
    Layout();
}

void CListShapeView::OnPaint(ui::CDeviceContext& dc, const ui::RECT&) {
    if (m_totalLabel.empty()) return;
    ui::RECT line = TotalLineRect();
    dc.FillRect(line, ui::GetSysColor(ui::COLOR_BTNFACE));
    dc.SetBkColor(ui::GetSysColor(ui::COLOR_BTNFACE));
    dc.SetTextColor(ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    ui::RECT label{line.left + 1, line.top, line.right, line.bottom};
    dc.DrawText(m_totalLabel, label, ui::DT_SINGLELINE | ui::DT_LEFT);
    dc.SetTextColor(m_totalColour);
    ui::RECT value{line.left + static_cast<int>(m_totalLabel.size()) + 2, line.top, line.right - 1,
                   line.bottom};
    dc.DrawText(m_totalValue, value, ui::DT_SINGLELINE | ui::DT_RIGHT | ui::DT_END_ELLIPSIS);
}

void CListShapeView::OnDrawItem(const ui::DRAWITEMSTRUCT& item) {
    if (item.hDC == nullptr || static_cast<int>(item.CtlID) != kListId) return;
    DrawRow(*item.hDC, static_cast<int>(item.itemID), item.rcItem,
            (item.itemState & ui::ODS_SELECTED) != 0, (item.itemState & ui::ODS_FOCUS) != 0);
}

ui::COLORREF CListShapeView::AmountColour(long long amount) {
    return amount < 0 ? kNegativeColour : ui::GetSysColor(ui::COLOR_WINDOWTEXT);
}

void CListShapeView::PaintRowBackground(ui::CDeviceContext& dc, const ui::RECT& rect, bool selected,
                                        bool focused, ui::COLORREF background) {
    ui::COLORREF back = background;
    ui::COLORREF text = ui::GetSysColor(ui::COLOR_WINDOWTEXT);
    if (selected) {
        back = focused ? ui::GetSysColor(ui::COLOR_HIGHLIGHT) : ui::kFieldColor;
        if (focused) text = ui::GetSysColor(ui::COLOR_HIGHLIGHTTEXT);
    }
    dc.FillRect(rect, back);
    dc.SetBkColor(back);
    dc.SetTextColor(text);
}

}  // namespace shell
