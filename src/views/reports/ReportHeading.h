#pragma once

#include <string>

#include "reports/ReportScreens.h"

class CCVReportList;

// The line the report screens name their report with: "Expenses by Category: This Year", with
// the account when the report is on one ("..., Checking"), and "Budget by Category: This
// Quarter" for the budget.
namespace views {

std::wstring ReportHeading(const CCVReportList& report, report::Screen screen);

}  // namespace views
