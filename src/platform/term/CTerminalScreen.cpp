#include "platform/term/CTerminalScreen.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <clocale>
#include <cwchar>

#define NCURSES_WIDECHAR 1
#include <curses.h>

#include "platform/term/TerminalColors.h"
#include "platform/term/TerminalKeys.h"
#include "platform/ui/CControl.h"
#include "platform/ui/CWindowManager.h"

namespace term {
namespace {

constexpr int kEscapeDelayMs = 25;
// The resize signal may reach another thread, so the reader also looks now and then.
constexpr int kResizeCheckMs = 250;
constexpr wchar_t kUnprintable = L'?';

attr_t AttributesOf(const ui::Cell& cell) {
    attr_t attributes = A_NORMAL;
    if (cell.attr & ui::kAttrBold) attributes |= A_BOLD;
    if (cell.attr & ui::kAttrUnderline) attributes |= A_UNDERLINE;
    if (cell.attr & ui::kAttrReverse) attributes |= A_REVERSE;
    return attributes;
}

}  // namespace

CTerminalScreen::CTerminalScreen() {
    std::setlocale(LC_CTYPE, "");
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return;
    if (newterm(nullptr, stdout, stdin) == nullptr) return;
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    DefineExtraKeySequences();
    nodelay(stdscr, TRUE);
    curs_set(0);
    set_escdelay(kEscapeDelayMs);
    mousemask(BUTTON1_CLICKED | BUTTON1_RELEASED, nullptr);
    mouseinterval(0);
    if (has_colors()) {
        start_color();
        m_colors = COLORS;
    }
    m_open = true;
    if (pipe2(m_stopPipe, O_CLOEXEC) != 0) return;
    ui::CWindowManager::Instance().SetBackend(this);
    m_reader = std::thread([this] { ReadInput(); });
}

CTerminalScreen::~CTerminalScreen() {
    if (m_reader.joinable()) {
        const char stop = 1;
        if (write(m_stopPipe[1], &stop, 1) == 1) m_reader.join();
        else m_reader.detach();
    }
    ui::CWindowManager::Instance().SetBackend(nullptr);
    for (int fd : m_stopPipe) {
        if (fd >= 0) close(fd);
    }
    if (m_open) {
        std::lock_guard lock(m_curses);
        endwin();
    }
}

ui::SIZE CTerminalScreen::ScreenSize() const {
    std::lock_guard lock(m_curses);
    if (!m_open) return ui::SIZE{80, 24};
    int rows = 0;
    int columns = 0;
    getmaxyx(stdscr, rows, columns);
    return ui::SIZE{columns, rows};
}

int CTerminalScreen::PairFor(ui::COLORREF fg, ui::COLORREF bg) {
    if (m_colors == 0) return 0;
    const int pair = alloc_pair(TerminalColor(fg, m_colors), TerminalColor(bg, m_colors));
    return pair < 0 ? 0 : pair;
}

void CTerminalScreen::Present(const ui::CCellSurface& screen) {
    std::lock_guard lock(m_curses);
    if (!m_open) return;
    int rows = 0;
    int columns = 0;
    getmaxyx(stdscr, rows, columns);
    for (int y = 0; y < screen.Height() && y < rows; ++y) {
        for (int x = 0; x < screen.Width() && x < columns; ++x) {
            const ui::Cell& cell = *screen.At(x, y);
            wchar_t text[2] = {cell.Glyph(), 0};
            // A character the terminal would draw over two cells (or none) would shift the row.
            if (wcwidth(text[0]) != 1) text[0] = kUnprintable;
            cchar_t shown;
            int pair = PairFor(cell.fg, cell.bg);
            setcchar(&shown, text, AttributesOf(cell), 0, &pair);
            // The bottom-right cell may fail (the cursor cannot move past it); that is harmless.
            mvadd_wch(y, x, &shown);
        }
    }
    refresh();
}

bool CTerminalScreen::TakeHeldInput(ui::InputEvent& event) {
    std::lock_guard lock(m_heldMutex);
    if (m_held.empty()) return false;
    event = m_held.front();
    m_held.pop_front();
    return true;
}

bool CTerminalScreen::ReadOne() {
    ui::InputEvent event;
    bool have = false;
    {
        std::lock_guard lock(m_curses);
        wint_t key = 0;
        const int status = wget_wch(stdscr, &key);
        if (status == ERR) return false;
        if (status == KEY_CODE_YES && key == KEY_RESIZE) {
            event.kind = ui::InputEvent::Kind::Resize;
            have = true;
        } else if (status == KEY_CODE_YES && key == KEY_MOUSE) {
            MEVENT mouse;
            if (getmouse(&mouse) == OK && (mouse.bstate & (BUTTON1_CLICKED | BUTTON1_RELEASED))) {
                event.kind = ui::InputEvent::Kind::Tap;
                event.point = ui::POINT{mouse.x, mouse.y};
                have = true;
            }
        } else {
            have = TranslateKey(status, static_cast<unsigned>(key), event);
        }
    }
    if (have) {
        if (event.kind == ui::InputEvent::Kind::Resize) {
            {
                std::lock_guard lock(m_curses);
                clear();  // everything is drawn again at the new size
            }
            ui::CWindowManager::Instance().DeliverInput(event);
        } else {
            {
                std::lock_guard lock(m_heldMutex);
                m_held.push_back(event);
            }
            ui::CWindowManager::Instance().WakeAll();
        }
    }
    return true;
}

void CTerminalScreen::ReadInput() {
    pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {m_stopPipe[0], POLLIN, 0}};
    while (true) {
        if (poll(fds, 2, kResizeCheckMs) < 0) continue;  // interrupted by a signal
        if (fds[1].revents != 0) return;
        if ((fds[0].revents & (POLLHUP | POLLERR)) != 0) return;
        while (ReadOne()) {
        }
    }
}

}  // namespace term
