// The gallery: every control of the window system on a few screens, with soft keys and menus, to
// try in a terminal. F1 (or Ctrl+L) and F2 (or Ctrl+R) are the soft keys, Enter the action key,
// Escape or Backspace the Back key, the arrows move (see "Keys" in README.md).
#include <cstdio>
#include <memory>

#include "CControlsScreen.h"
#include "CDrawingScreen.h"
#include "CListScreen.h"
#include "platform/term/CTerminalScreen.h"
#include "platform/ui/CBroadcastChannel.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace {

constexpr int kScreenCount = 3;

std::unique_ptr<CGalleryScreen> MakeScreen(int index) {
    std::unique_ptr<CGalleryScreen> screen;
    res::StringId title = res::IDS_GALLERY_TITLE_CONTROLS;
    int menu = res::IDM_GALLERY_MAIN;
    if (index == 1) {
        screen = std::make_unique<CListScreen>();
        title = res::IDS_GALLERY_TITLE_LIST;
        menu = res::IDM_GALLERY_LIST;
    } else if (index == 2) {
        screen = std::make_unique<CDrawingScreen>();
        title = res::IDS_GALLERY_TITLE_DRAWING;
        menu = res::IDM_GALLERY_DONE;
    } else {
        screen = std::make_unique<CControlsScreen>();
    }
    if (!screen->Create(std::wstring(res::LoadString(title)), menu)) return nullptr;
    return screen;
}

}  // namespace

int main() {
    term::CTerminalScreen terminal;
    if (!terminal.IsOpen()) {
        std::fprintf(stderr, "gallery: this program needs a terminal.\n");
        return 1;
    }
    ui::CBroadcastChannel broadcasts;
    CCVUIUtility::Instance().Initialise();
    int index = 0;
    std::unique_ptr<CGalleryScreen> screen = MakeScreen(index);
    ui::MSG msg;
    while (screen && ui::GetMessage(msg)) {
        if (msg.hwnd == nullptr && msg.message == CGalleryScreen::kScreenCommand) {
            switch (msg.wParam) {
                case res::IDC_GALLERY_NEXT:
                case res::IDC_GALLERY_DONE: index = (index + 1) % kScreenCount; break;
                case res::IDC_GALLERY_BACK:
                    if (index == 0) ui::PostQuitMessage(0);
                    index = (index + kScreenCount - 1) % kScreenCount;
                    break;
                case res::IDC_GALLERY_EXIT: ui::PostQuitMessage(0); continue;
                default: continue;
            }
            screen.reset();
            screen = MakeScreen(index);
            continue;
        }
        ui::MoveArrowKeyToParent(msg);
        ui::TranslateMessage(msg);
        ui::DispatchMessage(msg);
    }
    screen.reset();
    return 0;
}
