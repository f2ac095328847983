#include "views/settings/CChooseColorView.h"

#include <algorithm>

#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace views {
namespace {

constexpr int kSwatchWidth = 6;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

res::StringId TargetText(shell::CColourSetting::Target target) {
    switch (target) {
        case shell::CColourSetting::kReportRows:
            return res::IDS_COLOR_FOR_REPORTS;
        case shell::CColourSetting::kBudgetRows:
            return res::IDS_COLOR_FOR_BUDGETS;
        default:
            return res::IDS_COLOR_FOR_REGISTER;
    }
}

}  // namespace

shell::CCVView::Frame CChooseColorView::Describe(ui::LPARAM) {
    return Frame{L"ChooseColorView", Text(res::IDS_COLOR_TITLE), res::IDM_SETTINGS_FORM};
}

bool CChooseColorView::OnCreate(ui::LPARAM param) {
    if (!shell::CColourSetting::IsTarget(static_cast<int>(param))) return false;
    m_target = static_cast<shell::CColourSetting::Target>(param);
    if (m_target == shell::CColourSetting::kRegisterRows &&
        Model().GetCurrentAccount() == nullptr) {
        return false;
    }
    const ui::COLORREF current = shell::CColourSetting::Read(Model(), m_target);
    const auto palette = shell::CColourSetting::Palette();
    m_swatches.assign(palette.begin(), palette.end());
    auto found = std::find_if(m_swatches.begin(), m_swatches.end(),
                              [current](const auto& swatch) { return swatch.colour == current; });
    if (found == m_swatches.end()) {
        // A colour of its own (the light blue of a new account, say) stays on offer.
        found = m_swatches.insert(m_swatches.begin() + 1,
                                  shell::CColourSetting::Swatch{current, res::IDS_COLOR_CURRENT});
    }
    if (!CreateList(true)) return false;
    ListControl()->InsertColumn(0, Text(TargetText(m_target)), 10);
    SetRowCount(static_cast<int>(m_swatches.size()));
    LayoutColumns(ClientRect().Width());
    Select(static_cast<int>(found - m_swatches.begin()));
    ui::SetFocus(List());
    return true;
}

void CChooseColorView::LayoutColumns(int width) {
    if (ui::CListView* list = ListControl(); list != nullptr && list->GetColumnCount() > 0) {
        list->SetColumnWidth(0, std::max(1, width));
    }
}

void CChooseColorView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                               bool focused) {
    if (row < 0 || row >= static_cast<int>(m_swatches.size())) return;
    const shell::CColourSetting::Swatch& swatch = m_swatches[static_cast<std::size_t>(row)];
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const ui::COLORREF colour =
        swatch.colour != 0 ? swatch.colour : ui::GetSysColor(ui::COLOR_WINDOW);
    dc.FillRect(ui::RECT{rect.left + 1, rect.top, rect.left + 1 + kSwatchWidth, rect.bottom},
                colour);
    ui::RECT name{rect.left + kSwatchWidth + 2, rect.top, rect.right, rect.bottom};
    dc.DrawText(Text(swatch.name), name, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
}

ui::LRESULT CChooseColorView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Done();
    return 0;
}

bool CChooseColorView::OnCommand(int id) {
    switch (id) {
        case res::IDC_SETTINGS_DONE:
            Done();
            return true;
        case res::IDC_SETTINGS_CANCEL:
            PostBack();
            return true;
        default:
            return false;
    }
}

void CChooseColorView::Done() {
    const int row = Selection();
    if (row < 0 || row >= static_cast<int>(m_swatches.size())) return;
    if (!shell::CColourSetting::Write(Model(), m_target,
                                      m_swatches[static_cast<std::size_t>(row)].colour)) {
        Ask(res::IDS_COLOR_NOT_STORED, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    PostBack();
}

}  // namespace views
