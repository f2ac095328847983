#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/ui/WinMessages.h"
#include "shell/CHandBack.h"
#include "shell/CViewCatalog.h"
#include "shell/NavigationRecords.h"
#include "shell/ViewNumbers.h"

namespace shell {

class CCVView;

// The application object: the invisible controller window that every screen posts its navigation
// to, the current screen, the navigation stack and what travels with a navigation, the activation
// routine and context help.
//
// Navigate (command c from the current view v): the first transition (v, c, t) names the target.
// Nothing happens when there is none, when the program has no screen t, or when screen t cannot be
// built: the current screen stays as it was and nothing is pushed. Otherwise v's saved state (if v
// saves one) is pushed, unless the stack already holds 10 entries, and v is closed.
// Back pops the top entry and builds that screen again from its saved state; with an empty stack
// it closes the current screen and ends the program unless lParam is 1.
class CCVApplication {
  public:
    struct StackEntry {
        int view = kNoView;
        int command = 0;
        std::unique_ptr<CViewState> state;
    };

    static CCVApplication& Instance();

    CViewCatalog& Catalog() { return m_catalog; }
    CHandBack& HandBack() { return m_handBack; }

    // What the controller runs to choose and open the first screen (the program loads the data
    // there); by default: navigate 3, the accounts summary.
    void SetFirstScreenChooser(std::function<void()> chooser) {
        m_chooseFirst = std::move(chooser);
    }
    // The unlock prompt: run over the current window when the lock is due at an activation, on
    // "Lock Now", and when no key has been pressed for the lock delay. It returns once the right
    // password has been typed (or the program is ending).
    void SetUnlockPrompt(std::function<void(ui::HWND)> prompt) {
        m_unlockPrompt = std::move(prompt);
    }
    // Opens a help page ("Coinvale.htm#Topic").
    void SetHelpViewer(std::function<void(const std::string&)> viewer) {
        m_helpViewer = std::move(viewer);
    }

    // Registers "CVMainController" and creates the controller; resets the navigation, readies the
    // UI utility layer, tells the reminder program to withdraw its reminder and chooses the first
    // screen. 0, or 1 when the class or the window cannot be made.
    int CreateController();
    // Closes the current screen, empties the stack and the hand-back slots, destroys the
    // controller.
    void Shutdown();

    ui::HWND Controller() const { return m_controller; }
    int CurrentView() const { return m_currentView; }
    ui::HWND CurrentWindow() const { return m_currentWindow; }
    CCVView* CurrentViewObject() const { return m_current.get(); }
    ui::LPARAM CurrentParameter() const { return m_parameter; }
    int StackDepth() const { return m_depth; }
    const StackEntry& StackAt(int index) const { return m_stack[static_cast<std::size_t>(index)]; }
    void ClearCurrentView() { m_currentView = kNoView; }
    void ClearStack();

    // Posts the navigation message; the payload travels with it.
    void PostNavigate(int command, ui::LPARAM param,
                      std::unique_ptr<CNavigationPayload> payload = nullptr);
    void PostBack(ui::LPARAM param);
    // Closes every screen and opens the accounts summary afresh, with an empty navigation stack
    // (after the data was read again). Posted: the screen that asks is closed once it returned.
    void PostRestartAtSummary();
    // Closes the current screen and empties the navigation stack and the hand-back slots, at once
    // (before the data the screens show is thrown away).
    void CloseAllScreens();
    // Whether command leads from view `from` to a screen the program has.
    bool CanNavigate(int from, int command) const;
    // The payload of the navigation whose screen is being built (null when none or taken).
    std::unique_ptr<CNavigationPayload> TakePayload() { return std::move(m_handedPayload); }

    // The activation routine (a second start of the program; the current screen comes to the
    // front, or the unlock prompt runs when the lock is due). False without a current screen.
    bool Activate();
    bool IsActivationBusy() const { return m_activationBusy; }

    // "Lock Now": with a password set, runs the unlock prompt over the current screen and then
    // re-arms the lock. False (and nothing happens) without a password or a current screen.
    bool LockNow();
    // Whether the unlock prompt is up.
    bool IsLocked() const { return m_locked; }
    // The idle lock: a timer of the controller that locks the program when no key has been
    // pressed for the lock delay (with a password set and a delay other than "Immediately").
    // Started when the controller is created; RestartIdleLock counts the delay from now.
    void RestartIdleLock();
    void CheckIdleLock();

    // The controller's handlers, also called directly by tests.
    void Navigate(int command, ui::LPARAM param, std::uint32_t payloadToken = 0);
    void Back(ui::LPARAM param);
    void OpenHelp();
    void RunningInstanceFound();
    void RestartAtSummary();

  private:
    CCVApplication() = default;
    ui::LRESULT ControllerProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                               ui::LPARAM lParam);
    std::unique_ptr<CCVView> BuildView(int view, ui::LPARAM param);
    void MakeCurrent(int view, std::unique_ptr<CCVView> object);
    void CloseCurrent();
    // Runs the unlock prompt over the current window; false when there is none or it is up.
    bool RunUnlockPrompt();
    void ArmIdleTimer(std::uint32_t milliseconds);

    CViewCatalog m_catalog;
    CHandBack m_handBack;
    std::function<void()> m_chooseFirst;
    std::function<void(ui::HWND)> m_unlockPrompt;
    std::function<void(const std::string&)> m_helpViewer;

    ui::HWND m_controller = nullptr;
    int m_currentView = kNoView;
    ui::HWND m_currentWindow = nullptr;
    std::unique_ptr<CCVView> m_current;
    int m_depth = 0;
    std::array<StackEntry, kNavigationStackSize> m_stack;
    ui::LPARAM m_parameter = 0;

    std::uint32_t m_nextToken = 1;
    std::map<std::uint32_t, std::unique_ptr<CNavigationPayload>> m_postedPayloads;
    std::unique_ptr<CNavigationPayload> m_handedPayload;
    bool m_activationBusy = false;
    bool m_locked = false;
    // The tick count from which the idle time counts when no key came later.
    std::uint32_t m_idleSince = 0;
};

}  // namespace shell
