#pragma once

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/sys/BroadcastSocket.h"
#include "platform/sys/CWakePipe.h"
#include "reminder/CCompanionState.h"
#include "reminder/CPlainNotifier.h"
#include "reminder/MNotifier.h"
#include "resources/StringIds.h"

namespace reminder {

// The companion's run: it watches the reminder values, the instance mutex and the stop and start
// broadcasts, and shows a due reminder while Coinvale is not running, on the desktop notifier
// when there is one and it can show it, else as lines on `out`. "Open" starts Coinvale's reminder
// screen in a terminal, "Snooze" puts the reminder off as the reminder screen does. Between looks
// it sleeps on its descriptors until the next due moment, a broadcast, a response or a stop.
class CReminderCompanion {
  public:
    // `desktop` may be null (no session bus).
    CReminderCompanion(std::unique_ptr<MNotifier> desktop, std::FILE* out, std::FILE* errors);

    // Runs until RequestStop; withdraws the shown reminder on the way out. 0.
    int Run();
    // Ends Run from another thread (a signal's watcher).
    void RequestStop();

    // Starts a terminal running `coinvale --reminder` (coinvale beside this program, else on
    // PATH). False, after saying why on the error stream, when none could be started.
    bool OpenCoinvale();

  private:
    void Look();
    void Show(DateTime now);
    void ReceiveBroadcasts();
    void Respond(MNotifier::Response response);
    template <typename... Args>
    void Say(res::StringId id, Args... args);

    std::unique_ptr<MNotifier> m_desktop;
    CPlainNotifier m_plain;
    std::FILE* m_errors;
    CCompanionState m_state;
    CCompanionState::Observation m_last;
    sys::BroadcastSocket m_broadcasts;
    sys::CWakePipe m_wake;
    std::atomic<bool> m_stop{false};
};

}  // namespace reminder
