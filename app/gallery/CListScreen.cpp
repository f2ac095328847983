#include "CListScreen.h"

#include <algorithm>

#include "platform/ui/CListView.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/SysColors.h"
#include "resources/IconGlyphs.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace {

constexpr int kListId = 1;
constexpr int kAmountWidth = 13;
constexpr int kIconWidth = 2;
constexpr ui::COLORREF kNegative = ui::RGB(255, 0, 0);
constexpr int kNameColumn = 0;
constexpr int kAmountColumn = 1;

std::wstring Text(res::StringId id) { return std::wstring(res::LoadString(id)); }

}  // namespace

void CListScreen::Build() {
    m_accounts = {{L"Checking", 123456, 0},      {L"Savings", 9876543, 1},
                  {L"Cash", 4250, 2},            {L"Credit Card", -54321, 3},
                  {L"Car Loan", -1250000, 25},   {L"Money Market", 250000, 4},
                  {L"Household Expenses", 5, 26}, {L"Holiday", -5, 23},
                  {L"Line Of Credit", -99, 5},   {L"Investments", 7500000, 9},
                  {L"Pension", 1200000, 10},     {L"Wallet", 1999, 11}};
    ui::RECT client;
    ui::GetClientRect(m_window, client);
    m_list = AddField(L"SysListView32", ui::LVS_OWNERDRAWFIXED, 0, 0, client.right,
                      client.bottom - 1, kListId);
    m_status = ui::CreateWindow(L"STATIC", L"", ui::WS_CHILD | ui::WS_VISIBLE, 0,
                                client.bottom - 1, client.right, 1, m_window);
    if (auto* list = ui::GetControl<ui::CListView>(m_list)) {
        list->InsertColumn(kNameColumn, Text(res::IDS_GALLERY_COLUMN_ACCOUNT),
                           client.right - kAmountWidth);
        list->InsertColumn(kAmountColumn, Text(res::IDS_GALLERY_COLUMN_AMOUNT), kAmountWidth,
                           ui::LVCFMT_RIGHT);
    }
    Fill();
}

void CListScreen::Fill() {
    auto* list = ui::GetControl<ui::CListView>(m_list);
    if (list == nullptr) return;
    const int selected = list->GetSelection();
    list->DeleteAllItems();
    for (std::size_t i = 0; i < m_accounts.size(); ++i) {
        list->InsertItem(static_cast<int>(i), m_accounts[i].name, static_cast<ui::LPARAM>(i));
    }
    list->SetSelection(std::min(std::max(selected, 0), list->GetItemCount() - 1));
}

void CListScreen::SortBy(int column) {
    std::stable_sort(m_accounts.begin(), m_accounts.end(), [column](const Account& a, const Account& b) {
        return column == kAmountColumn ? a.balance < b.balance : a.name < b.name;
    });
    if (auto* bar = ui::GetControl<ui::CSoftKeyBar>(ui::GetSoftKeyBar(m_window))) {
        bar->GetMenu()->CheckRadioItem(res::IDC_GALLERY_SORT_NAME, res::IDC_GALLERY_SORT_AMOUNT,
                                       column == kAmountColumn ? res::IDC_GALLERY_SORT_AMOUNT
                                                               : res::IDC_GALLERY_SORT_NAME,
                                       ui::MF_BYCOMMAND);
    }
    Fill();
}

void CListScreen::Resized(int width, int height) {
    ui::MoveWindow(m_list, 0, 0, width, height - 1);
    ui::MoveWindow(m_status, 0, height - 1, width, 1);
    if (auto* list = ui::GetControl<ui::CListView>(m_list)) {
        list->SetColumnWidth(kNameColumn, width - kAmountWidth);
        list->EnsureVisible(list->GetSelection());
    }
}

bool CListScreen::Command(int id) {
    auto* list = ui::GetControl<ui::CListView>(m_list);
    switch (id) {
        case res::IDC_GALLERY_SORT_NAME: SortBy(kNameColumn); return true;
        case res::IDC_GALLERY_SORT_AMOUNT: SortBy(kAmountColumn); return true;
        case res::IDC_GALLERY_ADD_ROW: {
            std::wstring name(res::LoadString(res::IDS_GALLERY_NEW_ROW));
            name.replace(name.find(L"%d"), 2, std::to_wstring(++m_added));
            m_accounts.push_back({name, m_added * 1000, m_added % res::IconCount()});
            Fill();
            list->SetSelection(list->GetItemCount() - 1);
            return true;
        }
        case res::IDC_GALLERY_DELETE_ROW: {
            const int row = list != nullptr ? list->GetSelection() : -1;
            if (row < 0) return true;
            m_accounts.erase(m_accounts.begin() + row);
            Fill();
            return true;
        }
        default: return false;
    }
}

void CListScreen::DrawItem(const ui::DRAWITEMSTRUCT& item) {
    if (item.itemID >= m_accounts.size()) return;
    const Account& account = m_accounts[item.itemID];
    ui::CDeviceContext& dc = *item.hDC;
    const bool selected = (item.itemState & ui::ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ui::ODS_FOCUS) != 0;
    const ui::COLORREF back = selected ? (focused ? ui::GetSysColor(ui::COLOR_HIGHLIGHT)
                                                  : ui::kFieldColor)
                                       : ui::GetSysColor(ui::COLOR_WINDOW);
    const ui::COLORREF text = selected && focused ? ui::GetSysColor(ui::COLOR_HIGHLIGHTTEXT)
                                                  : ui::GetSysColor(ui::COLOR_WINDOWTEXT);
    dc.FillRect(item.rcItem, back);
    dc.SetBkColor(back);
    dc.SetTextColor(text);
    CCVUIUtility& utility = CCVUIUtility::Instance();
    utility.DrawIcon(0, account.icon, dc, item.rcItem.left, item.rcItem.top);
    const int amountLeft = item.rcItem.right - kAmountWidth;
    dc.TextOut(kIconWidth, item.rcItem.top,
               CCVUIUtility::FitText(dc, account.name, amountLeft - kIconWidth - 1));
    if (account.balance < 0 && !(selected && focused)) dc.SetTextColor(kNegative);
    ui::RECT amount{amountLeft, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    dc.DrawText(CCVUIUtility::AmountText(account.balance, true), amount,
                ui::DT_RIGHT | ui::DT_SINGLELINE);
}

ui::LRESULT CListScreen::Notify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_COLUMNCLICK) {
        SortBy(reinterpret_cast<const ui::NMLISTVIEW&>(header).iSubItem);
    } else if (header.code == ui::LVN_ITEMACTIVATE) {
        const int row = reinterpret_cast<const ui::NMITEMACTIVATE&>(header).iItem;
        if (row >= 0 && row < static_cast<int>(m_accounts.size())) {
            std::wstring status(res::LoadString(res::IDS_GALLERY_ACTIVATED));
            status.replace(status.find(L"%s"), 2, m_accounts[static_cast<std::size_t>(row)].name);
            ui::SetWindowText(m_status, status);
        }
    }
    return 0;
}
