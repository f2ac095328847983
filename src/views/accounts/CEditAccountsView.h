#pragma once

#include "shell/CListShapeView.h"

// The account list (view 13, "Edit Accounts"): every account with its icon and type. "New" opens
// the account editor on a new account; "Edit" (or Enter on a row) on the selected account;
// "Delete" deletes it after the question, which defaults to No, and offers to delete the
// scheduled transactions that aim at it. "Done" and Back go back.
namespace views {

class CEditAccountsView : public shell::CListShapeView {
  public:
    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;

  private:
    // The selection checks of "Edit" and "Delete"; true when they may go on.
    bool CheckSelected(int row);
    void Edit();
    void Delete();
    void Refresh(int select);
};

}  // namespace views
