#pragma once

#include "platform/ui/WinMessages.h"

// The prompt over a locked program: a window of its own that covers the whole work area (and so
// every screen and its title behind it) until the right password is typed. It runs its own loop,
// which serves the synchroniser's hand-shake as the main loop does and keeps a relaunch from
// doing anything but bringing the prompt to the front. The Back key erases in the field; the
// prompt has no way out but the right password, or the end of the program.
namespace views {

class CUnlockPrompt {
  public:
    // Returns once the right password was typed, or when the program is ending.
    static void Run(ui::HWND currentWindow);

  private:
    explicit CUnlockPrompt(ui::HWND currentWindow) : m_currentWindow(currentWindow) {}
    ui::LRESULT WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    bool Filter(ui::MSG& msg);
    void Done();

    ui::HWND m_currentWindow;
    ui::HWND m_window = nullptr;
    ui::HWND m_field = nullptr;
};

}  // namespace views
