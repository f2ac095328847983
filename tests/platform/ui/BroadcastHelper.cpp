// A second program for the broadcast test: receives one registered message by name, prints what
// arrived and ends. Gives up after a few seconds so that a failing test cannot hang.
#include <unistd.h>

#include <cstdio>

#include "platform/sys/CodePage.h"
#include "platform/ui/CBroadcastChannel.h"
#include "platform/ui/CHeadlessScreen.h"
#include "platform/ui/WindowApi.h"

namespace {

constexpr unsigned kGiveUpSeconds = 10;
ui::UINT g_message = 0;

ui::LRESULT ListenerProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == g_message) {
        std::printf("received %lu %ld\n", static_cast<unsigned long>(wParam),
                    static_cast<long>(lParam));
        std::fflush(stdout);
        ui::PostQuitMessage(0);
        return 0;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    alarm(kGiveUpSeconds);
    ui::CHeadlessScreen screen(20, 5);
    ui::CBroadcastChannel channel;
    if (!channel.IsReceiving()) return 1;
    g_message = ui::RegisterWindowMessage(sys::Utf8ToWide(argv[1]));
    ui::RegisterClass(L"Listener", ListenerProc);
    ui::CreateWindow(L"Listener", L"", ui::WS_VISIBLE, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT,
                     ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, nullptr);
    std::printf("ready\n");
    std::fflush(stdout);
    ui::MSG msg;
    while (ui::GetMessage(msg)) ui::DispatchMessage(msg);
    ui::CWindowManager::Instance().ResetForTests();
    return 0;
}
