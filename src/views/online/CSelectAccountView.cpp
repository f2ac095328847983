#include "views/online/CSelectAccountView.h"

#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "platform/ui/CListView.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CHandBack.h"
#include "shell/online/COnlinePayload.h"

namespace views {
namespace {

constexpr int kListId = 1;

}  // namespace

shell::CCVView::Frame CSelectAccountView::Describe(ui::LPARAM) {
    return Frame{L"SelectAccount", std::wstring(res::LoadString(res::IDS_SELECT_ACCOUNT_TITLE)),
                 res::IDM_SELECT_DONE_CANCEL};
}

bool CSelectAccountView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    auto* handed = dynamic_cast<shell::COnlinePayload<COnlineSetup::WorkingCopy>*>(payload.get());
    if (handed == nullptr) return false;
    m_copy = handed->Value();
    const ui::RECT client = ClientRect();
    m_list = AddField(L"SysListView32", 0, ui::RECT{0, 0, client.right, client.bottom}, kListId);
    auto* list = ui::GetControl<ui::CListView>(m_list);
    if (list == nullptr) return false;
    const int half = client.Width() / 2;
    list->InsertColumn(0, std::wstring(res::LoadString(res::IDS_COLUMN_ACCOUNT_TYPE)), half);
    list->InsertColumn(1, std::wstring(res::LoadString(res::IDS_COLUMN_ONLINE_ACCOUNT_NUMBER)),
                       client.Width() - half);
    int selected = m_copy.reported.empty() ? -1 : 0;
    for (std::size_t i = 0; i < m_copy.reported.size(); ++i) {
        const COnlineSetup::Reported& reported = m_copy.reported[i];
        const int row = list->InsertItem(
            static_cast<int>(i),
            std::wstring(res::LoadString(CCVAccount::AccountTypeNameId(reported.accountType))));
        list->SetItemText(row, 1, CCVUIUtility::WideCopy(reported.accountNumber));
        if (reported.accountNumber == m_copy.accountNumber) selected = row;
    }
    list->SetSelection(selected);
    ui::SetFocus(m_list);
    return true;
}

void CSelectAccountView::Choose() {
    const auto* list = ui::GetControl<ui::CListView>(m_list);
    const int row = list != nullptr ? list->GetSelection() : -1;
    if (row < 0) return;
    COnlineSetup setup(*Model().GetAccountList());
    if (const res::StringId refusal = setup.ChooseReported(m_copy, static_cast<std::size_t>(row));
        refusal != res::IDS_NONE) {
        Ask(refusal, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    shell::CCVApplication::Instance().HandBack().Give(
        shell::HandBackKind::kBankAndAccount,
        std::make_unique<shell::CHandBackOf<COnlineSetup::WorkingCopy>>(m_copy));
    PostBack(0);
}

bool CSelectAccountView::OnCommand(int id) {
    switch (id) {
        case res::IDC_OPERATION_DONE:
            Choose();
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

ui::LRESULT CSelectAccountView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Choose();
    return 0;
}

}  // namespace views
