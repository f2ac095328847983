#pragma once

#include <memory>

#include "reports/CReportRowRef.h"
#include "shell/CLabelledFormView.h"

// The monthly budget of one budget row (view 53): "Enter Monthly Budget Amount for " the row's
// name, and "Budget Amount :" with the amount it has. "Done" checks the amount, gives it to the
// payee, category, class or "<Unassigned>" of the row, saves and goes back; "Cancel" goes back.
// The budget screen hands the row over with the navigation.
namespace views {

class CBudgetAmountView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    bool Done();

    CReportRowRef m_row;
    ui::HWND m_amount = nullptr;
};

}  // namespace views
