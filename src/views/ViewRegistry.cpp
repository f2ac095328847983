#include "views/ViewRegistry.h"

#include <memory>

#include "shell/CViewCatalog.h"
#include "shell/ViewNumbers.h"
#include "views/accounts/CAccountInfoView.h"
#include "views/accounts/CChooseIconView.h"
#include "views/accounts/CEditAccountsView.h"
#include "views/lists/CCommonAddEditView.h"
#include "views/lists/CListEditorView.h"
#include "views/operations/CAdjustBalanceView.h"
#include "views/operations/CPurgeView.h"
#include "views/operations/CReconcileListView.h"
#include "views/operations/CReconcileSetupView.h"
#include "views/operations/CTransferFundsView.h"
#include "views/register/CRegisterView.h"
#include "views/summary/CAccountsSummaryView.h"
// the transaction editor, the split screens, the memo and currency conversion
#include "views/convert/CConvertCurrencyView.h"
#include "views/editor/CEditTransactionsView.h"
#include "views/memo/CEditMemoView.h"
#include "views/splits/CSplitLineEditView.h"
#include "views/splits/CSplitTransactionView.h"
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
    // scheduled transactions and reminders
    catalog.Register(shell::kViewScheduled, [] { return std::make_unique<CScheduledListView>(); });
    catalog.Register(shell::kViewUpcoming, [] { return std::make_unique<CUpcomingListView>(); });
    catalog.Register(shell::kViewChangeRepeat,
                     [] { return std::make_unique<CChangeRepeatView>(); });
    catalog.Register(shell::kViewReminder, [] { return std::make_unique<CReminderView>(); });
}

}  // namespace views
