#include "shell/CFormView.h"

#include "platform/ui/CEdit.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVUIUtility.h"

namespace shell {
namespace {

constexpr int kMargin = 1;
constexpr int kRowsPerField = 3;  // the label, the field, a blank row

int FieldWidth(int clientWidth) {
    return std::max(1, clientWidth - 2 * kMargin);
}

}  // namespace

int CFormView::LabelRow(int index) const {
    const int first = m_heading.empty() ? kMargin : kMargin + 2;
    return first + index * kRowsPerField;
}

ui::HWND CFormView::AddEditField(const std::wstring& label, int id, int limit, ui::DWORD style,
                                 const std::wstring& text) {
    const int top = LabelRow(static_cast<int>(m_rows.size()));
    const int width = FieldWidth(ClientRect().right);
    Row row;
    row.label = AddLabel(label, ui::RECT{kMargin, top, kMargin + width, top + 1});
    row.field =
        AddField(L"EDIT", style, ui::RECT{kMargin, top + 1, kMargin + width, top + 2}, id, text);
    if (row.field == nullptr) return nullptr;
    if (auto* edit = ui::GetControl<ui::CEdit>(row.field)) edit->SetLimit(limit);
    m_rows.push_back(row);
    return row.field;
}

std::wstring CFormView::FieldText(ui::HWND field) {
    return ui::GetWindowText(field);
}

void CFormView::OnPaint(ui::CDeviceContext& dc, const ui::RECT&) {
    if (!m_heading.empty()) CCVUIUtility::Instance().DrawHeading(dc, m_heading);
}

void CFormView::OnSize(int width, int) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int top = LabelRow(static_cast<int>(i));
        ui::MoveWindow(m_rows[i].label, kMargin, top, FieldWidth(width), 1);
        ui::MoveWindow(m_rows[i].field, kMargin, top + 1, FieldWidth(width), 1);
    }
}

}  // namespace shell
