#include "platform/ui/CListView.h"

#include <algorithm>

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {
namespace {

constexpr wchar_t kMoreAbove = L'▲';
constexpr wchar_t kMoreBelow = L'▼';
constexpr UINT kSelectedState = LVIS_SELECTED | LVIS_FOCUSED;

}  // namespace

bool CListView::HasHeader() const { return (Style() & LVS_NOCOLUMNHEADER) == 0; }
bool CListView::IsOwnerDrawn() const { return (Style() & LVS_OWNERDRAWFIXED) != 0; }
bool CListView::IsOwnerData() const {
    return (Style() & LVS_OWNERDATA) != 0;
}

int CListView::GetItemCount() const {
    return IsOwnerData() ? m_itemCount : static_cast<int>(m_rows.size());
}

int CListView::LastTopIndex() const {
    return std::max(0, GetItemCount() - GetCountPerPage());
}

int CListView::InsertColumn(int index, const std::wstring& text, int width, int format) {
    const int at = (index < 0 || index > GetColumnCount()) ? GetColumnCount() : index;
    m_columns.insert(m_columns.begin() + at, Column{text, std::max(0, width), format});
    for (Row& row : m_rows) {
        if (static_cast<int>(row.texts.size()) > at) row.texts.insert(row.texts.begin() + at, L"");
    }
    Invalidate();
    return at;
}

int CListView::GetColumnWidth(int column) const {
    if (column < 0 || column >= GetColumnCount()) return 0;
    return m_columns[static_cast<std::size_t>(column)].width;
}

bool CListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) return false;
    m_columns[static_cast<std::size_t>(column)].width = std::max(0, width);
    Invalidate();
    return true;
}

int CListView::InsertItem(int index, const std::wstring& text, LPARAM data) {
    if (IsOwnerData()) return -1;
    const int at = (index < 0 || index > GetItemCount()) ? GetItemCount() : index;
    Row row;
    row.texts.push_back(text);
    row.data = data;
    m_rows.insert(m_rows.begin() + at, std::move(row));
    if (m_selected >= at) ++m_selected;
    Invalidate();
    return at;
}

bool CListView::SetItemText(int item, int subItem, const std::wstring& text) {
    if (IsOwnerData() || item < 0 || item >= GetItemCount() || subItem < 0) return false;
    auto& texts = m_rows[static_cast<std::size_t>(item)].texts;
    if (static_cast<int>(texts.size()) <= subItem) texts.resize(static_cast<std::size_t>(subItem) + 1);
    texts[static_cast<std::size_t>(subItem)] = text;
    Invalidate();
    return true;
}

std::wstring CListView::GetItemText(int item, int subItem) const {
    if (item < 0 || item >= GetItemCount() || subItem < 0) return {};
    if (IsOwnerData()) {
        NMLVDISPINFO info;
        info.hdr.code = LVN_GETDISPINFO;
        info.iItem = item;
        info.iSubItem = subItem;
        NotifyParent(info.hdr);
        return std::move(info.text);
    }
    const auto& texts = m_rows[static_cast<std::size_t>(item)].texts;
    return subItem < static_cast<int>(texts.size()) ? texts[static_cast<std::size_t>(subItem)]
                                                    : std::wstring{};
}

LPARAM CListView::GetItemData(int item) const {
    if (IsOwnerData() || item < 0 || item >= GetItemCount()) return 0;
    return m_rows[static_cast<std::size_t>(item)].data;
}

bool CListView::DeleteItem(int item) {
    if (IsOwnerData() || item < 0 || item >= GetItemCount()) return false;
    m_rows.erase(m_rows.begin() + item);
    if (m_selected == item) m_selected = -1;
    else if (m_selected > item) --m_selected;
    m_top = std::clamp(m_top, 0, std::max(0, GetItemCount() - 1));
    Invalidate();
    return true;
}

void CListView::DeleteAllItems() {
    m_rows.clear();
    m_itemCount = 0;
    m_selected = -1;
    m_top = 0;
    Invalidate();
}

bool CListView::SetItemCount(int count) {
    if (!IsOwnerData() || count < 0) return false;
    m_itemCount = count;
    const int previous = m_selected;
    m_selected = std::min(m_selected, count - 1);
    m_top = std::min(m_top, LastTopIndex());
    Invalidate();
    if (m_selected == previous) return true;
    if (m_selected >= 0)
        SendItemChanged(m_selected, 0, kSelectedState);
    else
        SendItemChanged(-1, kSelectedState, 0);
    return true;
}

bool CListView::SetTopIndex(int top) {
    if (top < 0 || top >= GetItemCount()) return false;
    m_top = std::min(top, LastTopIndex());
    Invalidate();
    return true;
}

int CListView::GetCountPerPage() const {
    return std::max(1, (ClientRect().Height() - HeaderHeight()) / std::max(1, m_rowHeight));
}

void CListView::EnsureVisible(int item) {
    if (item < 0 || item >= GetItemCount()) return;
    const int page = GetCountPerPage();
    if (item < m_top) m_top = item;
    else if (item >= m_top + page) m_top = item - page + 1;
    Invalidate();
}

void CListView::SendItemChanged(int item, UINT oldState, UINT newState) {
    NMLISTVIEW change;
    change.hdr.code = LVN_ITEMCHANGED;
    change.iItem = item;
    change.uOldState = oldState;
    change.uNewState = newState;
    change.uChanged = LVIF_STATE;
    change.lParam = GetItemData(item);
    NotifyParent(change.hdr);
}

bool CListView::SetSelection(int item) {
    if (item < -1 || item >= GetItemCount()) return false;
    const int previous = m_selected;
    if (previous == item) {
        EnsureVisible(item);
        return true;
    }
    m_selected = item;
    EnsureVisible(item);
    Invalidate();
    if (previous >= 0) SendItemChanged(previous, kSelectedState, 0);
    if (item >= 0) SendItemChanged(item, 0, kSelectedState);
    return true;
}

void CListView::KeyDown(unsigned vk) {
    NMLVKEYDOWN key;
    key.hdr.code = LVN_KEYDOWN;
    key.wVKey = vk;
    NotifyParent(key.hdr);
    if (!IsWindow(Handle()) || GetItemCount() == 0) return;
    const int last = GetItemCount() - 1;
    const int page = GetCountPerPage();
    switch (vk) {
        case VK_UP: SetSelection(std::max(0, m_selected - 1)); break;
        case VK_DOWN: SetSelection(m_selected < 0 ? 0 : std::min(last, m_selected + 1)); break;
        case VK_PRIOR: SetSelection(std::max(0, m_selected - page)); break;
        case VK_NEXT: SetSelection(std::min(last, std::max(0, m_selected) + page)); break;
        case VK_HOME: SetSelection(0); break;
        case VK_END: SetSelection(last); break;
        case VK_RETURN:
            if (m_selected >= 0) {
                NMITEMACTIVATE activate;
                activate.hdr.code = LVN_ITEMACTIVATE;
                activate.iItem = m_selected;
                NotifyParent(activate.hdr);
            }
            break;
        default: break;
    }
}

void CListView::Tap(POINT point) {
    if (HasHeader() && point.y == 0) {
        int left = 0;
        for (int column = 0; column < GetColumnCount(); ++column) {
            const int right = left + m_columns[static_cast<std::size_t>(column)].width;
            if (point.x >= left && point.x < right) {
                NMLISTVIEW click;
                click.hdr.code = LVN_COLUMNCLICK;
                click.iItem = -1;
                click.iSubItem = column;
                NotifyParent(click.hdr);
                return;
            }
            left = right;
        }
        return;
    }
    const int item = m_top + (point.y - HeaderHeight()) / std::max(1, m_rowHeight);
    if (item < 0 || item >= GetItemCount()) return;
    if (item == m_selected) {
        NMITEMACTIVATE activate;
        activate.hdr.code = LVN_ITEMACTIVATE;
        activate.iItem = item;
        NotifyParent(activate.hdr);
        return;
    }
    SetSelection(item);
}

LRESULT CListView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
        case WM_CREATE:
            if (IsOwnerDrawn()) {
                MEASUREITEMSTRUCT measure;
                measure.CtlID = static_cast<UINT>(ControlId());
                SendMessage(GetParent(Handle()), WM_MEASUREITEM, measure.CtlID,
                            reinterpret_cast<LPARAM>(&measure));
                m_rowHeight = std::max(1, static_cast<int>(measure.itemHeight));
            }
            return 0;
        case WM_GETDLGCODE: return DLGC_WANTARROWS;
        case WM_KEYDOWN: KeyDown(static_cast<unsigned>(wParam)); return 0;
        case WM_LBUTTONDOWN:
            Tap(POINT{static_cast<std::int16_t>(LOWORD(lParam)),
                      static_cast<std::int16_t>(HIWORD(lParam))});
            return 0;
        default: handled = false; return 0;
    }
}

void CListView::PaintRow(CDeviceContext& dc, int item, const RECT& rect) {
    const bool selected = item == m_selected;
    if (IsOwnerDrawn()) {
        DRAWITEMSTRUCT draw;
        draw.CtlID = static_cast<UINT>(ControlId());
        draw.itemID = static_cast<UINT>(item);
        draw.itemState = selected ? (ODS_SELECTED | (HasFocus() ? ODS_FOCUS : 0)) : 0;
        draw.hwndItem = Handle();
        draw.hDC = &dc;
        draw.rcItem = rect;
        draw.itemData = GetItemData(item);
        dc.FillRect(rect, GetSysColor(COLOR_WINDOW));
        SendMessage(GetParent(Handle()), WM_DRAWITEM, draw.CtlID, reinterpret_cast<LPARAM>(&draw));
        return;
    }
    COLORREF back = GetSysColor(COLOR_WINDOW);
    COLORREF text = TextColor();
    if (selected) {
        back = HasFocus() ? GetSysColor(COLOR_HIGHLIGHT) : kFieldColor;
        text = HasFocus() ? GetSysColor(COLOR_HIGHLIGHTTEXT) : text;
    }
    dc.FillRect(rect, back);
    dc.SetBkColor(back);
    dc.SetTextColor(text);
    int left = rect.left;
    for (int column = 0; column < GetColumnCount(); ++column) {
        const Column& info = m_columns[static_cast<std::size_t>(column)];
        // One blank between columns.
        RECT cell{left, rect.top, std::min(rect.right, left + info.width - 1), rect.top + 1};
        unsigned format = DT_SINGLELINE | DT_END_ELLIPSIS;
        if (info.format == LVCFMT_RIGHT) format |= DT_RIGHT;
        else if (info.format == LVCFMT_CENTER) format |= DT_CENTER;
        dc.DrawText(GetItemText(item, column), cell, format);
        left += info.width;
    }
}

void CListView::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, GetSysColor(COLOR_WINDOW));
    if (HasHeader()) {
        dc.FillRect(RECT{0, 0, client.right, 1}, GetSysColor(COLOR_BTNFACE));
        dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
        dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        int left = 0;
        for (const Column& column : m_columns) {
            RECT cell{left, 0, std::min(client.right, left + column.width - 1), 1};
            unsigned format = DT_SINGLELINE | DT_END_ELLIPSIS;
            if (column.format == LVCFMT_RIGHT) format |= DT_RIGHT;
            dc.DrawText(column.text, cell, format);
            left += column.width;
        }
    }
    const int page = GetCountPerPage();
    const int count = GetItemCount();
    m_top = std::clamp(m_top, 0, LastTopIndex());
    for (int i = 0; i < page && m_top + i < count; ++i) {
        const int top = HeaderHeight() + i * m_rowHeight;
        PaintRow(dc, m_top + i, RECT{0, top, client.right, top + m_rowHeight});
    }
    dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    if (m_top > 0) dc.TextOut(client.right - 1, HeaderHeight(), std::wstring(1, kMoreAbove));
    if (m_top + page < count) {
        dc.TextOut(client.right - 1, client.bottom - 1, std::wstring(1, kMoreBelow));
    }
}

}  // namespace ui
