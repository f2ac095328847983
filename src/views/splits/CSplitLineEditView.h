#pragma once

#include "shell/CFormView.h"
#include "shell/CSplitLineRequest.h"

// The split line editor ("SplitTransactionEdit", view 56): the category (a category or an account
// other than the transaction's own; never "-SPLIT-"), the class, the amount and the memo of one
// line. "Done" checks the line and hands it back to the split list; "Cancel" leaves it as it was.
namespace views {

class CSplitLineEditView : public shell::CFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnShown() override;

  private:
    ui::HWND AddSpinner(const std::wstring& label, int id);
    void Done();

    shell::CSplitLineRequest m_request;
    bool m_loaded = false;
    ui::HWND m_category = nullptr;
    ui::HWND m_class = nullptr;
    ui::HWND m_amount = nullptr;
    ui::HWND m_memo = nullptr;
};

}  // namespace views
