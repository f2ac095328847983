#pragma once

#include "online/COnlinePassword.h"
#include "shell/CLabelledFormView.h"

// The change of the register account's online password (view 69), opened with the bank's
// password rules: the old password, the new one and its confirmation, all masked. "Done" checks
// the new password against the rules and has the bank change it; "Cancel" goes back. The Back key
// erases and does not leave.
namespace views {

class CChangeOnlinePasswordView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnBack() override {}

  private:
    void Done();

    COnlinePassword::Criteria m_criteria{};
    ui::HWND m_old = nullptr;
    ui::HWND m_new = nullptr;
    ui::HWND m_confirm = nullptr;
};

}  // namespace views
