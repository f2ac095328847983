#pragma once

#include <cstdint>

#include "platform/sys/NamedMutex.h"
#include "preferences/CCVTodayPlugIn.h"
#include "storage/DateTime.h"

namespace reminder {

// The companion's decisions, without a bus or a clock of their own: whether Coinvale runs,
// whether a reminder is due, and whether to show, withdraw or leave the notification.
//
// Coinvale runs while it holds its instance mutex, unless it was left with "Exit" (the start
// broadcast came and "Reminder Status" says exited: it is only finishing). A stop broadcast
// keeps the companion quiet until the start broadcast, or until the instance mutex, once seen
// held, is seen free again (a program that ended without "Exit", or failed to start). Where the
// mutex cannot be looked at, "Reminder Status" alone says it.
//
// A reminder is due when "Nearest Date Time" is set and it plus "Snoozed Time" has come, and not
// before a snooze seen being given is over: "Snoozed Time" counts from the nearest time, so a
// snooze given more than two minutes after it would otherwise put nothing off. It is shown once
// for each due moment: not again on the next look, nor after the person dismissed it;
// a snooze or a new nearest time is a new due moment. When Coinvale runs, a shown reminder is
// withdrawn, and shown again after Coinvale was left while it is still due.
class CCompanionState {
  public:
    enum class Step { kNothing, kShow, kWithdraw };

    struct Observation {
        CCVTodayPlugIn::Values values;
        sys::NamedMutex::Probe program = sys::NamedMutex::kProbeUnknown;
        DateTime now = 0;
    };

    // How often the companion looks again: while Coinvale runs (to notice it ended), and
    // otherwise at the latest (the values may have changed).
    static constexpr int kRunningLookMs = 2000;
    static constexpr int kIdleLookMs = 30000;

    // The moment the reminder falls due: nearest + snoozed (at most the last representable
    // moment); 0 when there is no reminder.
    static DateTime DueMoment(const CCVTodayPlugIn::Values& values);

    void StopReceived();
    void StartReceived();
    // The person closed the notification (or it expired): not shown again for this due moment.
    void Dismissed() { m_showing = false; }

    // The due moment with the snoozes seen being given (see above); updates what was seen of
    // "Snoozed Time". 0 when there is no reminder.
    DateTime EffectiveDue(const Observation& observation);
    // Looks at the observation (and remembers what it says about Coinvale) and answers what to do.
    Step Decide(const Observation& observation);
    // Whether Coinvale runs, by the rules above; updates what was seen of the instance mutex.
    bool CoinvaleRuns(const Observation& observation);
    // Milliseconds until the next look after `observation`.
    int NextLookMs(const Observation& observation);

    bool IsShowing() const { return m_showing; }
    DateTime ShownFor() const { return m_shownFor; }

  private:
    bool m_quiet = false;      // a stop broadcast came and nothing has ended it yet
    bool m_sawHeld = false;    // the instance mutex was seen held since the stop broadcast
    bool m_takenOver = false;  // a start broadcast came after the last stop broadcast
    bool m_showing = false;
    bool m_valuesSeen = false;
    DateTime m_seenNearest = 0;       // the nearest time the snoozes below belong to
    std::uint32_t m_seenSnoozed = 0;  // "Snoozed Time" as last seen
    DateTime m_snoozedUntil = 0;      // a snooze seen being given ends here; 0 when none
    DateTime m_shownFor = 0;          // the due moment last shown; 0 when none
};

}  // namespace reminder
