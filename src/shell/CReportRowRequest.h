#pragma once

#include <utility>

#include "reports/CReportRowRef.h"
#include "reports/ReportScreens.h"
#include "shell/NavigationRecords.h"

// What a report screen hands to the screen it opens for one of its rows (the transactions
// behind it, a budget amount): which screen's report the row belongs to, so that the report is
// built the same way again, and the row, named so that it is found again in that report.
namespace shell {

class CReportRowRequest : public CNavigationPayload {
  public:
    CReportRowRequest(report::Screen screen, CReportRowRef row)
        : m_screen(screen), m_row(std::move(row)) {}
    report::Screen Screen() const { return m_screen; }
    const CReportRowRef& Row() const { return m_row; }

  private:
    report::Screen m_screen;
    CReportRowRef m_row;
};

}  // namespace shell
