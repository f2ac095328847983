#pragma once

#include "shell/CListShapeView.h"

class CScheduledItem;
class CScheduledList;

// The scheduled transactions (view 57, "ScheduledTransactions"), in the order they were made: the
// next date, the payee, how often and the amount. "New" opens the editor on a new scheduled
// transaction, "Edit" (or Enter on a row) on the selected one; "Delete" deletes it after the
// question, which defaults to No. "Done" and Back go back.
namespace views {

class CScheduledListView : public shell::CListShapeView {
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
    CScheduledList* Scheduled() const;
    // The selected scheduled transaction; says "Please select an item" when there is none.
    CScheduledItem* Selected();
    void Edit();
    void Delete();
    void Refresh(int select);
};

}  // namespace views
