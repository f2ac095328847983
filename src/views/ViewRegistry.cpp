#include "views/ViewRegistry.h"

#include <memory>

#include "shell/CViewCatalog.h"
#include "shell/ViewNumbers.h"
#include "views/lists/CCommonAddEditView.h"
#include "views/register/CRegisterView.h"
#include "views/summary/CAccountsSummaryView.h"

namespace views {

void RegisterViews(shell::CViewCatalog& catalog) {
    catalog.Register(shell::kViewAccountsSummary,
                     [] { return std::make_unique<CAccountsSummaryView>(); });
    catalog.Register(shell::kViewRegister, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFindResults, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFind, [] { return std::make_unique<CCommonAddEditView>(); });
}

}  // namespace views
