#pragma once

#include "shell/CCVView.h"

// The icon chooser (view 49): every icon in a grid; the arrows move the highlight, Enter or
// "Select" hands the icon back to the screen that opened the chooser (an account or a category)
// and goes back; "Cancel" and Back go back without a choice. The navigation parameter is the icon
// chosen so far.
namespace views {

class CChooseIconView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    bool OnKey(unsigned vk) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;

  private:
    int Columns() const;
    void Choose();

    int m_selected = 0;
};

}  // namespace views
