#include "views/security/CSecurityOptionsView.h"

#include <algorithm>

#include "model/CPasswordLock.h"
#include "model/CVModel.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kIdDelay = 1;
constexpr int kMargin = 1;
constexpr int kNoteRows = 3;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CSecurityOptionsView::Describe(ui::LPARAM) {
    return Frame{L"SecurityOptions", Text(res::IDS_SECURITY_TITLE), res::IDM_SECURITY_OPTIONS};
}

bool CSecurityOptionsView::OnCreate(ui::LPARAM) {
    const int width = std::max(1, ClientRect().Width() - 2 * kMargin);
    m_label = AddLabel(Text(res::IDS_LOCK_ON_EXIT), ui::RECT{kMargin, 1, kMargin + width, 2});
    m_delay = AddField(L"LISTBOX", 0, ui::RECT{kMargin, 2, kMargin + width, 3}, kIdDelay);
    auto* spinner = ui::GetControl<ui::CSpinner>(m_delay);
    if (spinner == nullptr) return false;
    for (std::uint32_t i = 0; i < CPasswordLock::kDelayCount; ++i) {
        spinner->AddString(Text(res::NthStringId(res::IDS_LOCK_DELAY_FIRST, static_cast<int>(i),
                                                 CPasswordLock::kDelayCount)));
    }
    const std::uint32_t stored = Model().GetPreferences().GetLockTime();
    spinner->SetCurSel(stored < CPasswordLock::kDelayCount ? static_cast<int>(stored) : 0);
    m_note = AddLabel(Text(res::IDS_IDLE_LOCK_NOTE),
                      ui::RECT{kMargin, 4, kMargin + width, 4 + kNoteRows});
    return true;
}

void CSecurityOptionsView::OnSize(int width, int) {
    const int inner = std::max(1, width - 2 * kMargin);
    ui::MoveWindow(m_label, kMargin, 1, inner, 1);
    ui::MoveWindow(m_delay, kMargin, 2, inner, 1);
    ui::MoveWindow(m_note, kMargin, 4, inner, kNoteRows);
}

bool CSecurityOptionsView::OnCommand(int id) {
    switch (id) {
        case res::IDC_SECURITY_OK:
            Ok();
            return true;
        case res::IDC_SECURITY_CANCEL:
            PostBack();
            return true;
        default:
            return false;
    }
}

void CSecurityOptionsView::Ok() {
    const auto* spinner = ui::GetControl<ui::CSpinner>(m_delay);
    const int selected = spinner != nullptr ? spinner->GetCurSel() : 0;
    if (!CPasswordLock::SetDelay(Model().GetPreferences(),
                                 static_cast<std::uint32_t>(std::max(selected, 0)), ::Now())) {
        Ask(res::IDS_LOCK_NOT_STORED, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    shell::CCVApplication::Instance().RestartIdleLock();
    PostBack();
}

}  // namespace views
