#include "reminder/CCompanionState.h"

#include <algorithm>
#include <limits>

namespace reminder {
namespace {

constexpr std::uint64_t kLastMoment = std::numeric_limits<DateTime>::max() - 1;
constexpr int kMillisecondsPerSecond = 1000;

}  // namespace

DateTime CCompanionState::DueMoment(const CCVTodayPlugIn::Values& values) {
    if (values.nearestDateTime == 0) return 0;
    const std::uint64_t due =
        std::uint64_t{values.nearestDateTime} + std::uint64_t{values.snoozedTime};
    return static_cast<DateTime>(std::min(due, kLastMoment));
}

void CCompanionState::StopReceived() {
    m_quiet = true;
    m_sawHeld = false;
    m_takenOver = false;
}

void CCompanionState::StartReceived() {
    m_quiet = false;
    m_sawHeld = false;
    m_takenOver = true;
}

DateTime CCompanionState::EffectiveDue(const Observation& observation) {
    const CCVTodayPlugIn::Values& values = observation.values;
    if (!m_valuesSeen || values.nearestDateTime != m_seenNearest) {
        // A new reminder (or the first look): snoozes given before belong to another.
        m_valuesSeen = true;
        m_seenNearest = values.nearestDateTime;
        m_snoozedUntil = 0;
    } else if (values.snoozedTime > m_seenSnoozed) {
        const std::uint64_t until =
            std::uint64_t{observation.now} + (values.snoozedTime - m_seenSnoozed);
        m_snoozedUntil = static_cast<DateTime>(std::min(until, kLastMoment));
    } else if (values.snoozedTime < m_seenSnoozed) {
        m_snoozedUntil = 0;  // "Done" put the snooze back
    }
    m_seenSnoozed = values.snoozedTime;
    const DateTime due = DueMoment(values);
    return due == 0 ? 0 : std::max(due, m_snoozedUntil);
}

bool CCompanionState::CoinvaleRuns(const Observation& observation) {
    const bool exited = observation.values.reminderStatus == CCVTodayPlugIn::kProgramExited;
    switch (observation.program) {
        case sys::NamedMutex::kProbeHeld:
            if (m_quiet) m_sawHeld = true;
            return !(m_takenOver && exited);
        case sys::NamedMutex::kProbeFree:
            if (m_quiet && m_sawHeld) m_quiet = false;  // it ended without handing over
            return m_quiet;
        case sys::NamedMutex::kProbeUnknown:
            break;
    }
    return m_quiet || (!m_takenOver && !exited);
}

CCompanionState::Step CCompanionState::Decide(const Observation& observation) {
    const DateTime due = EffectiveDue(observation);
    if (CoinvaleRuns(observation)) {
        m_shownFor = 0;  // shown again once Coinvale was left, if still due
        if (!m_showing) return Step::kNothing;
        m_showing = false;
        return Step::kWithdraw;
    }
    if (due == 0 || observation.now < due) {
        // Snoozed, or no longer due (a new nearest time): the old reminder goes.
        if (!m_showing) return Step::kNothing;
        m_showing = false;
        return Step::kWithdraw;
    }
    if (m_shownFor == due) return Step::kNothing;
    m_shownFor = due;
    m_showing = true;
    return Step::kShow;
}

int CCompanionState::NextLookMs(const Observation& observation) {
    if (CoinvaleRuns(observation)) return kRunningLookMs;
    const DateTime due = EffectiveDue(observation);
    if (due == 0 || observation.now >= due) return kIdleLookMs;
    const std::uint64_t wait = std::uint64_t{due - observation.now} * kMillisecondsPerSecond;
    return static_cast<int>(std::min<std::uint64_t>(wait, kIdleLookMs));
}

}  // namespace reminder
