#include "views/online/CImportAccountsView.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "online/CAccountImport.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/OnlineMessageStyle.h"
#include "shell/SaveChanges.h"

namespace views {
namespace {

enum FieldId : int { kFromId = 100, kIntoId, kNameId };

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CImportAccountsView::Describe(ui::LPARAM) {
    return Frame{L"ImportAccounts", Text(res::IDS_IMPORT_TITLE), res::IDM_IMPORT_ACCOUNTS};
}

bool CImportAccountsView::OnCreate(ui::LPARAM) {
    if (Model().GetImportList() == nullptr || Model().GetAccountList() == nullptr) return false;
    m_from = AddSpinnerRow(Text(res::IDS_IMPORT_FROM), kFromId, {}, -1);
    m_into = AddSpinnerRow(Text(res::IDS_IMPORT_INTO), kIntoId, {}, -1);
    m_name = AddEditRow(Text(res::IDS_IMPORT_NAME), kNameId,
                        static_cast<int>(CAccountImport::kMaxNewName));
    if (m_from == nullptr || m_into == nullptr || m_name == nullptr) return false;
    Fill();
    ui::SetFocus(m_from);
    return true;
}

void CImportAccountsView::Fill() {
    CCVAccountList& imports = *Model().GetImportList();
    CCVAccountList& accounts = *Model().GetAccountList();
    if (auto* from = ui::GetControl<ui::CSpinner>(m_from)) {
        from->ResetContent();
        for (std::uint32_t i = 0; i < imports.Count(); ++i) {
            from->AddString(CCVUIUtility::WideCopy(imports.At(i)->GetName()));
        }
        from->SetCurSel(imports.Count() > 0 ? 0 : -1);
    }
    if (auto* into = ui::GetControl<ui::CSpinner>(m_into)) {
        into->ResetContent();
        for (std::uint32_t i = 0; i < accounts.Count(); ++i) {
            into->AddString(CCVUIUtility::WideCopy(accounts.At(i)->GetName()));
        }
        into->AddString(Text(res::IDS_IMPORT_NEW_ACCOUNT));
        into->SetCurSel(0);
    }
    ui::SetWindowText(m_name, L"");
    ShowNameField();
    Repaint();
}

bool CImportAccountsView::IntoNewAccount() const {
    return SpinnerIndex(m_into) >= static_cast<int>(Model().GetAccountList()->Count());
}

void CImportAccountsView::ShowNameField() {
    // The name is asked only for a new account.
    ui::EnableWindow(m_name, IntoNewAccount());
}

ui::LRESULT CImportAccountsView::OnMessage(ui::UINT message, ui::WPARAM, ui::LPARAM,
                                           bool& handled) {
    handled = message == ui::WM_CV_VALUE_CHANGED;
    if (handled) ShowNameField();
    return 0;
}

void CImportAccountsView::ImportNow() {
    const int source = SpinnerIndex(m_from);
    if (source < 0) return;
    CCVAccountList& accounts = *Model().GetAccountList();
    CCVAccount* target = IntoNewAccount() ? nullptr : accounts.At(SpinnerIndex(m_into));
    const std::string name = CCVUIUtility::NarrowCopy(FieldText(m_name));
    CAccountImport import(accounts, *Model().GetImportList());
    const CAccountImport::Outcome outcome = import.ImportNow(source, target, name.c_str());
    if (outcome.message != res::IDS_NONE) {
        Ask(outcome.message, OnlineMessageStyle(outcome.style), sys::Utf8ToWide(outcome.text));
    }
    if (outcome.result != 0) {
        if (IntoNewAccount()) FocusField(m_name);
        return;
    }
    shell::SaveModelChanges(Window());
    if (!outcome.itemsLeft) {
        PostBack(0);
        return;
    }
    Fill();
    FocusField(m_from);
}

bool CImportAccountsView::OnCommand(int id) {
    switch (id) {
        case res::IDC_IMPORT_NOW:
            ImportNow();
            return true;
        case res::IDC_IMPORT_LATER:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
