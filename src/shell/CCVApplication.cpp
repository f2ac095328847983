#include "shell/CCVApplication.h"

#include <algorithm>

#include "model/CPasswordLock.h"
#include "model/CVModel.h"
#include "platform/sys/Clock.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVUIUtility.h"
#include "shell/CCVView.h"
#include "shell/CTransitionTable.h"
#include "shell/HelpTopics.h"
#include "shell/RegisteredMessages.h"
#include "storage/CCVPassword.h"
#include "storage/DateTime.h"

namespace shell {
namespace {

constexpr wchar_t kControllerClass[] = L"CVMainController";
constexpr ui::LPARAM kBackStaysOpen = 1;
constexpr int kTokenShift = 32;
// The controller's timer that looks for the idle lock, and how often it looks when no lock can
// fall due sooner (a password or a delay set meanwhile is seen within this time).
constexpr ui::UINT kIdleLockTimer = 1;
// Posted to the controller: close every screen and open the summary afresh.
constexpr ui::UINT WM_CV_RESTART = ui::WM_APP + 120;
constexpr std::uint32_t kIdleLockRecheck = 60'000;

// The command travels in the low 32 bits of wParam, the payload's token in the high ones.
ui::WPARAM PackCommand(int command, std::uint32_t token) {
    return static_cast<ui::WPARAM>(static_cast<std::uint32_t>(command)) |
           (static_cast<ui::WPARAM>(token) << kTokenShift);
}
int CommandOf(ui::WPARAM wParam) {
    return static_cast<std::int32_t>(wParam & 0xFFFFFFFFu);
}
std::uint32_t TokenOf(ui::WPARAM wParam) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(wParam) >> kTokenShift);
}

// Screens that come to the front when they open.
bool ComesToFront(int view) {
    return view == kViewAccountsSummary || view == kViewUpcoming || view == kViewPasswordPrompt;
}

}  // namespace

ui::UINT RegisteredMessage(std::wstring_view name) {
    return ui::RegisterWindowMessage(std::wstring(name));
}

CCVApplication& CCVApplication::Instance() {
    static CCVApplication application;
    return application;
}

int CCVApplication::CreateController() {
    static const bool registered = ui::RegisterClass(
        kControllerClass,
        [](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            return Instance().ControllerProc(hwnd, message, wParam, lParam);
        });
    if (!registered) return 1;
    if (!ui::IsWindow(m_controller)) {
        m_controller = ui::CreateWindow(kControllerClass, L"", 0, 0, 0, 0, 0, nullptr);
    }
    if (m_controller == nullptr) return 1;
    ClearStack();
    m_currentView = kNoView;
    CCVUIUtility::Instance().Initialise();
    RestartIdleLock();
    ui::PostMessage(ui::HWND_BROADCAST, RegisteredMessage(kStopReminderMessage), 0, 0);
    if (m_chooseFirst)
        m_chooseFirst();
    else
        PostNavigate(kEventAccountsSummary, 0);
    return 0;
}

void CCVApplication::Shutdown() {
    CloseCurrent();
    m_currentView = kNoView;
    ClearStack();
    m_handBack.Clear();
    m_postedPayloads.clear();
    m_handedPayload.reset();
    ui::KillTimer(m_controller, kIdleLockTimer);
    ui::DestroyWindow(m_controller);
    m_controller = nullptr;
}

void CCVApplication::ClearStack() {
    for (StackEntry& entry : m_stack) entry = StackEntry{};
    m_depth = 0;
}

void CCVApplication::PostNavigate(int command, ui::LPARAM param,
                                  std::unique_ptr<CNavigationPayload> payload) {
    std::uint32_t token = 0;
    if (payload) {
        token = m_nextToken++;
        if (m_nextToken == 0) m_nextToken = 1;
        m_postedPayloads[token] = std::move(payload);
    }
    if (!ui::PostMessage(m_controller, WM_CV_NAVIGATE, PackCommand(command, token), param)) {
        m_postedPayloads.erase(token);
    }
}

void CCVApplication::PostRestartAtSummary() {
    ui::PostMessage(m_controller, WM_CV_RESTART, 0, 0);
}

void CCVApplication::RestartAtSummary() {
    CloseAllScreens();
    PostNavigate(kEventAccountsSummary, 0);
}

void CCVApplication::CloseAllScreens() {
    CloseCurrent();
    m_currentView = kNoView;
    ClearStack();
    m_handBack.Clear();
    m_postedPayloads.clear();
}

void CCVApplication::PostBack(ui::LPARAM param) {
    ui::PostMessage(m_controller, WM_CV_BACK, 0, param);
}

bool CCVApplication::CanNavigate(int from, int command) const {
    const int target = CTransitionTable::Find(from, command);
    return target != kNoView && m_catalog.Has(target);
}

std::unique_ptr<CCVView> CCVApplication::BuildView(int view, ui::LPARAM param) {
    std::unique_ptr<CCVView> object = m_catalog.Make(view);
    if (!object) return nullptr;
    if (object->Create(view, param) == nullptr) return nullptr;
    if (ComesToFront(view)) ui::SetForegroundWindow(object->Window());
    CCVUIUtility::Instance().HideInputPanel();
    return object;
}

void CCVApplication::MakeCurrent(int view, std::unique_ptr<CCVView> object) {
    m_current = std::move(object);  // the screen left is destroyed here
    m_currentView = view;
    m_currentWindow = m_current->Window();
}

void CCVApplication::CloseCurrent() {
    m_current.reset();
    m_currentWindow = nullptr;
}

void CCVApplication::Navigate(int command, ui::LPARAM param, std::uint32_t payloadToken) {
    std::unique_ptr<CNavigationPayload> payload;
    if (const auto it = m_postedPayloads.find(payloadToken); it != m_postedPayloads.end()) {
        payload = std::move(it->second);
        m_postedPayloads.erase(it);
    }
    m_parameter = param;
    const int from = m_currentView;
    const int target = CTransitionTable::Find(from, command);
    if (target == kNoView || !m_catalog.Has(target)) return;

    std::unique_ptr<CViewState> state = m_current ? m_current->SaveState() : nullptr;
    m_handedPayload = std::move(payload);
    std::unique_ptr<CCVView> next = BuildView(target, param);
    m_handedPayload.reset();  // what the new screen did not take
    if (!next) return;
    if (state && m_depth < kNavigationStackSize) {
        m_stack[static_cast<std::size_t>(m_depth++)] = StackEntry{from, command, std::move(state)};
    }
    MakeCurrent(target, std::move(next));
    m_current->OnShown();
}

void CCVApplication::Back(ui::LPARAM param) {
    m_parameter = param;
    if (m_depth == 0) {
        CloseCurrent();
        m_currentView = kNoView;
        m_handBack.Clear();
        if (param != kBackStaysOpen) ui::PostQuitMessage(0);
        return;
    }
    StackEntry entry = std::move(m_stack[static_cast<std::size_t>(--m_depth)]);
    std::unique_ptr<CCVView> previous = BuildView(entry.view, param);
    if (!previous) {
        // The screen cannot be built again: stay where we are, and keep the way back.
        m_stack[static_cast<std::size_t>(m_depth++)] = std::move(entry);
        return;
    }
    if (entry.state) previous->RestoreState(*entry.state);
    MakeCurrent(entry.view, std::move(previous));
    m_current->OnShown();
}

void CCVApplication::OpenHelp() {
    const std::string page = HelpPageFor(m_currentView);
    if (!page.empty() && m_helpViewer) m_helpViewer(page);
}

bool CCVApplication::Activate() {
    if (m_currentWindow == nullptr || !ui::IsWindow(m_currentWindow)) return false;
    CVModel& model = *CVModel::GetModel();
    CCVPreferences& preferences = model.GetPreferences();
    const bool passwordSet = model.PasswordState() == CCVPassword::kPasswordSet;
    m_activationBusy = true;
    if (!(passwordSet && CPasswordLock::IsDue(preferences, ::Now()) && RunUnlockPrompt())) {
        ui::SetActiveWindow(m_currentWindow);
        ui::SetForegroundWindow(m_currentWindow);
    }
    // Counted from now: the prompt may have been up for a while.
    CPasswordLock::Rearm(preferences, ::Now());
    m_activationBusy = false;
    return true;
}

bool CCVApplication::RunUnlockPrompt() {
    if (m_locked || !m_unlockPrompt || m_currentView == kViewPasswordPrompt ||
        m_currentWindow == nullptr || !ui::IsWindow(m_currentWindow)) {
        return false;
    }
    m_locked = true;
    m_unlockPrompt(m_currentWindow);
    m_locked = false;
    RestartIdleLock();
    return true;
}

bool CCVApplication::LockNow() {
    CVModel& model = *CVModel::GetModel();
    if (model.PasswordState() != CCVPassword::kPasswordSet) return false;
    if (!RunUnlockPrompt()) return false;
    CPasswordLock::Rearm(model.GetPreferences(), ::Now());
    return true;
}

void CCVApplication::ArmIdleTimer(std::uint32_t milliseconds) {
    ui::SetTimer(m_controller, kIdleLockTimer, std::max<std::uint32_t>(milliseconds, 1));
}

void CCVApplication::RestartIdleLock() {
    m_idleSince = sys::GetTickCount();
    CheckIdleLock();
}

void CCVApplication::CheckIdleLock() {
    if (m_controller == nullptr || m_locked) return;
    CVModel& model = *CVModel::GetModel();
    if (!model.IsInitialised()) {
        // No data is shown before it is read (the start-up prompt): nothing to lock yet.
        ArmIdleTimer(kIdleLockRecheck);
        return;
    }
    const std::uint64_t delay =
        std::uint64_t{CPasswordLock::DelaySeconds(model.GetPreferences().GetLockTime())} * 1000;
    if (delay == 0 || model.PasswordState() != CCVPassword::kPasswordSet) {
        // No idle lock now; the password or the delay may be set meanwhile.
        ArmIdleTimer(kIdleLockRecheck);
        return;
    }
    // Idle since the later of the last key and the last unlock (the tick count wraps).
    const std::uint32_t now = sys::GetTickCount();
    const std::uint32_t lastKey = ui::GetLastInputTick();
    const std::uint32_t since =
        static_cast<std::int32_t>(lastKey - m_idleSince) > 0 ? lastKey : m_idleSince;
    const std::uint32_t idle = now - since;
    if (idle < delay) {
        ArmIdleTimer(static_cast<std::uint32_t>(std::min<std::uint64_t>(delay - idle,
                                                                        kIdleLockRecheck)));
        return;
    }
    if (RunUnlockPrompt()) {
        CPasswordLock::Rearm(model.GetPreferences(), ::Now());
    } else {
        ArmIdleTimer(kIdleLockRecheck);
    }
}

void CCVApplication::RunningInstanceFound() {
    if (!m_activationBusy) Activate();
    if (m_currentView == kViewAccountsSummary) {
        PostBack(kBackStaysOpen);
        PostNavigate(kEventAccountsSummary, 0);
    } else {
        PostBack(0);
    }
}

ui::LRESULT CCVApplication::ControllerProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                           ui::LPARAM lParam) {
    if (message == WM_CV_NAVIGATE) {
        Navigate(CommandOf(wParam), lParam, TokenOf(wParam));
        return 0;
    }
    if (message == WM_CV_BACK) {
        Back(lParam);
        return 0;
    }
    if (message == WM_CV_RESTART) {
        RestartAtSummary();
        return 0;
    }
    if (message == ui::WM_TIMER && wParam == kIdleLockTimer) {
        CheckIdleLock();
        return 0;
    }
    if (message >= ui::kFirstRegisteredMessage) {
        if (message == RegisteredMessage(kHelpMessage)) {
            OpenHelp();
            return 0;
        }
        if (message == RegisteredMessage(kRunningInstanceMessage)) {
            RunningInstanceFound();
            return 0;
        }
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace shell
