#pragma once

#include "online/COnlineSetup.h"
#include "shell/CCVView.h"

// The bank list of the online set-up (view 61): every bank of the bank list by name, the set-up's
// bank selected. "Done" or the action key on a row makes that bank the set-up's and goes back;
// "Cancel" and the Back key go back without a change.
namespace views {

class CSelectBankView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;

  private:
    void Choose();

    COnlineSetup::WorkingCopy m_copy;
    ui::HWND m_list = nullptr;
};

}  // namespace views
