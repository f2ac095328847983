#include "views/ViewRegistry.h"

#include <memory>

#include "shell/CViewCatalog.h"
#include "shell/ViewNumbers.h"
#include "views/lists/CCommonAddEditView.h"
#include "views/register/CRegisterView.h"
#include "views/summary/CAccountsSummaryView.h"
// the transaction editor, the split screens, the memo and currency conversion
#include "views/convert/CConvertCurrencyView.h"
#include "views/editor/CEditTransactionsView.h"
#include "views/memo/CEditMemoView.h"
#include "views/splits/CSplitLineEditView.h"
#include "views/splits/CSplitTransactionView.h"

namespace views {

void RegisterViews(shell::CViewCatalog& catalog) {
    catalog.Register(shell::kViewAccountsSummary,
                     [] { return std::make_unique<CAccountsSummaryView>(); });
    catalog.Register(shell::kViewRegister, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFindResults, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFind, [] { return std::make_unique<CCommonAddEditView>(); });
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
}

}  // namespace views
