#pragma once

#include <deque>
#include <mutex>
#include <thread>

#include "platform/ui/IScreenBackend.h"

// The terminal as the window system's screen, through ncursesw: Unicode text, colours mapped to
// what the terminal offers, resizing, mouse clicks as stylus taps. A thread of its own reads the
// keyboard and hands every key to the window system, which routes it to the thread of the focused
// window. Only one may exist; it restores the terminal when it ends.
namespace term {

class CTerminalScreen : public ui::IScreenBackend {
public:
    CTerminalScreen();
    ~CTerminalScreen() override;
    CTerminalScreen(const CTerminalScreen&) = delete;
    CTerminalScreen& operator=(const CTerminalScreen&) = delete;

    // False when the terminal could not be set up (no terminal, unknown TERM).
    bool IsOpen() const { return m_open; }

    ui::SIZE ScreenSize() const override;
    void Present(const ui::CCellSurface& screen) override;
    // Keys and taps wait here until the thread that has the focus is idle, so that a key typed
    // ahead reaches the window that will have the focus by then (the menu a soft key opens).
    bool TakeHeldInput(ui::InputEvent& event) override;

private:
    void ReadInput();
    bool ReadOne();
    int PairFor(ui::COLORREF fg, ui::COLORREF bg);

    mutable std::mutex m_curses;  // every curses call is made under it
    std::mutex m_heldMutex;
    std::deque<ui::InputEvent> m_held;
    bool m_open = false;
    int m_colors = 0;
    int m_stopPipe[2] = {-1, -1};
    std::thread m_reader;
};

}  // namespace term
