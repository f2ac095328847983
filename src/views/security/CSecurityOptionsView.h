#pragma once

#include "shell/CCVView.h"

// The lock delay (view 9): how long after the program was last unlocked or brought back, and
// after the last key, it asks for the password again. "OK" stores the choice and counts the delay
// from now; "Cancel" and the Back key leave without a change.
namespace views {

class CSecurityOptionsView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnSize(int width, int height) override;

  private:
    void Ok();

    ui::HWND m_label = nullptr;
    ui::HWND m_delay = nullptr;
    ui::HWND m_note = nullptr;
};

}  // namespace views
