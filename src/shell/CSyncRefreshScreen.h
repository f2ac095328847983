#pragma once

#include <string>

#include "platform/ui/WinMessages.h"

// The "Refreshing" screen, up while the data is read again after a desktop synchronisation: a
// full-screen window of class "SyncRefresh" with the heading "Refreshing", a line saying that
// Coinvale will update with synchronized data, and the one soft key "OK". The accounts summary
// takes it away when it opens on the reloaded data; when the data cannot be read it stays, saying
// so, and "OK" or Back lead out of the program. One at a time, made on first use.
namespace shell {

class CSyncRefreshScreen {
  public:
    static constexpr wchar_t kClassName[] = L"SyncRefresh";

    // Puts the screen up in front (it stays if it is up already).
    static void Show();
    // Replaces the line under the heading (the reload failed).
    static void ShowFailure(const std::wstring& text);
    // Takes the screen away, if it is up.
    static void Dismiss();
    static ui::HWND Window();

  private:
    static ui::LRESULT WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                  ui::LPARAM lParam);
};

}  // namespace shell
