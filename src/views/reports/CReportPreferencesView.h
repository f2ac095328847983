#pragma once

#include "reports/CReportSettings.h"
#include "reports/ReportScreens.h"
#include "shell/CLabelledFormView.h"

// The preferences of the reports or of the budgets (view 52; the navigation parameter says
// which: report::Screen::kBudget for the budgets, anything else for the reports). Reports: "Show
// Empty Items" and the chart's labels (name, amount, percentage), kept in "Report Setting";
// budgets: "Show empty items", kept in "Budget Setting".
namespace views {

class CReportPreferencesView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    enum Field : int { kShowEmpty = 1, kLabelName, kLabelAmount, kLabelPercent };

    bool Budget() const { return m_screen == report::Screen::kBudget; }
    bool Checked(Field field) const;

    report::Screen m_screen = report::Screen::kList;
    CReportSettings m_settings;
    ui::HWND m_fields[kLabelPercent + 1] = {};
};

}  // namespace views
