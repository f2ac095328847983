#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "online/MOnlineProgress.h"
#include "platform/ui/WinTypes.h"

// The download progress window: a small pop-up with "Downloading...", an animation and a
// "Cancel" soft key, run by a thread of its own so that it keeps animating and answering keys
// while the user-interface thread waits on the bank.
//
// The two threads share only atomic flags: the cancel request (set by the window on "Cancel",
// the Back key or a close, read and cleared by TakeCancel), the step flag (set by Step, cleared
// when a frame is drawn) and the stop flag. Start waits for the window at most kStartTimeoutMs
// and goes on without it; End tells the thread to stop, joins it (the thread looks at the stop
// flag every kLoopMs, so the join is bounded) and gives the focus back. End again does nothing,
// and the destructor ends a dialog still running.
namespace shell {

class CCVOnlineProgressDlg : public MOnlineProgress {
  public:
    static constexpr int kStartTimeoutMs = 5000;
    static constexpr int kLoopMs = 10;

    CCVOnlineProgressDlg() = default;
    ~CCVOnlineProgressDlg();
    CCVOnlineProgressDlg(const CCVOnlineProgressDlg&) = delete;
    CCVOnlineProgressDlg& operator=(const CCVOnlineProgressDlg&) = delete;

    void Start() override;
    void End() override;
    void Step(std::uint32_t value) override;
    bool TakeCancel() override;

    // The progress window while it is up, else null: the owner of the messages shown during a
    // run.
    ui::HWND Window() const { return m_window.load(); }
    bool IsRunning() const { return m_thread.joinable(); }
    // Puts the focus back on the progress window after a box or prompt of the user-interface
    // thread took it, so that "Cancel" and the Back key reach the window again.
    void Refocus() const;

  private:
    // The progress thread: makes the window, runs its messages, destroys it.
    void Run();
    ui::HWND MakeWindow();
    ui::LRESULT WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_step{false};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_up{false};
    std::atomic<ui::HWND> m_window{nullptr};
    std::atomic<ui::DWORD> m_threadId{0};
    ui::HWND m_animation = nullptr;  // the progress thread's own
    ui::HWND m_focusBefore = nullptr;
};

}  // namespace shell
