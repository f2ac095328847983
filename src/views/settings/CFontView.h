#pragma once

#include <array>

#include "shell/CCVView.h"
#include "shell/CScreenFont.h"

// The font and column chooser (views 11, 39, 50 and 54, the window class "FontView"): the style
// a kind of screen is drawn in (normal, bold or underlined), shown in a sample line, and, for the
// register (view 39), which of its ten columns the account shows. "Done" stores the choice;
// "Cancel" and the Back key leave it.
namespace views {

class CFontView : public shell::CCVView {
  public:
    static constexpr int kColumnCount = 10;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void OnSize(int width, int height) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;

  private:
    shell::CScreenFont::Target Target() const;
    CFontRecord::Style ChosenStyle() const;
    void Done();

    CFontRecord m_font;
    ui::HWND m_styleLabel = nullptr;
    ui::HWND m_style = nullptr;
    ui::HWND m_columnsLabel = nullptr;
    std::array<ui::HWND, kColumnCount> m_columns{};
};

}  // namespace views
