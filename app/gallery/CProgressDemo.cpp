#include "CProgressDemo.h"

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "platform/ui/CAnimation.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/WindowApi.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace {

constexpr wchar_t kProgressClass[] = L"OnlineProgress";
constexpr int kWidth = 30;
constexpr int kHeight = 6;
constexpr int kSteps = 60;
constexpr int kStepMs = 50;
constexpr int kLoopMs = 10;
constexpr ui::UINT kCancelCommand = ui::IDCANCEL;

std::atomic<bool> g_cancel{false};

ui::LRESULT ProgressProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    const bool backReleased = message == ui::WM_HOTKEY && (ui::LOWORD(lParam) & ui::MOD_KEYUP);
    if ((message == ui::WM_COMMAND && ui::LOWORD(wParam) == kCancelCommand) || backReleased ||
        message == ui::WM_CLOSE) {
        g_cancel = true;
        return 0;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool CProgressDemo::Run() {
    static const bool registered = ui::RegisterClass(kProgressClass, ProgressProc);
    (void)registered;
    g_cancel = false;
    std::atomic<bool> step{false};
    const ui::UINT quitLoop = ui::RegisterWindowMessage(L"CV_QUIT_THREAD_MSG_LOOP");
    std::promise<ui::DWORD> started;

    std::thread progress([&] {
        const ui::RECT work = ui::CWindowManager::Instance().WorkArea();
        const int width = std::min(kWidth, work.Width());
        const ui::HWND window = ui::CreateWindow(
            kProgressClass, std::wstring(res::LoadString(res::IDS_GALLERY_PROGRESS)),
            ui::WS_POPUP | ui::WS_BORDER | ui::WS_VISIBLE, work.left + (work.Width() - width) / 2,
            work.top + (work.Height() - kHeight) / 2, width, kHeight, nullptr);
        ui::CreateWindow(L"STATIC", std::wstring(res::LoadString(res::IDS_GALLERY_DOWNLOADING)),
                         ui::WS_CHILD | ui::WS_VISIBLE | ui::SS_CENTER, 1, 2, width - 2, 1,
                         window);
        const ui::HWND area = ui::CreateWindow(L"SysAnimate32", L"", ui::WS_CHILD | ui::WS_VISIBLE,
                                               1, 3, width - 2, 1, window);
        auto menu = std::make_unique<ui::CMenu>();
        menu->InsertItem(0, kCancelCommand, std::wstring(res::LoadString(res::IDS_CANCEL)));
        ui::OverrideBackKey(ui::CSoftKeyBar::CreateFromMenu(window, std::move(menu)), true);
        started.set_value(ui::GetCurrentThreadId());
        ui::MSG msg;
        for (bool running = true; running;) {
            while (running && ui::PeekMessage(msg, nullptr, 0, 0, ui::PM_REMOVE)) {
                running = msg.message != quitLoop;
                ui::TranslateMessage(msg);
                ui::DispatchMessage(msg);
            }
            if (step.exchange(false)) {
                if (auto* animation = ui::GetControl<ui::CAnimation>(area)) animation->NextFrame();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(kLoopMs));
        }
        ui::DestroyWindow(window);
    });
    const ui::DWORD worker = started.get_future().get();

    CCVUIUtility& utility = CCVUIUtility::Instance();
    utility.ShowWaitCursor();
    for (int i = 0; i < kSteps && !g_cancel; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
        step = true;
    }
    utility.HideWaitCursor();
    ui::PostThreadMessage(worker, quitLoop, 0, 0);
    progress.join();
    return !g_cancel;
}
