#include "views/memo/CEditMemoView.h"

#include "model/CMemoText.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

constexpr int kFieldId = 1;
constexpr int kMargin = 1;

}  // namespace

shell::CCVView::Frame CEditMemoView::Describe(ui::LPARAM) {
    return Frame{L"EditMemo", std::wstring(res::LoadString(res::IDS_MEMO_TITLE)), res::IDM_MEMO};
}

bool CEditMemoView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    if (const auto* request = dynamic_cast<const shell::CMemoRequest*>(payload.get())) {
        m_request.memo = request->memo;
        m_request.capacity = request->capacity;
        m_loaded = true;
    }
    const ui::RECT client = ClientRect();
    m_field = AddField(L"EDIT", ui::ES_MULTILINE | ui::ES_WANTRETURN,
                       ui::RECT{kMargin, kMargin, client.right - kMargin, client.bottom - kMargin},
                       kFieldId, CCVUIUtility::WideCopy(CMemoText::ToField(m_request.memo)));
    if (m_field == nullptr) return false;
    // The field's own limit keeps typing within what the memo holds; a line break stored as two
    // characters is checked on "Done".
    if (auto* edit = ui::GetControl<ui::CEdit>(m_field)) {
        edit->SetLimit(static_cast<int>(m_request.capacity));
    }
    ui::SetFocus(m_field);
    return true;
}

void CEditMemoView::OnShown() {
    if (!m_loaded) PostBack(0);
}

void CEditMemoView::OnSize(int width, int height) {
    ui::MoveWindow(m_field, kMargin, kMargin, std::max(1, width - 2 * kMargin),
                   std::max(1, height - 2 * kMargin));
}

bool CEditMemoView::OnCommand(int id) {
    switch (id) {
        case res::IDC_MEMO_DONE: {
            const std::string field = CCVUIUtility::NarrowCopy(ui::GetWindowText(m_field));
            const EditOutcome check = CMemoText::Check(field, m_request.capacity);
            if (!check.IsDone()) {
                Ask(check.message, ui::MB_OK | ui::MB_ICONEXCLAMATION);
                return true;
            }
            auto value = std::make_unique<shell::CMemoRequest>();
            value->memo = CMemoText::ToStored(field);
            value->capacity = m_request.capacity;
            shell::CCVApplication::Instance().HandBack().Give(shell::HandBackKind::kMemo,
                                                              std::move(value));
            PostBack(0);
            return true;
        }
        case res::IDC_MEMO_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
