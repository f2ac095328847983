#pragma once

#include <vector>

#include "shell/CColourSetting.h"
#include "shell/CListShapeView.h"

// The colour chooser (view 71, window class "ChooseColorView"): the colours of the terminal's
// palette as swatches, for the colour the navigation parameter names (every other row of the
// register, of the reports or of the budgets). The colour in use is selected first; "Done"
// stores the selected one; "Cancel" and the Back key leave it.
namespace views {

class CChooseColorView : public shell::CListShapeView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;
    void LayoutColumns(int width) override;
    void ShowBalance() override {}

  private:
    void Done();

    shell::CColourSetting::Target m_target = shell::CColourSetting::kRegisterRows;
    std::vector<shell::CColourSetting::Swatch> m_swatches;
};

}  // namespace views
