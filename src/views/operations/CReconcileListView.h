#pragma once

#include "shell/CListShapeView.h"
#include "storage/Amount.h"

class CCVAccount;

// The reconcile list (view 35): the uncleared and cleared transactions dated before the closing
// date, each with its mark, and the difference that remains. Enter (or "Mark") marks or unmarks
// the selected transaction; "Mark All" and "Unmark All" all of them. "Done" finishes: with no
// difference the account is reconciled; otherwise the person chooses whether an adjustment
// resolves it, or cancels and goes on marking. "Cancel" and Back go back to the register, the
// statement and the marks staying for the next time.
namespace views {

class CReconcileListView : public shell::CListShapeView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;
    void LayoutColumns(int width) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;

  private:
    void ToggleMark(int row);
    void MarkAll(bool marked);
    void Finish();
    void Changed();

    CCVAccount* m_account = nullptr;
};

}  // namespace views
