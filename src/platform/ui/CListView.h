#pragma once

#include <string>
#include <vector>

#include "platform/ui/CControl.h"

// A list view ("SysListView32"): columns with headers, rows of texts with a data value, one
// selected row, scrolling. With LVS_OWNERDRAWFIXED the parent measures the rows (WM_MEASUREITEM,
// once at creation) and draws them (WM_DRAWITEM). The parent is told through WM_NOTIFY:
// LVN_KEYDOWN for every key first, LVN_ITEMCHANGED when the selection moves, LVN_ITEMACTIVATE on
// the action key (or a tap on the selected row), LVN_COLUMNCLICK on a tap on a header.
// The list keeps the arrow keys (WM_GETDLGCODE answers DLGC_WANTARROWS).
//
// With LVS_OWNERDATA the list is virtual: it holds only a count of rows (SetItemCount) and refuses
// InsertItem, SetItemText and DeleteItem. Painting asks for the visible rows alone, through
// WM_DRAWITEM when owner-drawn and otherwise through LVN_GETDISPINFO, once a cell; GetItemText
// asks the same way and GetItemData answers 0. Keys, taps and scrolling work on the count, so a
// move of the selection costs the same for ten rows or a million.
namespace ui {

enum ColumnFormat : int { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };

class CListView : public CControl {
public:
    int InsertColumn(int index, const std::wstring& text, int width, int format = LVCFMT_LEFT);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);

    int InsertItem(int index, const std::wstring& text, LPARAM data = 0);  // at the end when past
    bool SetItemText(int item, int subItem, const std::wstring& text);
    std::wstring GetItemText(int item, int subItem) const;
    LPARAM GetItemData(int item) const;
    bool DeleteItem(int item);
    void DeleteAllItems();
    int GetItemCount() const;
    // LVS_OWNERDATA only (false otherwise, or for a negative count): sets the number of rows. The
    // selection stays where it is while in range, else moves to the last row (-1 when the list
    // is empty) with LVN_ITEMCHANGED for the new row (iItem -1 when none is left).
    bool SetItemCount(int count);

    int GetSelection() const { return m_selected; }
    // Selects a row (-1: none), scrolls it into view and notifies LVN_ITEMCHANGED.
    bool SetSelection(int item);
    void EnsureVisible(int item);
    int GetTopIndex() const { return m_top; }
    // Scrolls `top` to the first visible row, or as near as a full last page allows. False for a
    // row that does not exist.
    bool SetTopIndex(int top);
    int GetCountPerPage() const;
    int GetRowHeight() const { return m_rowHeight; }

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    struct Column {
        std::wstring text;
        int width = 0;
        int format = LVCFMT_LEFT;
    };
    struct Row {
        std::vector<std::wstring> texts;
        LPARAM data = 0;
    };

    bool HasHeader() const;
    bool IsOwnerDrawn() const;
    bool IsOwnerData() const;
    int LastTopIndex() const;  // the top row that shows the last page full
    int HeaderHeight() const { return HasHeader() ? 1 : 0; }
    void KeyDown(unsigned vk);
    void Tap(POINT point);
    void SendItemChanged(int item, UINT oldState, UINT newState);
    void PaintRow(CDeviceContext& dc, int item, const RECT& rect);

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    int m_itemCount = 0;  // LVS_OWNERDATA: the rows the parent has
    int m_selected = -1;
    int m_top = 0;
    int m_rowHeight = 1;
};

}  // namespace ui
