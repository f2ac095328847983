#include "views/ViewRegistry.h"

#include <memory>

#include "shell/CViewCatalog.h"
#include "shell/ViewNumbers.h"
#include "views/accounts/CAccountInfoView.h"
#include "views/accounts/CChooseIconView.h"
#include "views/accounts/CEditAccountsView.h"
#include "views/chart/CReportChartView.h"
#include "views/lists/CCommonAddEditView.h"
#include "views/lists/CListEditorView.h"
#include "views/operations/CAdjustBalanceView.h"
#include "views/operations/CPurgeView.h"
#include "views/operations/CReconcileListView.h"
#include "views/operations/CReconcileSetupView.h"
#include "views/operations/CTransferFundsView.h"
#include "views/register/CRegisterView.h"
#include "views/reports/CBudgetAmountView.h"
#include "views/reports/CBudgetView.h"
#include "views/reports/CDefineBudgetView.h"
#include "views/reports/CDefineReportView.h"
#include "views/reports/CReportDetailsView.h"
#include "views/reports/CReportPreferencesView.h"
#include "views/reports/CReportView.h"
#include "views/summary/CAccountsSummaryView.h"
// the transaction editor, the split screens, the memo and currency conversion
#include "views/convert/CConvertCurrencyView.h"
#include "views/editor/CEditTransactionsView.h"
#include "views/memo/CEditMemoView.h"
#include "views/splits/CSplitLineEditView.h"
#include "views/splits/CSplitTransactionView.h"
// security, settings, appearance, about and help
#include "shell/CCVApplication.h"
#include "views/help/CHelpViewer.h"
#include "views/security/CPasswordPromptView.h"
#include "views/security/CSecurityOptionsView.h"
#include "views/security/CSetPasswordView.h"
#include "views/security/CUnlockPrompt.h"
#include "views/settings/CAboutView.h"
#include "views/settings/CChooseColorView.h"
#include "views/settings/CFontView.h"
#include "views/settings/CPreferenceView.h"
// online banking
#include "views/online/CChangeOnlinePasswordView.h"
#include "views/online/CImportAccountsView.h"
#include "views/online/CMatchTransactionView.h"
#include "views/online/COnlineAccountInfoView.h"
#include "views/online/COnlineSetupView.h"
#include "views/online/COnlineSummaryView.h"
#include "views/online/CReviewTransactionView.h"
#include "views/online/CSelectAccountView.h"
#include "views/online/CSelectBankView.h"
// scheduled transactions and reminders
#include "views/scheduled/CChangeRepeatView.h"
#include "views/scheduled/CScheduledListView.h"
#include "views/scheduled/CUpcomingListView.h"
#include "views/reminder/CReminderView.h"

namespace views {

void RegisterViews(shell::CViewCatalog& catalog) {
    catalog.Register(shell::kViewAccountsSummary,
                     [] { return std::make_unique<CAccountsSummaryView>(); });
    catalog.Register(shell::kViewRegister, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFindResults, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFind, [] { return std::make_unique<CCommonAddEditView>(); });
    // accounts, reference lists and account operations
    catalog.Register(shell::kViewEditAccounts,
                     [] { return std::make_unique<CEditAccountsView>(); });
    for (int view : {shell::kViewNewAccount, shell::kViewAccountInfo}) {
        catalog.Register(view, [] { return std::make_unique<CAccountInfoView>(); });
    }
    catalog.Register(shell::kViewChooseIcon, [] { return std::make_unique<CChooseIconView>(); });
    for (int view : {shell::kViewEditClasses, shell::kViewEditPayees, shell::kViewEditCategories,
                     shell::kViewEditCurrencies, shell::kViewEditTransactionTypes}) {
        catalog.Register(view, [] { return std::make_unique<CListEditorView>(); });
    }
    for (int view : {shell::kViewAddClass, shell::kViewEditClass, shell::kViewAddPayee,
                     shell::kViewEditPayee, shell::kViewAddCategory, shell::kViewEditCategory,
                     shell::kViewAddCurrency, shell::kViewEditCurrency,
                     shell::kViewAddTransactionType, shell::kViewEditTransactionType}) {
        catalog.Register(view, [] { return std::make_unique<CCommonAddEditView>(); });
    }
    catalog.Register(shell::kViewTransfer, [] { return std::make_unique<CTransferFundsView>(); });
    catalog.Register(shell::kViewReconcileSetup,
                     [] { return std::make_unique<CReconcileSetupView>(); });
    catalog.Register(shell::kViewReconcileList,
                     [] { return std::make_unique<CReconcileListView>(); });
    catalog.Register(shell::kViewPurge, [] { return std::make_unique<CPurgeView>(); });
    catalog.Register(shell::kViewAdjustBalance,
                     [] { return std::make_unique<CAdjustBalanceView>(); });
    // the transaction editor, the split screens, the memo and currency conversion
    for (int view : {shell::kViewTransactionDetails, shell::kViewNewTransaction,
                     shell::kViewEditTransaction, shell::kViewEditUpcoming,
                     shell::kViewNewScheduled, shell::kViewEditScheduled, shell::kViewEditReview,
                     shell::kViewEditReport, shell::kViewEditBudget}) {
        catalog.Register(view, [] { return std::make_unique<CEditTransactionsView>(); });
    }
    catalog.Register(shell::kViewSplitList,
                     [] { return std::make_unique<CSplitTransactionView>(); });
    catalog.Register(shell::kViewSplitLine, [] { return std::make_unique<CSplitLineEditView>(); });
    catalog.Register(shell::kViewEditMemo, [] { return std::make_unique<CEditMemoView>(); });
    catalog.Register(shell::kViewConvertCurrency,
                     [] { return std::make_unique<CConvertCurrencyView>(); });
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
    // ---- security, settings, appearance, about and help ----
    catalog.Register(shell::kViewSetPassword, [] { return std::make_unique<CSetPasswordView>(); });
    catalog.Register(shell::kViewSecurityOptions,
                     [] { return std::make_unique<CSecurityOptionsView>(); });
    catalog.Register(shell::kViewPasswordPrompt,
                     [] { return std::make_unique<CPasswordPromptView>(); });
    catalog.Register(shell::kViewAbout, [] { return std::make_unique<CAboutView>(); });
    catalog.Register(shell::kViewPreferences, [] { return std::make_unique<CPreferenceView>(); });
    for (int view :
         {shell::kViewFont, shell::kViewColumns, shell::kViewReportFont, shell::kViewBudgetFont}) {
        catalog.Register(view, [] { return std::make_unique<CFontView>(); });
    }
    catalog.Register(shell::kViewChooseColour, [] { return std::make_unique<CChooseColorView>(); });
    shell::CCVApplication::Instance().SetUnlockPrompt(&CUnlockPrompt::Run);
    shell::CCVApplication::Instance().SetHelpViewer(&CHelpViewer::Show);
    // online banking: download, review, set-up, password change, import
    catalog.Register(shell::kViewOnlineSummary,
                     [] { return std::make_unique<COnlineSummaryView>(); });
    catalog.Register(shell::kViewReviewTransaction,
                     [] { return std::make_unique<CReviewTransactionView>(); });
    catalog.Register(shell::kViewMatchTransaction,
                     [] { return std::make_unique<CMatchTransactionView>(); });
    catalog.Register(shell::kViewOnlineSetup, [] { return std::make_unique<COnlineSetupView>(); });
    catalog.Register(shell::kViewSelectBank, [] { return std::make_unique<CSelectBankView>(); });
    catalog.Register(shell::kViewSelectAccount,
                     [] { return std::make_unique<CSelectAccountView>(); });
    catalog.Register(shell::kViewOnlineAccountInfo,
                     [] { return std::make_unique<COnlineAccountInfoView>(); });
    catalog.Register(shell::kViewChangeOnlinePassword,
                     [] { return std::make_unique<CChangeOnlinePasswordView>(); });
    catalog.Register(shell::kViewImportAccounts,
                     [] { return std::make_unique<CImportAccountsView>(); });
    // scheduled transactions and reminders
    catalog.Register(shell::kViewScheduled, [] { return std::make_unique<CScheduledListView>(); });
    catalog.Register(shell::kViewUpcoming, [] { return std::make_unique<CUpcomingListView>(); });
    catalog.Register(shell::kViewChangeRepeat,
                     [] { return std::make_unique<CChangeRepeatView>(); });
    catalog.Register(shell::kViewReminder, [] { return std::make_unique<CReminderView>(); });
}

}  // namespace views
