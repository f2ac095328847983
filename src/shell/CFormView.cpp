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

int CFormView::LabelRow(std::size_t index) const {
    int top = m_heading.empty() ? kMargin : kMargin + 2;
    for (std::size_t i = 0; i < index && i < m_rows.size(); ++i) {
        top += m_rows[i].label != nullptr ? kRowsPerField : kRowsPerField - 1;
    }
    return top;
}

ui::HWND CFormView::AddEditField(const std::wstring& label, int id, int limit, ui::DWORD style,
                                 const std::wstring& text) {
    const ui::HWND field = AddFormField(label, L"EDIT", id, style, text);
    if (auto* edit = ui::GetControl<ui::CEdit>(field)) edit->SetLimit(limit);
    return field;
}

ui::HWND CFormView::AddFormField(const std::wstring& label, const wchar_t* className, int id,
                                 ui::DWORD style, const std::wstring& text) {
    const int top = LabelRow(m_rows.size());
    const int width = FieldWidth(ClientRect().right);
    Row row;
    if (!label.empty()) {
        row.label = AddLabel(label, ui::RECT{kMargin, top, kMargin + width, top + 1});
    }
    const int fieldTop = row.label != nullptr ? top + 1 : top;
    row.field = AddField(className, style,
                         ui::RECT{kMargin, fieldTop, kMargin + width, fieldTop + 1}, id, text);
    if (row.field == nullptr) return nullptr;
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
        const int top = LabelRow(i);
        const bool labelled = m_rows[i].label != nullptr;
        if (labelled) ui::MoveWindow(m_rows[i].label, kMargin, top, FieldWidth(width), 1);
        ui::MoveWindow(m_rows[i].field, kMargin, labelled ? top + 1 : top, FieldWidth(width), 1);
    }
}

}  // namespace shell
