#include "views/online/CChangeOnlinePasswordView.h"

#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/SaveChanges.h"
#include "shell/online/COnlinePayload.h"
#include "shell/online/COnlineSession.h"

namespace views {
namespace {

enum FieldId : int { kOldId = 100, kNewId, kConfirmId };
constexpr int kPasswordLimit = 32;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CChangeOnlinePasswordView::Describe(ui::LPARAM) {
    return Frame{L"ChangeOnlinePassword", Text(res::IDS_CHANGE_PASSWORD_TITLE),
                 res::IDM_DONE_CANCEL_PROMPT};
}

bool CChangeOnlinePasswordView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    auto* criteria = dynamic_cast<shell::COnlinePayload<COnlinePassword::Criteria>*>(payload.get());
    if (criteria == nullptr || Model().GetCurrentAccount() == nullptr) return false;
    m_criteria = criteria->Value();
    SetHeading(Text(res::IDS_CHANGE_PASSWORD_INTRO) + L" " + Text(res::IDS_CHANGE_PASSWORD_NOTE));
    m_old = AddEditRow(Text(res::IDS_LABEL_OLD_PASSWORD), kOldId, kPasswordLimit, ui::ES_PASSWORD);
    m_new = AddEditRow(Text(res::IDS_LABEL_NEW_PASSWORD), kNewId, kPasswordLimit, ui::ES_PASSWORD);
    m_confirm = AddEditRow(Text(res::IDS_LABEL_CONFIRM_PASSWORD), kConfirmId, kPasswordLimit,
                           ui::ES_PASSWORD);
    if (m_old == nullptr || m_new == nullptr || m_confirm == nullptr) return false;
    ui::SetFocus(m_old);
    return true;
}

void CChangeOnlinePasswordView::Done() {
    CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return;
    int rc = 1;
    {
        shell::COnlineSession session(Window());
        COnlinePassword password(*Model().GetAccountList(), session.Progress(), session);
        rc = password.Change(*account, m_criteria, FieldText(m_old), FieldText(m_new),
                             FieldText(m_confirm));
    }
    if (rc != 0) return;
    // The stored passwords that followed the change reach the account files.
    shell::SaveModelChanges(Window());
    PostBack(0);
}

bool CChangeOnlinePasswordView::OnCommand(int id) {
    switch (id) {
        case res::IDC_OPERATION_DONE:
            Done();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
