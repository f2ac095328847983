#include "shell/CFormView.h"

#include "platform/ui/CEdit.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVUIUtility.h"

namespace shell {
namespace {

constexpr int kMargin = 1;
constexpr int kRowsPerField = 3;  // the label, the field, a blank row

}  // namespace

int CFormView::NextRow() const {
    const int first = m_heading.empty() ? kMargin : kMargin + 2;
    return first + static_cast<int>(m_rows.size()) * kRowsPerField;
}

ui::HWND CFormView::AddEditField(const std::wstring& label, int id, int limit, ui::DWORD style,
                                 const std::wstring& text) {
    const ui::RECT client = ClientRect();
    const int top = NextRow();
    const int width = std::max(1, client.right - 2 * kMargin);
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
    const int fieldWidth = std::max(1, width - 2 * kMargin);
    int top = m_heading.empty() ? kMargin : kMargin + 2;
    for (const Row& row : m_rows) {
        ui::MoveWindow(row.label, kMargin, top, fieldWidth, 1);
        ui::MoveWindow(row.field, kMargin, top + 1, fieldWidth, 1);
        top += kRowsPerField;
    }
}

}  // namespace shell
