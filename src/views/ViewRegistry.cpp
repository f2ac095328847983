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
}

}  // namespace views
