#pragma once

#include <string>

#include "platform/ui/CListView.h"
#include "shell/CCVView.h"

// The shape of a screen that is one list over the whole work area, above one line for a total
// (a label on the left, a value on the right): the accounts summary, the register, and the
// screens that list one thing. The list is virtual: it holds no rows, knows only their number and
// asks the screen to draw the rows it shows, so a list of 50,000 rows costs no more to open or to
// move in than one of fifty.
namespace shell {

class CListShapeView : public CCVView {
  public:
    static constexpr int kListId = 1;

  protected:
    // Makes the list (columns are the screen's to add) and lays out the screen. False on failure.
    bool CreateList(bool withHeader);
    ui::HWND List() const { return m_list; }
    ui::CListView* ListControl() const;

    void SetRowCount(int count);
    int RowCount() const;
    int Selection() const;
    void Select(int row);
    // The total line; an empty label hides it and gives the list the whole work area.
    void SetTotalLine(const std::wstring& label, const std::wstring& value,
                      ui::COLORREF valueColour);
    ui::RECT TotalLineRect() const;

    // Draws row `row` into `rect` (one cell high); `selected` with `focused` is the highlighted
    // row.
    virtual void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                         bool focused) = 0;
    // The list took a new width: the screen may size its columns.
    virtual void LayoutColumns(int width) { (void)width; }

    void OnSize(int width, int height) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void OnDrawItem(const ui::DRAWITEMSTRUCT& item) override;

    // Colours shared by list screens.
    static ui::COLORREF AmountColour(long long amount);
    // The background and text colours of a row, and draws its background.
    static void PaintRowBackground(ui::CDeviceContext& dc, const ui::RECT& rect, bool selected,
                                   bool focused, ui::COLORREF background);

  private:
    void Layout();

    ui::HWND m_list = nullptr;
    std::wstring m_totalLabel;
    std::wstring m_totalValue;
    ui::COLORREF m_totalColour = 0;
};

}  // namespace shell
