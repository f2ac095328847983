#pragma once

#include <chrono>

#include "platform/ui/WinMessages.h"

// The notice that holds the program still while a desktop synchronisation runs: a box over the
// current screen, with its own loop, that takes no keys (they would change data the
// synchronisation is about to replace) and drops every other screen's message meant for the
// synchroniser. It ends when the synchroniser's end arrives for the current screen's window, when
// the synchroniser is gone (it holds the named sync mutex for the whole synchronisation; a free
// mutex seen on two looks in a row means it ended without saying so), after a long time-out,
// or when the program is ending.
namespace shell {

class CSyncNotice {
  public:
    enum Ending {
        kEnded,             // the synchroniser's end arrived (and was not acted on here)
        kSynchroniserGone,  // its mutex is free
        kTimedOut,          // it took longer than any synchronisation should
        kProgramEnding,     // the program is ending (a quit, or the box went away)
    };

    static constexpr std::chrono::milliseconds kDefaultTimeOut{15 * 60 * 1000};
    static constexpr unsigned kLookInterval = 250;  // milliseconds between looks at the mutex

    // Runs the notice over `currentWindow` until one of the endings above.
    static Ending Run(ui::HWND currentWindow);

    // How long the notice waits at most (tests shorten it).
    static void SetTimeOut(std::chrono::milliseconds timeOut);

  private:
    explicit CSyncNotice(ui::HWND currentWindow) : m_currentWindow(currentWindow) {}
    ui::LRESULT WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    bool Filter(ui::MSG& msg);
    void Look(ui::HWND hwnd);

    ui::HWND m_currentWindow;
    ui::HWND m_window = nullptr;
    Ending m_ending = kProgramEnding;
    int m_freeLooks = 0;
    std::chrono::steady_clock::time_point m_deadline;
};

}  // namespace shell
