#pragma once

#include "shell/CFormView.h"

// The small form that names one thing: here the text to find in the active account's register
// (view 12). "Done" (shown as "Find") searches and opens the results; "Cancel" goes back.
namespace views {

class CCommonAddEditView : public shell::CFormView {
  public:
    enum Kind : int { kFind = 5 };
    static constexpr int kFindLimit = 31;  // what an account keeps of its search text

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    bool Find();

    ui::HWND m_field = nullptr;
};

}  // namespace views
