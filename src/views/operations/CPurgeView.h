#pragma once

#include "shell/CLabelledFormView.h"

// "Purge Transactions" (view 36): what to purge (every transaction before a date, every cleared
// one, or every reconciled one) and the date. "Purge" asks first; on yes the transactions leave
// the register with their amounts moved into the beginning balance, so the balance stays, and the
// screen goes back to the register. "Cancel" and Back go back.
namespace views {

class CPurgeView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;

  private:
    void Purge();

    ui::HWND m_mode = nullptr;
    ui::HWND m_date = nullptr;
};

}  // namespace views
