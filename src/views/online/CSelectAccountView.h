#pragma once

#include "online/COnlineSetup.h"
#include "shell/CCVView.h"

// The accounts the bank reported for the customer (view 62): type and account number, the
// set-up's account selected. "Done" takes the selected one unless another account already
// downloads from it ("That account is already in use."); "Cancel" and Back go back.
namespace views {

class CSelectAccountView : public shell::CCVView {
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
