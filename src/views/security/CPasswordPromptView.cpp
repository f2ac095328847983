#include "views/security/CPasswordPromptView.h"

#include "model/CPasswordLock.h"
#include "model/CVModel.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVProgram.h"
#include "shell/CCVUIUtility.h"
#include "storage/DateTime.h"
#include "views/security/CUnlockLayout.h"

namespace views {

shell::CCVView::Frame CPasswordPromptView::Describe(ui::LPARAM) {
    return Frame{L"SetPassword", std::wstring(res::LoadString(res::IDS_UNLOCK_TITLE)),
                 res::IDM_PASSWORD_PROMPT};
}

bool CPasswordPromptView::OnCreate(ui::LPARAM) {
    const ui::RECT field = CUnlockLayout::FieldRect(ClientRect());
    m_password = AddField(L"EDIT", ui::ES_PASSWORD, field, CUnlockLayout::kFieldId);
    if (m_password == nullptr) return false;
    if (auto* edit = ui::GetControl<ui::CEdit>(m_password)) edit->SetLimit(CUnlockLayout::kLimit);
    CUnlockLayout::SubmitOnActionKey(m_password, res::IDC_PASSWORD_PROMPT_DONE);
    return true;
}

void CPasswordPromptView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    CUnlockLayout::Paint(dc, client);
}

void CPasswordPromptView::OnSize(int width, int height) {
    const ui::RECT field = CUnlockLayout::FieldRect(ui::RECT{0, 0, width, height});
    ui::MoveWindow(m_password, field.left, field.top, field.Width(), field.Height());
}

bool CPasswordPromptView::OnCommand(int id) {
    if (id == res::IDC_PASSWORD_PROMPT_DONE) {
        Done();
        return true;
    }
    return true;  // nothing else leads away from the prompt
}

void CPasswordPromptView::Done() {
    const EditOutcome outcome =
        CPasswordLock::Unlock(Model(), CCVUIUtility::NarrowCopy(ui::GetWindowText(m_password)));
    if (!outcome.IsDone()) {
        ui::SetWindowText(m_password, L"");
        Ask(outcome.message, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    shell::CCVProgram::LoadDataAndOpenSummary();
    CPasswordLock::Rearm(Model().GetPreferences(), ::Now());
}

}  // namespace views
