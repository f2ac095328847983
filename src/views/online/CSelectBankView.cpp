#include "views/online/CSelectBankView.h"

#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "online/CFiList.h"
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

shell::CCVView::Frame CSelectBankView::Describe(ui::LPARAM) {
    return Frame{L"SelectBank", std::wstring(res::LoadString(res::IDS_SELECT_BANK_TITLE)),
                 res::IDM_SELECT_DONE_CANCEL};
}

bool CSelectBankView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    auto* handed = dynamic_cast<shell::COnlinePayload<COnlineSetup::WorkingCopy>*>(payload.get());
    if (handed == nullptr) return false;
    m_copy = handed->Value();
    auto* banks = dynamic_cast<CFiList*>(Model().GetAccountList()->GetInstitutionList());
    if (banks == nullptr) return false;
    const ui::RECT client = ClientRect();
    m_list = AddField(L"SysListView32", 0, ui::RECT{0, 0, client.right, client.bottom}, kListId);
    auto* list = ui::GetControl<ui::CListView>(m_list);
    if (list == nullptr) return false;
    list->InsertColumn(0, std::wstring(res::LoadString(res::IDS_COLUMN_BANK_NAME)), client.Width());
    int selected = -1;
    for (std::uint32_t i = 0; i < banks->Count(); ++i) {
        const CFiItem* bank = banks->At(i);
        const int row =
            list->InsertItem(static_cast<int>(i), CCVUIUtility::WideCopy(bank->GetName()));
        if (bank->FiId() == m_copy.fiId) selected = row;
    }
    list->SetSelection(selected >= 0 ? selected : (banks->Count() > 0 ? 0 : -1));
    ui::SetFocus(m_list);
    return true;
}

void CSelectBankView::Choose() {
    const auto* list = ui::GetControl<ui::CListView>(m_list);
    const int row = list != nullptr ? list->GetSelection() : -1;
    if (row < 0) return;
    COnlineSetup setup(*Model().GetAccountList());
    if (!setup.ChooseBank(m_copy, CCVUIUtility::NarrowCopy(list->GetItemText(row, 0)).c_str())) {
        return;
    }
    shell::CCVApplication::Instance().HandBack().Give(
        shell::HandBackKind::kBankAndAccount,
        std::make_unique<shell::CHandBackOf<COnlineSetup::WorkingCopy>>(m_copy));
    PostBack(0);
}

bool CSelectBankView::OnCommand(int id) {
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

ui::LRESULT CSelectBankView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Choose();
    return 0;
}

}  // namespace views
