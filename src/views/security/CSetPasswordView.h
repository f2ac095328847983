#pragma once

#include "shell/CFormView.h"

// Set, change or remove the lock password (view 8). With a password set the old one is asked
// first; "Done" stores the new password (an empty one removes it) when the confirmation matches,
// the new one keeps the rule and the old one is right, and otherwise says what is wrong and
// stays. "Cancel" and the Back key leave without a change.
namespace views {

class CSetPasswordView : public shell::CFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    void Done();

    ui::HWND m_old = nullptr;
    ui::HWND m_new = nullptr;
    ui::HWND m_confirm = nullptr;
};

}  // namespace views
