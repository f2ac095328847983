#pragma once

#include <memory>

#include "shell/CListShapeView.h"
#include "shell/CSplitRequest.h"

// The split list ("SplitTransaction", view 47): the ten split lines of the transaction being
// edited, with their category, class, amount and memo, and under them the splits' total, the
// remainder and the transaction's total. "Edit" (or the action key) opens the line editor;
// "Clear" empties every line and sets the amount to 0; "Adjust" sets the amount to the lines'
// total. "Done" and the Back key hand the lines and the amount back to the editor.
namespace views {

class CSplitTransactionView : public shell::CListShapeView {
  public:
    CSplitTransactionView();
    ~CSplitTransactionView() override;

    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;
    void OnShown() override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void OnBack() override;
    void OnSize(int width, int height) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;
    void LayoutColumns(int width) override;

  private:
    void EditLine();
    void HandBackAndClose();

    shell::CSplitRequest m_split;
    bool m_loaded = false;
};

}  // namespace views
