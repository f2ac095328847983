#include "shell/CLabelledFormView.h"

#include <algorithm>

#include "platform/ui/CCheckBox.h"
#include "platform/ui/CDatePicker.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVUIUtility.h"

namespace shell {
namespace {

constexpr int kMargin = 1;
constexpr int kHeadingRows = 2;  // the heading and a blank row
constexpr int kWideRowStep = 2;  // a field and a blank row

}  // namespace

ui::HWND CLabelledFormView::AddRow(const std::wstring& label, const wchar_t* className,
                                   ui::DWORD style, int id, const std::wstring& text,
                                   bool focusable) {
    Row row;
    row.labelLength = static_cast<int>(label.size());
    row.label = AddLabel(label, ui::RECT{0, 0, 1, 1});
    if (focusable) {
        row.field = AddField(className, style, ui::RECT{0, 0, 1, 1}, id, text);
    } else {
        row.field = CCVUIUtility::Instance().StaticLabel(res::IDS_NONE, text, ui::RECT{0, 0, 1, 1},
                                                         Window());
    }
    if (row.field == nullptr) return nullptr;
    m_rows.push_back(row);
    const ui::RECT client = ClientRect();
    Layout(client.right, client.bottom);
    return row.field;
}

ui::HWND CLabelledFormView::AddEditRow(const std::wstring& label, int id, int limit,
                                       ui::DWORD style, const std::wstring& text) {
    const ui::HWND field = AddRow(label, L"EDIT", style, id, text, true);
    if (auto* edit = ui::GetControl<ui::CEdit>(field)) edit->SetLimit(limit);
    return field;
}

ui::HWND CLabelledFormView::AddSpinnerRow(const std::wstring& label, int id,
                                          const std::vector<std::wstring>& entries, int selected) {
    const ui::HWND field = AddRow(label, L"LISTBOX", 0, id, L"", true);
    if (auto* spinner = ui::GetControl<ui::CSpinner>(field)) {
        for (const std::wstring& entry : entries) spinner->AddString(entry);
        spinner->SetCurSel(selected);
    }
    return field;
}

ui::HWND CLabelledFormView::AddCheckRow(const std::wstring& label, int id, bool checked,
                                        const std::wstring& text) {
    const ui::HWND field = AddRow(label, L"BUTTON", ui::BS_AUTOCHECKBOX, id, text, true);
    SetChecked(field, checked);
    return field;
}

ui::HWND CLabelledFormView::AddDateRow(const std::wstring& label, int id, DateTime date) {
    const ui::HWND field = AddRow(label, L"SysDateTimePick32", 0, id, L"", true);
    if (auto* picker = ui::GetControl<ui::CDatePicker>(field)) {
        picker->SetSystemTime(DateToSystemTime(date));
    }
    return field;
}

ui::HWND CLabelledFormView::AddValueRow(const std::wstring& label, const std::wstring& value) {
    return AddRow(label, L"STATIC", 0, 0, value, false);
}

std::wstring CLabelledFormView::FieldText(ui::HWND field) {
    return ui::GetWindowText(field);
}

int CLabelledFormView::SpinnerIndex(ui::HWND spinner) {
    const auto* control = ui::GetControl<ui::CSpinner>(spinner);
    return control != nullptr ? control->GetCurSel() : -1;
}

bool CLabelledFormView::IsChecked(ui::HWND checkBox) {
    const auto* control = ui::GetControl<ui::CCheckBox>(checkBox);
    return control != nullptr && control->IsChecked();
}

void CLabelledFormView::SetChecked(ui::HWND checkBox, bool checked) {
    if (auto* control = ui::GetControl<ui::CCheckBox>(checkBox)) control->SetChecked(checked);
}

DateTime CLabelledFormView::DateOf(ui::HWND picker) {
    const auto* control = ui::GetControl<ui::CDatePicker>(picker);
    if (control == nullptr) return 0;
    return DayBoundary(SystemTimeToDate(control->GetSystemTime()), kDayStart);
}

void CLabelledFormView::SetValue(ui::HWND value, const std::wstring& text) {
    ui::SetWindowText(value, text);
    ui::InvalidateRect(value);
}

void CLabelledFormView::FocusField(ui::HWND field) {
    if (field != nullptr) ui::SetFocus(field);
}

void CLabelledFormView::ShowRow(ui::HWND field, bool shown) {
    for (const Row& row : m_rows) {
        if (row.field != field) continue;
        ui::ShowWindow(row.label, shown ? ui::SW_SHOW : ui::SW_HIDE);
        ui::ShowWindow(row.field, shown ? ui::SW_SHOW : ui::SW_HIDE);
    }
    Repaint();
}

void CLabelledFormView::Layout(int width, int height) {
    int labelWidth = 0;
    for (const Row& row : m_rows) labelWidth = std::max(labelWidth, row.labelLength + 1);
    // Labels take at most half the width; the fields the rest.
    labelWidth = std::min(labelWidth, std::max(1, width / 2));
    const int fieldLeft = kMargin + labelWidth;
    const int fieldWidth = std::max(1, width - fieldLeft - kMargin);
    const int top = m_heading.empty() ? kMargin : kMargin + kHeadingRows;
    const int count = static_cast<int>(m_rows.size());
    const int step = top + count * kWideRowStep <= height ? kWideRowStep : 1;
    for (int i = 0; i < count; ++i) {
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        const int y = top + i * step;
        ui::MoveWindow(row.label, kMargin, y, labelWidth, 1);
        ui::MoveWindow(row.field, fieldLeft, y, fieldWidth, 1);
    }
}

void CLabelledFormView::OnPaint(ui::CDeviceContext& dc, const ui::RECT&) {
    if (!m_heading.empty()) CCVUIUtility::Instance().DrawHeading(dc, m_heading);
}

void CLabelledFormView::OnSize(int width, int height) {
    Layout(width, height);
}

}  // namespace shell
