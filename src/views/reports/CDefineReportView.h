#pragma once

#include "reports/CReportSettings.h"
#include "shell/CLabelledFormView.h"

// What the report is (view 48): the grouping ("By :"), the period with its first and last day,
// the one account or all accounts, and the amounts (all, incomes or expenses). Choosing a period
// shows its days; changing a day makes the period "Custom". "Done" keeps the definition in
// "Report Data" (a custom period must not end before it starts) and goes back; "Cancel" goes
// back without it.
namespace views {

class CDefineReportView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;

  private:
    enum Field : int { kBy = 1, kPeriod, kStart, kEnd, kAccount, kAmounts };

    void ShowPeriodDates();
    bool Done();

    CReportSettings m_settings;
    ui::HWND m_fields[kAmounts + 1] = {};
};

}  // namespace views
