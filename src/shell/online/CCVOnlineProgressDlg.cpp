#include "shell/online/CCVOnlineProgressDlg.h"

#include <algorithm>
#include <chrono>

#include "platform/ui/CAnimation.h"
#include "platform/ui/CWindowManager.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace shell {
namespace {

constexpr wchar_t kProgressClass[] = L"OnlineProgress";
constexpr wchar_t kEndMessage[] = L"CV_END_PROGRESS_DIALOG";
constexpr wchar_t kQuitMessage[] = L"CV_QUIT_THREAD_MSG_LOOP";
constexpr int kWidth = 32;
constexpr int kHeight = 6;
constexpr int kTextRow = 1;
constexpr int kAnimationRow = 3;

}  // namespace

CCVOnlineProgressDlg::~CCVOnlineProgressDlg() {
    End();
}

void CCVOnlineProgressDlg::Start() {
    if (m_thread.joinable()) return;
    m_cancel = false;
    m_step = false;
    m_stop = false;
    m_up = false;
    m_focusBefore = ui::GetFocus();
    m_thread = std::thread([this] { Run(); });
    // The caller is never left waiting for ever: without a window in time the run goes on, and
    // the thread, seeing the stop flag, ends by itself.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (!m_up && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!m_up) m_stop = true;
}

void CCVOnlineProgressDlg::End() {
    if (!m_thread.joinable()) return;
    if (const ui::DWORD thread = m_threadId.load(); thread != 0) {
        ui::PostThreadMessage(thread, ui::RegisterWindowMessage(kEndMessage), 0, 0);
        ui::PostThreadMessage(thread, ui::RegisterWindowMessage(kQuitMessage), 0, 0);
    }
    m_stop = true;
    m_thread.join();
    m_window = nullptr;
    m_threadId = 0;
    if (ui::IsWindow(m_focusBefore)) {
        ui::SetForegroundWindow(ui::GetAncestorRoot(m_focusBefore));
        ui::SetFocus(m_focusBefore);
    }
    m_focusBefore = nullptr;
}

void CCVOnlineProgressDlg::Step(std::uint32_t) {
    m_step = true;
}

bool CCVOnlineProgressDlg::TakeCancel() {
    return m_cancel.exchange(false);
}

void CCVOnlineProgressDlg::Refocus() const {
    const ui::HWND window = m_window.load();
    if (!ui::IsWindow(window)) return;
    ui::SetForegroundWindow(window);
    ui::SetFocus(window);
}

ui::HWND CCVOnlineProgressDlg::MakeWindow() {
    static const bool registered = ui::RegisterClass(
        kProgressClass, [](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            return ui::DefWindowProc(hwnd, message, wParam, lParam);
        });
    if (!registered) return nullptr;
    const ui::RECT work = ui::CWindowManager::Instance().WorkArea();
    const int width = std::min(kWidth, work.Width());
    const int height = std::min(kHeight, work.Height());
    const ui::HWND window = ui::CreateWindow(
        kProgressClass, std::wstring(res::LoadString(res::IDS_ONLINE_PROGRESS_TITLE)),
        ui::WS_POPUP | ui::WS_BORDER, work.left + (work.Width() - width) / 2,
        work.top + (work.Height() - height) / 2, width, height, nullptr);
    if (window == nullptr) return nullptr;
    ui::SetWindowProc(
        window, [this](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            return WindowProc(hwnd, message, wParam, lParam);
        });
    ui::CreateWindow(L"STATIC", std::wstring(res::LoadString(res::IDS_ONLINE_DOWNLOADING)),
                     ui::WS_CHILD | ui::WS_VISIBLE | ui::SS_CENTER, 1, kTextRow, width - 2, 1,
                     window);
    m_animation = ui::CreateWindow(L"SysAnimate32", L"", ui::WS_CHILD | ui::WS_VISIBLE, 1,
                                   kAnimationRow, width - 2, 1, window);
    ui::OverrideBackKey(ui::CreateSoftKeyBar(window, res::IDM_ONLINE_PROGRESS), true);
    ui::ShowWindow(window, ui::SW_SHOW);
    ui::SetForegroundWindow(window);
    ui::SetFocus(window);
    return window;
}

ui::LRESULT CCVOnlineProgressDlg::WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                             ui::LPARAM lParam) {
    const bool cancelCommand =
        message == ui::WM_COMMAND && ui::LOWORD(wParam) == res::IDC_ONLINE_PROGRESS_CANCEL;
    const bool backReleased = message == ui::WM_HOTKEY && (ui::LOWORD(lParam) & ui::MOD_KEYUP);
    if (cancelCommand || backReleased || message == ui::WM_CLOSE) {
        m_cancel = true;
        return 0;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

void CCVOnlineProgressDlg::Run() {
    m_threadId = ui::GetCurrentThreadId();
    const ui::UINT endMessage = ui::RegisterWindowMessage(kEndMessage);
    const ui::UINT quitMessage = ui::RegisterWindowMessage(kQuitMessage);
    ui::HWND window = m_stop ? nullptr : MakeWindow();
    m_window = window;
    m_up = true;
    ui::MSG msg;
    while (!m_stop) {
        while (ui::PeekMessage(msg, nullptr, 0, 0, ui::PM_REMOVE)) {
            if (msg.message == quitMessage) {
                m_stop = true;
                break;
            }
            if (msg.message == endMessage) {
                m_window = nullptr;
                ui::DestroyWindow(window);
                window = nullptr;
                continue;
            }
            ui::TranslateMessage(msg);
            ui::DispatchMessage(msg);
        }
        if (m_step.exchange(false)) {
            if (auto* animation = ui::GetControl<ui::CAnimation>(m_animation)) {
                animation->NextFrame();
                ui::InvalidateRect(m_animation);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kLoopMs));
    }
    m_window = nullptr;
    if (window != nullptr) ui::DestroyWindow(window);
    m_step = false;
}

}  // namespace shell
