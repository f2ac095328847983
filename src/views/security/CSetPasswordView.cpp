#include "views/security/CSetPasswordView.h"

#include "model/CPasswordLock.h"
#include "model/CVModel.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "storage/CCVPassword.h"

namespace views {
namespace {

constexpr int kPasswordLimit = 32;
constexpr int kIdOld = 1;
constexpr int kIdNew = 2;
constexpr int kIdConfirm = 3;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CSetPasswordView::Describe(ui::LPARAM) {
    return Frame{L"SetPassword", Text(res::IDS_SET_PASSWORD_TITLE), res::IDM_SET_PASSWORD};
}

bool CSetPasswordView::OnCreate(ui::LPARAM) {
    if (Model().PasswordState() == CCVPassword::kPasswordSet) {
        m_old = AddEditField(Text(res::IDS_OLD_PASSWORD), kIdOld, kPasswordLimit, ui::ES_PASSWORD);
        if (m_old == nullptr) return false;
    }
    m_new = AddEditField(Text(res::IDS_NEW_PASSWORD), kIdNew, kPasswordLimit, ui::ES_PASSWORD);
    m_confirm =
        AddEditField(Text(res::IDS_CONFIRM_PASSWORD), kIdConfirm, kPasswordLimit, ui::ES_PASSWORD);
    return m_new != nullptr && m_confirm != nullptr;
}

bool CSetPasswordView::OnCommand(int id) {
    switch (id) {
        case res::IDC_SET_PASSWORD_DONE:
            Done();
            return true;
        case res::IDC_SET_PASSWORD_CANCEL:
            PostBack();
            return true;
        default:
            return false;
    }
}

void CSetPasswordView::Done() {
    const std::string old = m_old != nullptr ? CCVUIUtility::NarrowCopy(FieldText(m_old)) : "";
    const EditOutcome outcome =
        CPasswordLock::Change(Model(), old, CCVUIUtility::NarrowCopy(FieldText(m_new)),
                              CCVUIUtility::NarrowCopy(FieldText(m_confirm)));
    if (!outcome.IsDone()) {
        Ask(outcome.message, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    PostBack();
}

}  // namespace views
