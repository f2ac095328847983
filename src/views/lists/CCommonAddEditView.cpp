#include "views/lists/CCommonAddEditView.h"

#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

constexpr int kFieldId = 100;
constexpr int kLeftSoftKey = 0;

}  // namespace

shell::CCVView::Frame CCommonAddEditView::Describe(ui::LPARAM) {
    return Frame{L"CommonAddEdit", std::wstring(res::LoadString(res::IDS_FIND_TITLE)),
                 res::IDM_COMMON_ADD_EDIT};
}

bool CCommonAddEditView::OnCreate(ui::LPARAM) {
    const CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return false;
    m_field = AddEditField(std::wstring(res::LoadString(res::IDS_FIND_TITLE)), kFieldId, kFindLimit,
                           0, CCVUIUtility::WideCopy(account->GetSearchText()));
    if (m_field == nullptr) return false;
    if (auto* bar = ui::GetControl<ui::CSoftKeyBar>(ui::GetSoftKeyBar(Window()))) {
        bar->SetKeyLabel(kLeftSoftKey, std::wstring(res::LoadString(res::IDS_FIND_TITLE)));
    }
    ui::SetFocus(m_field);
    return true;
}

bool CCommonAddEditView::Find() {
    const std::wstring text = FieldText(m_field);
    if (text.empty()) {
        Ask(res::IDS_INVALID_NAME, ui::MB_OK | ui::MB_ICONWARNING);
        return false;
    }
    CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return false;
    account->Find(account->GetFilter(), CCVUIUtility::NarrowCopy(text).c_str());
    return true;
}

bool CCommonAddEditView::OnCommand(int id) {
    switch (id) {
        case res::IDC_ADD_EDIT_DONE:
            if (Find()) Navigate(res::IDC_ADD_EDIT_DONE);
            return true;
        case res::IDC_ADD_EDIT_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
