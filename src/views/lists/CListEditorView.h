#pragma once

#include <memory>

#include "shell/CListShapeView.h"
#include "views/lists/CListAdapter.h"

// The screens that edit one reference list (classes 16, payees 19, categories 22, currencies 25,
// transaction types 28): the list, and "New", "Edit" and "Delete" with the list's rules and
// messages; the adapter of the view number says which list. "New" and "Edit" open the common
// add/edit screen (Edit with the position of the selected row); "Done" and Back go back to the
// screen that opened the list. Enter on a row edits it.
namespace views {

class CListEditorView : public shell::CListShapeView {
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
    // The selection checks; true when the selected row may be edited or deleted.
    bool CheckSelected(int row);
    void Edit();
    void Delete();
    // Shows a refusal, asks a question (true on yes), or says nothing for a change made.
    bool Show(const EditOutcome& outcome);
    void Refresh(int select);

    std::unique_ptr<CListAdapter> m_adapter;
};

}  // namespace views
