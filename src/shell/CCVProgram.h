#pragma once

#include <functional>
#include <string>

#include "platform/ui/WinMessages.h"

// The interactive program's run on the screen the window system has (the terminal, or a headless
// screen in tests): the controller and the first screen, the companion reminder program, the
// message loop and its rules, and the orderly end in which everything is saved.
//
// Before Run, the caller has taken the single-instance mutex (see RefuseSecondInstance), wired the
// model and readied the preferences, and registered the views in the application's catalogue.
namespace shell {

class CCVProgram {
  public:
    CCVProgram() { s_reminder = false; }
    ~CCVProgram();
    CCVProgram(const CCVProgram&) = delete;
    CCVProgram& operator=(const CCVProgram&) = delete;

    // A second instance: tells the running one (which comes to the front) and answers the exit
    // status after saying "Coinvale is already running." on `errors`.
    static int RefuseSecondInstance(std::FILE* errors);

    // Runs until the program ends (Exit, the last Back, WM_CLOSE, a signal): 0, or 1 when the data
    // could not be loaded or saved (the messages then are in Problems()).
    int Run();
    const std::wstring& Problems() const { return m_problems; }

    // Ends the loop from another thread (a signal): the program saves and ends as on Exit.
    static void RequestEnd(unsigned long mainThread);

    // The loop's rules for one message taken from the queue. False when the message is consumed
    // and must not be dispatched; true to dispatch it (possibly to another window: up and down
    // aimed at a field go to the screen, which moves the focus). WM_CLOSE sets `end`.
    static bool Preprocess(ui::MSG& msg, bool& end);
    // Dispatches a message the loop kept, then asks for help after WM_HELP.
    static void Dispatch(const ui::MSG& msg);
    // Runs the thread's messages through the loop's rules until none is left (tests, benchmarks).
    static bool PumpUntilIdle();
    // Runs the thread's messages and drops a quit message left in the queue (tests).
    static void DropQuit();

    // Opens the first screen: with a lock password set, the start-up password prompt (the data is
    // loaded only after the right password); otherwise loads the data and opens the accounts
    // summary, or the reminder screen when asked for. Used as the application's first-screen
    // chooser.
    void ChooseFirstScreen();
    // Loads the data (saying what could not be read) and navigates to the accounts summary (or
    // the reminder screen); when nothing could be read the program ends. What went wrong counts
    // in Problems() of the running program.
    static void LoadDataAndOpenSummary();
    // The first screen is the reminder (`coinvale --reminder`, which the companion starts).
    void StartWithReminder() { s_reminder = true; }
    // Starts the reminder companion from the folder "CoinvaleInstallDir" names. When the value
    // is missing and this program's own folder holds a coinvale-reminder, that folder is
    // recorded first. Nothing is started while a companion runs already.
    static void StartReminderProgram();
    // The same with `programFolder` as this program's own folder (tests). True when started.
    static bool StartReminderProgram(const std::string& programFolder);

    // After a synchronisation ended, when the current screen is the active window: the
    // "Refreshing" screen, the data thrown away and read again, and the accounts summary on it.
    static void RefreshAfterSync();

  private:
    void Shutdown();

    std::wstring m_problems;
    bool m_loadFailed = false;
    // The first screen after the data is loaded is the reminder.
    static inline bool s_reminder = false;
};

}  // namespace shell
