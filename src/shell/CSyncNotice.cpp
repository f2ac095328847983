#include "shell/CSyncNotice.h"

#include <algorithm>
#include <string>

#include "platform/sys/NamedMutex.h"
#include "platform/sys/SyncNames.h"
#include "platform/ui/CDeviceContext.h"
#include "platform/ui/CWindowManager.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CSyncHandshake.h"
#include "shell/RegisteredMessages.h"

namespace shell {
namespace {

constexpr ui::UINT kLookTimer = 1;
constexpr int kTextId = 1;
constexpr int kWidth = 54;
constexpr int kMargin = 2;     // the frame and a blank on each side
constexpr int kExtraRows = 4;  // the frame, a blank above and below the text
// Two free looks in a row: an end sent just before the mutex was let go has had time to come.
constexpr int kFreeLooksToEnd = 2;

std::chrono::milliseconds g_timeOut = CSyncNotice::kDefaultTimeOut;

bool IsKeyMessage(ui::UINT message) {
    return message == ui::WM_KEYDOWN || message == ui::WM_KEYUP || message == ui::WM_CHAR ||
           message == ui::WM_HOTKEY;
}

}  // namespace

void CSyncNotice::SetTimeOut(std::chrono::milliseconds timeOut) {
    g_timeOut = timeOut;
}

CSyncNotice::Ending CSyncNotice::Run(ui::HWND currentWindow) {
    CSyncNotice notice(currentWindow);
    notice.m_deadline = std::chrono::steady_clock::now() + g_timeOut;
    const std::wstring text(res::LoadString(res::IDS_SYNC_NOTICE_TEXT));
    const ui::RECT work = ui::CWindowManager::Instance().WorkArea();
    const int width = std::min(kWidth, std::max(1, work.Width()));
    const int rows = static_cast<int>(ui::WrapText(text, width - 2 * kMargin).size());
    const ui::HWND previous = ui::GetActiveWindow();
    ui::DialogBoxIndirect(
        currentWindow, std::wstring(res::LoadString(res::IDS_SYNC_NOTICE_TITLE)), width,
        rows + kExtraRows,
        [&notice](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            return notice.WindowProc(hwnd, message, wParam, lParam);
        },
        0, [&notice](ui::MSG& msg) { return notice.Filter(msg); });
    const ui::HWND front = ui::IsWindow(previous) ? previous : currentWindow;
    if (ui::IsWindow(front)) {
        ui::SetActiveWindow(front);
        ui::SetForegroundWindow(front);
    }
    return notice.m_ending;
}

ui::LRESULT CSyncNotice::WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                    ui::LPARAM lParam) {
    switch (message) {
        case ui::WM_INITDIALOG: {
            m_window = hwnd;
            ui::RECT client;
            ui::GetClientRect(hwnd, client);
            const ui::RECT text{kMargin, 2, client.right - kMargin, client.bottom - 1};
            CCVUIUtility::Instance().StaticLabel(res::IDS_SYNC_NOTICE_TEXT, {}, text, hwnd);
            CCVUIUtility::Instance().CreateSoftKeyBar(0, hwnd, CCVUIUtility::kMenuBarEmpty);
            ui::SetForegroundWindow(hwnd);
            ui::SetActiveWindow(hwnd);
            ui::SetFocus(hwnd);
            ui::SetTimer(hwnd, kLookTimer, kLookInterval);
            return 0;
        }
        case ui::WM_TIMER:
            if (wParam == kLookTimer) {
                Look(hwnd);
                return 0;
            }
            break;
        default:
            break;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

void CSyncNotice::Look(ui::HWND hwnd) {
    if (std::chrono::steady_clock::now() >= m_deadline) {
        m_ending = kTimedOut;
        ui::EndDialog(hwnd, ui::IDCANCEL);
        return;
    }
    sys::NamedMutex synchroniser(sys::kSyncMutexName);
    if (synchroniser.TryAcquire() != sys::NamedMutex::kAcquired) {
        // Held: the synchronisation goes on. Without a runtime folder only the time-out ends it.
        m_freeLooks = 0;
        return;
    }
    synchroniser.Release();
    if (++m_freeLooks >= kFreeLooksToEnd) {
        m_ending = kSynchroniserGone;
        ui::EndDialog(hwnd, ui::IDCANCEL);
    }
}

bool CSyncNotice::Filter(ui::MSG& msg) {
    if (IsKeyMessage(msg.message)) return true;  // nothing typed reaches a screen meanwhile
    if (msg.message < ui::kFirstRegisteredMessage) return false;
    if (CSyncHandshake::IsSyncMessage(msg.message)) {
        if (msg.hwnd == m_currentWindow) {
            if (msg.message == RegisteredMessage(kSyncEndMessage)) {
                m_ending = kEnded;
                ui::EndDialog(m_window, ui::IDOK);
            } else {
                // A start again (the synchroniser asks once more): saved already; set again.
                CSyncHandshake::SyncStart();
            }
        }
        return true;  // the copies for the other windows are dropped
    }
    if (msg.message == RegisteredMessage(kRunningInstanceMessage)) {
        // A relaunch brings the notice to the front and does nothing else.
        ui::SetForegroundWindow(m_window);
        ui::SetActiveWindow(m_window);
        return true;
    }
    return false;
}

}  // namespace shell
