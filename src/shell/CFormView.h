#pragma once

#include <string>
#include <vector>

#include "shell/CCVView.h"

// The shape of a screen that is a form: labelled fields one under the other, each label on its own
// row above its field, in the focus ring's order. Up and down move between the fields. A heading
// may stand on the first row.
namespace shell {

class CFormView : public CCVView {
  protected:
    // A heading on the first row, above the fields.
    void SetHeading(const std::wstring& heading) { m_heading = heading; }
    // An edit field of at most `limit` characters under its label; null on failure.
    ui::HWND AddEditField(const std::wstring& label, int id, int limit, ui::DWORD style = 0,
                          const std::wstring& text = L"");
    // The text of a field of this form.
    static std::wstring FieldText(ui::HWND field);

    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void OnSize(int width, int height) override;

  private:
    struct Row {
        ui::HWND label = nullptr;
        ui::HWND field = nullptr;
    };
    // The row of field `index`'s label; the field stands on the row under it.
    int LabelRow(int index) const;

    std::wstring m_heading;
    std::vector<Row> m_rows;
};

}  // namespace shell
