#pragma once

#include "shell/CLabelledFormView.h"

// "Reconcile Setup" (view 34): the beginning and ending balance and the closing date of the bank
// statement, filled with the statement under way, or from the last statement, or from the
// account. "Continue" stores them in the account and opens the reconcile list; a balance that is
// not an amount is refused. "Cancel" and Back go back to the register.
namespace views {

class CReconcileSetupView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    void Continue();

    ui::HWND m_beginning = nullptr;
    ui::HWND m_ending = nullptr;
    ui::HWND m_date = nullptr;
};

}  // namespace views
