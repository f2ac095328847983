#pragma once

#include <string>

#include "platform/ui/CListView.h"
#include "shell/CCVView.h"
#include "storage/Amount.h"

// The shape of a screen that is one list over the whole work area, above one line for a total
// (a label on the left, a value on the right): the accounts summary, the register, and the
// screens that list one thing. The list is virtual: it holds no rows, knows only their number and
// asks the screen to draw the rows it shows, so a list of 50,000 rows costs no more to open or to
// move in than one of fifty.
namespace shell {

class CListShapeView : public CCVView {
  public:
    static constexpr int kListId = 1;
    // What the total line shows: the balance, or the cleared balance ("Balance Types").
    enum class BalanceType : int { kBalance = 0, kCleared = 1 };

  protected:
    // Makes the list (columns are the screen's to add) and lays out the screen. False on failure.
    bool CreateList(bool withHeader);
    ui::HWND List() const { return m_list; }
    ui::CListView* ListControl() const;

    void SetRowCount(int count);
    int RowCount() const;
    int Selection() const;
    void Select(int row);
    BalanceType GetBalanceType() const { return m_balanceType; }
    // Chooses the balance type: checks its "Balance Types" item and shows the line again.
    void SetBalanceType(BalanceType type);
    // The "Balance Types" commands; true when `id` is one of them.
    bool OnBalanceTypeCommand(int id);
    // The screen works out its balance of the current type and shows it with ShowBalanceLine.
    virtual void ShowBalance() {}
    // The total line: "Balance:" or "Cleared:", and the amount, red when negative.
    void ShowBalanceLine(Amount amount, bool showDecimals);
    // The total line with a label and a value of the screen's own.
    void ShowTotalLine(const std::wstring& label, const std::wstring& value, ui::COLORREF colour);
    // The total line with a label and a value of the screen's own (a list's period, its count).
    void ShowTextLine(const std::wstring& label, const std::wstring& value);

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
    ui::RECT TotalLineRect() const;

    ui::HWND m_list = nullptr;
    BalanceType m_balanceType = BalanceType::kBalance;
    std::wstring m_totalLabel;
    std::wstring m_totalValue;
    ui::COLORREF m_totalColour = 0;
};

}  // namespace shell
