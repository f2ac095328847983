#pragma once

#include "shell/CCVView.h"

// The start-up password prompt (view 68): with a lock password set, the program opens here and
// reads no data before the right password. "Done" with the right password loads the data (saying
// what could not be read) and opens the accounts summary; a wrong or empty one says so and stays.
// There is no other way on: the Back key only erases in the field.
namespace views {

class CPasswordPromptView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnBack() override {}
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void OnSize(int width, int height) override;

  private:
    void Done();

    ui::HWND m_password = nullptr;
};

}  // namespace views
