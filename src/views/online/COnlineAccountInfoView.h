#pragma once

#include "online/COnlineSetup.h"
#include "shell/CLabelledFormView.h"

// The account's details at the bank typed in (view 63), when the bank listed no account: the
// type, the account number and the 9-digit routing number (digits only). "Done" checks them and
// hands them to the set-up; "Cancel" goes back. The Back key erases and does not leave.
namespace views {

class COnlineAccountInfoView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnBack() override {}

  private:
    void Done();

    COnlineSetup::WorkingCopy m_copy;
    ui::HWND m_type = nullptr;
    ui::HWND m_number = nullptr;
    ui::HWND m_routing = nullptr;
};

}  // namespace views
