#pragma once

#include <string>
#include <vector>

#include "shell/CCVView.h"
#include "storage/DateTime.h"

// The shape of a screen that is a form of short fields: one row per field, its label on the left
// and the field beside it, in the focus ring's order; a heading may stand above them. Fields are
// edit fields, spinners, check boxes, date pickers, or values the screen shows (not in the focus
// ring). On a screen with room a blank row parts the fields; on a short one they stand one under
// the other, so that a form of ten fields fits 80 x 24. Up and down move between the fields; left
// and right step a spinner or a date.
namespace shell {

class CLabelledFormView : public CCVView {
  protected:
    void SetHeading(const std::wstring& heading) { m_heading = heading; }
    // An edit field of at most `limit` characters; null on failure.
    ui::HWND AddEditRow(const std::wstring& label, int id, int limit, ui::DWORD style = 0,
                        const std::wstring& text = L"");
    // A spinner over `entries` with `selected` chosen (-1: none).
    ui::HWND AddSpinnerRow(const std::wstring& label, int id,
                           const std::vector<std::wstring>& entries, int selected);
    // A check box showing `text` after its box.
    ui::HWND AddCheckRow(const std::wstring& label, int id, bool checked,
                         const std::wstring& text = L"");
    // A date picker on the day of `date`.
    ui::HWND AddDateRow(const std::wstring& label, int id, DateTime date);
    // A value the screen shows and changes (SetValue); not a field.
    ui::HWND AddValueRow(const std::wstring& label, const std::wstring& value);

    static std::wstring FieldText(ui::HWND field);
    static int SpinnerIndex(ui::HWND spinner);
    static bool IsChecked(ui::HWND checkBox);
    static void SetChecked(ui::HWND checkBox, bool checked);
    // The day the picker shows, at 00:00.
    static DateTime DateOf(ui::HWND picker);
    static void SetValue(ui::HWND value, const std::wstring& text);
    // Puts the focus on the field.
    static void FocusField(ui::HWND field);
    // Shows or hides the row of `field` (its label with it). A hidden field keeps its place and
    // its value, and Up and Down pass over it.
    void ShowRow(ui::HWND field, bool shown);

    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void OnSize(int width, int height) override;

  private:
    struct Row {
        ui::HWND label = nullptr;
        ui::HWND field = nullptr;
        int labelLength = 0;
    };
    ui::HWND AddRow(const std::wstring& label, const wchar_t* className, ui::DWORD style, int id,
                    const std::wstring& text, bool focusable);
    void Layout(int width, int height);

    std::wstring m_heading;
    std::vector<Row> m_rows;
};

}  // namespace shell
