#include "views/security/CUnlockPrompt.h"

#include "model/CPasswordLock.h"
#include "model/CVModel.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CSyncHandshake.h"
#include "shell/RegisteredMessages.h"
#include "views/security/CUnlockLayout.h"

namespace views {
namespace {

constexpr wchar_t kClass[] = L"Unlock";

bool QuitPending() {
    ui::MSG msg;
    return ui::PeekMessage(msg, nullptr, ui::WM_QUIT, ui::WM_QUIT, ui::PM_NOREMOVE);
}

}  // namespace

void CUnlockPrompt::Run(ui::HWND currentWindow) {
    static const bool registered = ui::RegisterClass(
        kClass, [](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            auto* prompt =
                reinterpret_cast<CUnlockPrompt*>(ui::GetWindowLongPtr(hwnd, ui::GWLP_USERDATA));
            return prompt != nullptr ? prompt->WindowProc(hwnd, message, wParam, lParam)
                                     : ui::DefWindowProc(hwnd, message, wParam, lParam);
        });
    if (!registered) return;
    const ui::HWND previous = ui::GetActiveWindow();
    // The prompt goes away only with the right password: should its window be lost, a new one
    // takes its place.
    while (true) {
        CUnlockPrompt prompt(currentWindow);
        prompt.m_window = ui::CreateWindow(
            kClass, std::wstring(res::LoadString(res::IDS_UNLOCK_TITLE)), ui::WS_VISIBLE,
            ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, nullptr);
        if (prompt.m_window == nullptr) return;
        ui::SetWindowLongPtr(prompt.m_window, ui::GWLP_USERDATA,
                             reinterpret_cast<std::intptr_t>(&prompt));
        CCVUIUtility::Instance().CreateSoftKeyBar(res::IDM_UNLOCK, prompt.m_window);
        ui::RECT client;
        ui::GetClientRect(prompt.m_window, client);
        const ui::RECT field = CUnlockLayout::FieldRect(client);
        prompt.m_field = ui::CreateWindow(
            L"EDIT", L"", ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | ui::ES_PASSWORD,
            field.left, field.top, field.Width(), field.Height(), prompt.m_window,
            CUnlockLayout::kFieldId);
        if (auto* edit = ui::GetControl<ui::CEdit>(prompt.m_field)) {
            edit->SetLimit(CUnlockLayout::kLimit);
        }
        CUnlockLayout::SubmitOnActionKey(prompt.m_field, res::IDC_UNLOCK_DONE);
        ui::SetForegroundWindow(prompt.m_window);
        ui::SetActiveWindow(prompt.m_window);
        ui::SetFocus(prompt.m_field);
        const int result = ui::RunModalLoop(prompt.m_window,
                                            [&prompt](ui::MSG& msg) { return prompt.Filter(msg); });
        ui::SetWindowLongPtr(prompt.m_window, ui::GWLP_USERDATA, 0);
        ui::DestroyWindow(prompt.m_window);
        if (result == ui::IDOK || QuitPending()) break;
    }
    // Back to what was in front: the screen, or a box or the help over it.
    const ui::HWND front = ui::IsWindow(previous) ? previous : currentWindow;
    if (ui::IsWindow(front)) {
        ui::SetActiveWindow(front);
        ui::SetForegroundWindow(front);
    }
}

bool CUnlockPrompt::Filter(ui::MSG& msg) {
    if (msg.message < ui::kFirstRegisteredMessage) return false;
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    if (shell::CSyncHandshake::IsSyncMessage(msg.message)) {
        shell::CSyncHandshake::Serve(msg, app.CurrentWindow());
        return true;
    }
    if (msg.message == shell::RegisteredMessage(shell::kRunningInstanceMessage)) {
        // A relaunch only brings the prompt back to the front; it never unlocks.
        ui::SetForegroundWindow(m_window);
        ui::SetActiveWindow(m_window);
        ui::SetFocus(m_field);
        ui::InvalidateRect(m_window);
        return true;
    }
    return false;
}

void CUnlockPrompt::Done() {
    const EditOutcome outcome = CPasswordLock::Unlock(
        *CVModel::GetModel(), CCVUIUtility::NarrowCopy(ui::GetWindowText(m_field)));
    if (outcome.IsDone()) {
        ui::EndDialog(m_window, ui::IDOK);
        return;
    }
    ui::SetWindowText(m_field, L"");
    CCVUIUtility::Instance().MessageBox(m_window, outcome.message, ui::MB_OK | ui::MB_ICONWARNING);
    ui::SetFocus(m_field);
}

ui::LRESULT CUnlockPrompt::WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                      ui::LPARAM lParam) {
    switch (message) {
        case ui::WM_PAINT: {
            ui::CPaintDC dc(hwnd);
            CUnlockLayout::Paint(dc.Context(), dc.ClientRect());
            return 0;
        }
        case ui::WM_SIZE: {
            const ui::RECT field = CUnlockLayout::FieldRect(ui::RECT{
                0, 0, static_cast<int>(ui::LOWORD(lParam)), static_cast<int>(ui::HIWORD(lParam))});
            ui::MoveWindow(m_field, field.left, field.top, field.Width(), field.Height());
            return 0;
        }
        case ui::WM_COMMAND:
            // "Done"; the cancel command and every other one are ignored.
            if (ui::LOWORD(wParam) == res::IDC_UNLOCK_DONE && lParam == 0) Done();
            return 0;
        case ui::WM_HOTKEY:
            if (ui::HIWORD(lParam) == ui::VK_TBACK) {
                ui::SendBackToFocusWindow(message, wParam, lParam);
                return 0;
            }
            break;
        default:
            break;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace views
