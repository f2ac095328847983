#include "views/online/COnlineAccountInfoView.h"

#include <algorithm>

#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CHandBack.h"
#include "shell/online/COnlinePayload.h"

namespace views {
namespace {

enum FieldId : int { kTypeId = 100, kNumberId, kRoutingId };
constexpr int kNumberLimit = 20;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame COnlineAccountInfoView::Describe(ui::LPARAM) {
    return Frame{L"OnlineAccountInfo", Text(res::IDS_ONLINE_ACCOUNT_INFO_TITLE),
                 res::IDM_SELECT_DONE_CANCEL};
}

bool COnlineAccountInfoView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    auto* handed = dynamic_cast<shell::COnlinePayload<COnlineSetup::WorkingCopy>*>(payload.get());
    if (handed == nullptr) return false;
    m_copy = handed->Value();
    std::vector<std::wstring> types;
    const std::vector<std::uint8_t>& online = COnlineSetup::OnlineTypes();
    for (std::size_t i = 0; i < online.size(); ++i) {
        types.push_back(Text(COnlineSetup::OnlineTypeNameId(i)));
    }
    const auto at = std::find(online.begin(), online.end(), m_copy.accountType);
    m_type = AddSpinnerRow(Text(res::IDS_LABEL_ONLINE_TYPE), kTypeId, types,
                           at == online.end() ? 0 : static_cast<int>(at - online.begin()));
    m_number = AddEditRow(Text(res::IDS_LABEL_ONLINE_ACCOUNT_NUMBER), kNumberId, kNumberLimit,
                          ui::ES_NUMBER);
    m_routing =
        AddEditRow(Text(res::IDS_LABEL_ROUTING_NUMBER), kRoutingId, kNumberLimit, ui::ES_NUMBER);
    if (m_type == nullptr || m_number == nullptr || m_routing == nullptr) return false;
    ui::SetFocus(m_type);
    return true;
}

void COnlineAccountInfoView::Done() {
    COnlineSetup setup(*Model().GetAccountList());
    const res::StringId refusal =
        setup.EnterDetails(m_copy, static_cast<std::size_t>(std::max(0, SpinnerIndex(m_type))),
                           CCVUIUtility::NarrowCopy(FieldText(m_number)),
                           CCVUIUtility::NarrowCopy(FieldText(m_routing)));
    if (refusal != res::IDS_NONE) {
        Ask(refusal, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    shell::CCVApplication::Instance().HandBack().Give(
        shell::HandBackKind::kBankAndAccount,
        std::make_unique<shell::CHandBackOf<COnlineSetup::WorkingCopy>>(m_copy));
    PostBack(0);
}

bool COnlineAccountInfoView::OnCommand(int id) {
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
