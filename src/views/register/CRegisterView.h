#pragma once

#include <memory>
#include <vector>

#include "model/CCVAccount.h"
#include "shell/CListShapeView.h"
#include "views/register/CRegisterColumns.h"

class CRegisterText;

// The register of the active account (view 31), and the same screen listing the transactions a
// search found (view 32, "Done" goes back). One row per transaction that passes the account's
// filter, in the account's order, with the running balance; the balance or cleared balance under
// the list. The action key flips a row's cleared mark; the menu filters, sorts, finds and reaches
// the account's other screens.
namespace views {

class CRegisterView : public shell::CListShapeView {
  public:
    CRegisterView();
    ~CRegisterView() override;

    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;
    void LayoutColumns(int width) override;
    int NavigationCommandOf(int id) const override;
    void ShowBalance() override;

  private:
    bool IsFindResults() const;
    CTransaction* TransactionAt(int row) const;
    void Rebuild();
    void SetFilter(int filter);
    void SortBy(int column);
    void ToggleCleared(int row);
    void EditTransaction();
    void ReviewOffer();
    void GoOnline();
    void ChangeOnlinePassword();
    void AddSortMenu();
    void SaveAccount();
    int ReportsCommand() const;
    void DrawCell(ui::CDeviceContext& dc, int column, const ui::RECT& row,
                  const std::wstring& text);

    CCVAccount* m_account = nullptr;
    std::unique_ptr<CRegisterText> m_text;
    CRegisterColumns m_columns;
    std::vector<CCVAccount::RegisterRow> m_rows;
    int m_filter = 0;
    ui::COLORREF m_rowColour = 0;
    bool m_showYear = false;
    bool m_showDecimal = true;
};

}  // namespace views
