#pragma once

#include "shell/CLabelledFormView.h"

// "Adjust Ending Balance" (view 38): the new balance, and which balance it sets (the balance or
// the cleared balance), filled with that balance as it stands. "Done" sets it (the beginning
// balance and the other balance move by the same difference; no transaction is made), saves and
// goes back to the register. "Cancel" and Back go back.
namespace views {

class CAdjustBalanceView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;

  private:
    void ShowBalance();
    void Done();

    ui::HWND m_amount = nullptr;
    ui::HWND m_kind = nullptr;
};

}  // namespace views
