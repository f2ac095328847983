#include "views/ViewRegistry.h"

#include <memory>

#include "shell/CViewCatalog.h"
#include "shell/ViewNumbers.h"
#include "views/lists/CCommonAddEditView.h"
#include "views/register/CRegisterView.h"
#include "views/summary/CAccountsSummaryView.h"
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

namespace views {

void RegisterViews(shell::CViewCatalog& catalog) {
    catalog.Register(shell::kViewAccountsSummary,
                     [] { return std::make_unique<CAccountsSummaryView>(); });
    catalog.Register(shell::kViewRegister, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFindResults, [] { return std::make_unique<CRegisterView>(); });
    catalog.Register(shell::kViewFind, [] { return std::make_unique<CCommonAddEditView>(); });
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
}

}  // namespace views
