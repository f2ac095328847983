#pragma once

#include <vector>

#include "shell/CLabelledFormView.h"

class CCVAccount;

// "Transfer Funds" (view 37): the date, the two accounts, the amount and whether the transfer is
// cleared. "Done" refuses an amount that is not an amount or is 0 and the same account on both
// sides; otherwise it makes the withdrawal and its twin deposit (converted to the other account's
// currency), saves and goes back. "Cancel" and Back go back.
namespace views {

class CTransferFundsView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    CCVAccount* AccountAt(ui::HWND spinner) const;
    void Done();

    ui::HWND m_date = nullptr;
    ui::HWND m_from = nullptr;
    ui::HWND m_to = nullptr;
    ui::HWND m_amount = nullptr;
    ui::HWND m_cleared = nullptr;
};

}  // namespace views
