#pragma once

#include "shell/CCVView.h"
#include "shell/CMemoRequest.h"

// The memo screen ("EditMemo", view 75): one field of several lines for the memo of the
// transaction being edited; the action key breaks a line. "Done" hands the memo back to the
// editor (refused when its stored form would not fit); "Cancel" leaves it as it was.
namespace views {

class CEditMemoView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnShown() override;
    void OnSize(int width, int height) override;

  private:
    shell::CMemoRequest m_request;
    bool m_loaded = false;
    ui::HWND m_field = nullptr;
};

}  // namespace views
