#pragma once

#include "shell/CCVView.h"

// About (view 3): the program's name and version, where its data and its settings are kept, and
// its licence. "OK" and the Back key return.
namespace views {

class CAboutView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
};

}  // namespace views
