#pragma once

#include "reports/CReportSettings.h"
#include "shell/CLabelledFormView.h"

// What the budgets are shown by (view 51, "Define Budget"): the grouping ("By :"), the period
// (a budget's days follow from its period, so there is no custom one) and whether rows without
// an amount or a budget are shown. "Done" keeps them in "Budget Setting" and goes back.
namespace views {

class CDefineBudgetView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    enum Field : int { kBy = 1, kPeriod, kShowEmpty };

    CReportSettings m_settings;
    ui::HWND m_by = nullptr;
    ui::HWND m_period = nullptr;
    ui::HWND m_showEmpty = nullptr;
};

}  // namespace views
