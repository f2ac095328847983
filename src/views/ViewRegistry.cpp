#include "views/ViewRegistry.h"

#include <memory>

#include "shell/CViewCatalog.h"
#include "shell/ViewNumbers.h"
#include "views/chart/CReportChartView.h"
#include "views/lists/CCommonAddEditView.h"
#include "views/register/CRegisterView.h"
#include "views/reports/CBudgetAmountView.h"
#include "views/reports/CBudgetView.h"
#include "views/reports/CDefineBudgetView.h"
#include "views/reports/CDefineReportView.h"
#include "views/reports/CReportDetailsView.h"
#include "views/reports/CReportPreferencesView.h"
#include "views/reports/CReportView.h"
#include "views/summary/CAccountsSummaryView.h"

namespace views {

void RegisterViews(shell::CViewCatalog& catalog) {
    catalog.Register(shell::kViewAccountsSummary,
                     [] { return std::make_unique<CAccountsSummaryView>(); });
    catalog.Register(shell::kViewRegister, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFindResults, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFind, [] { return std::make_unique<CCommonAddEditView>(); });
    // reports, budgets and the report chart
    catalog.Register(shell::kViewReports, [] { return std::make_unique<CReportView>(); });
    catalog.Register(shell::kViewBudgets, [] { return std::make_unique<CBudgetView>(); });
    catalog.Register(shell::kViewReportChart, [] { return std::make_unique<CReportChartView>(); });
    catalog.Register(shell::kViewDefineReport,
                     [] { return std::make_unique<CDefineReportView>(); });
    catalog.Register(shell::kViewDefineBudget,
                     [] { return std::make_unique<CDefineBudgetView>(); });
    catalog.Register(shell::kViewReportPreferences,
                     [] { return std::make_unique<CReportPreferencesView>(); });
    catalog.Register(shell::kViewBudgetAmount,
                     [] { return std::make_unique<CBudgetAmountView>(); });
    catalog.Register(shell::kViewReportDetails,
                     [] { return std::make_unique<CReportDetailsView>(); });
    catalog.Register(shell::kViewBudgetDetails,
                     [] { return std::make_unique<CReportDetailsView>(); });
}

}  // namespace views
