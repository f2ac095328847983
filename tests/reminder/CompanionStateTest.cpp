// The companion's decisions with the clock and the instance mutex given: when a reminder is due
// (nearest time plus snooze), that it is shown once per due moment, withdrawn while Coinvale
// runs and shown again after it was left, and how the stop and start broadcasts, the mutex and
// "Reminder Status" together say whether Coinvale runs.
#include "reminder/CCompanionState.h"

#include <gtest/gtest.h>

namespace {

using reminder::CCompanionState;
using Step = CCompanionState::Step;
using sys::NamedMutex;

constexpr DateTime kNearest = 3'900'000'000;

CCompanionState::Observation At(DateTime now, NamedMutex::Probe program = NamedMutex::kProbeFree,
                                std::uint32_t snoozed = 0,
                                std::uint32_t status = CCVTodayPlugIn::kProgramExited) {
    CCompanionState::Observation observation;
    observation.values.nearestDateTime = kNearest;
    observation.values.snoozedTime = snoozed;
    observation.values.reminderStatus = status;
    observation.program = program;
    observation.now = now;
    return observation;
}

TEST(CompanionStateTest, DueMomentIsNearestPlusSnoozeAndNoneWithoutNearest) {
    EXPECT_EQ(CCompanionState::DueMoment({kNearest, 1, 240}), kNearest + 240);
    EXPECT_EQ(CCompanionState::DueMoment({kNearest, 1, 0}), kNearest);
    // No reminder: a snooze alone makes nothing due.
    EXPECT_EQ(CCompanionState::DueMoment({0, 1, 240}), 0u);
    // A snooze past the last moment stops there rather than wrapping round to the past.
    EXPECT_EQ(CCompanionState::DueMoment({0xFFFFFF00u, 1, 0x1000}), 0xFFFFFFFEu);
}

TEST(CompanionStateTest, ShownOnceWhenDueAndNotBefore) {
    CCompanionState state;
    EXPECT_EQ(state.Decide(At(kNearest - 1)), Step::kNothing);
    EXPECT_EQ(state.Decide(At(kNearest)), Step::kShow);
    EXPECT_TRUE(state.IsShowing());
    EXPECT_EQ(state.ShownFor(), kNearest);
    // Later looks at the same due moment show nothing more.
    EXPECT_EQ(state.Decide(At(kNearest + 60)), Step::kNothing);
    EXPECT_EQ(state.Decide(At(kNearest + 3600)), Step::kNothing);
}

TEST(CompanionStateTest, SnoozeWithdrawsAndShowsAgainWhenTheSnoozeIsOver) {
    CCompanionState state;
    // Snoozed before the companion looked: counted from the nearest time.
    EXPECT_EQ(state.Decide(At(kNearest + 119, NamedMutex::kProbeFree, 120)), Step::kNothing);
    EXPECT_EQ(state.Decide(At(kNearest + 120, NamedMutex::kProbeFree, 120)), Step::kShow);
    EXPECT_EQ(state.ShownFor(), kNearest + 120);
    // Snoozed again while shown, 10 seconds later: two minutes from then.
    EXPECT_EQ(state.Decide(At(kNearest + 130, NamedMutex::kProbeFree, 240)), Step::kWithdraw);
    EXPECT_FALSE(state.IsShowing());
    EXPECT_EQ(state.Decide(At(kNearest + 249, NamedMutex::kProbeFree, 240)), Step::kNothing);
    EXPECT_EQ(state.Decide(At(kNearest + 250, NamedMutex::kProbeFree, 240)), Step::kShow);
    EXPECT_EQ(state.ShownFor(), kNearest + 250);
}

TEST(CompanionStateTest, SnoozeGivenLongAfterTheReminderTimeStillPutsItOff) {
    // The stored snooze counts from the nearest time: a day after it, +120 seconds would still
    // lie in the past and the reminder would come straight back.
    constexpr DateTime kDayLater = kNearest + 86400;
    CCompanionState state;
    ASSERT_EQ(state.Decide(At(kDayLater)), Step::kShow);
    EXPECT_EQ(state.Decide(At(kDayLater, NamedMutex::kProbeFree, 120)), Step::kWithdraw);
    EXPECT_EQ(state.Decide(At(kDayLater + 119, NamedMutex::kProbeFree, 120)), Step::kNothing);
    EXPECT_EQ(state.NextLookMs(At(kDayLater + 119, NamedMutex::kProbeFree, 120)), 1000);
    EXPECT_EQ(state.Decide(At(kDayLater + 120, NamedMutex::kProbeFree, 120)), Step::kShow);
    // "Done" put the snooze back to 0: due at once again (a new look after a reset).
    state.Dismissed();
    EXPECT_EQ(state.Decide(At(kDayLater + 200, NamedMutex::kProbeFree, 0)), Step::kShow);
    // A new nearest time forgets the snooze seen for the old one.
    EXPECT_EQ(state.EffectiveDue(At(kDayLater + 300, NamedMutex::kProbeFree, 120)),
              kDayLater + 420);
    CCompanionState::Observation next = At(kDayLater + 300, NamedMutex::kProbeFree, 120);
    next.values.nearestDateTime = kNearest + 10;
    EXPECT_EQ(state.EffectiveDue(next), kNearest + 130);
}

TEST(CompanionStateTest, DismissedReminderIsNotShownAgainForTheSameMoment) {
    CCompanionState state;
    ASSERT_EQ(state.Decide(At(kNearest)), Step::kShow);
    state.Dismissed();
    EXPECT_FALSE(state.IsShowing());
    EXPECT_EQ(state.Decide(At(kNearest + 100)), Step::kNothing);
    // A reminder taken back when nothing is shown is no step either.
    EXPECT_EQ(state.Decide(At(kNearest - 100)), Step::kNothing);
}

TEST(CompanionStateTest, RunningCoinvaleWithdrawsAndLeavingItShowsAgain) {
    CCompanionState state;
    ASSERT_EQ(state.Decide(At(kNearest)), Step::kShow);
    // Coinvale starts: the mutex is held and it says it runs.
    EXPECT_EQ(
        state.Decide(At(kNearest, NamedMutex::kProbeHeld, 0, CCVTodayPlugIn::kProgramRunning)),
        Step::kWithdraw);
    EXPECT_EQ(
        state.Decide(At(kNearest, NamedMutex::kProbeHeld, 0, CCVTodayPlugIn::kProgramRunning)),
        Step::kNothing);
    // Left: the reminder, still due, comes back.
    EXPECT_EQ(state.Decide(At(kNearest + 5)), Step::kShow);
}

TEST(CompanionStateTest, StopBroadcastKeepsQuietUntilStartEvenWithoutTheMutex) {
    CCompanionState state;
    ASSERT_EQ(state.Decide(At(kNearest)), Step::kShow);
    state.StopReceived();
    EXPECT_EQ(state.Decide(At(kNearest)), Step::kWithdraw);
    EXPECT_EQ(state.Decide(At(kNearest + 30)), Step::kNothing);
    state.StartReceived();
    EXPECT_EQ(state.Decide(At(kNearest + 31)), Step::kShow);
}

TEST(CompanionStateTest, StopEndsWhenTheMutexSeenHeldIsFreeAgain) {
    // A Coinvale that broadcast the stop and then ended without "Exit" (killed, or its data
    // could not be loaded) hands over by letting its mutex go.
    CCompanionState state;
    state.StopReceived();
    EXPECT_TRUE(state.CoinvaleRuns(At(kNearest, NamedMutex::kProbeHeld)));
    EXPECT_FALSE(state.CoinvaleRuns(At(kNearest, NamedMutex::kProbeFree)));
    EXPECT_EQ(state.Decide(At(kNearest)), Step::kShow);
}

TEST(CompanionStateTest, MutexHeldMeansRunningUnlessHandedOverWithExit) {
    CCompanionState state;
    // Started by Coinvale at its start-up (its stop went out before): the mutex says it runs,
    // even while "Reminder Status" still reads exited from the last time.
    EXPECT_TRUE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeHeld, 0, CCVTodayPlugIn::kProgramExited)));
    // "Exit": the start broadcast after status 1; the program is only finishing.
    state.StartReceived();
    EXPECT_FALSE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeHeld, 0, CCVTodayPlugIn::kProgramExited)));
    // A start broadcast alone does not outweigh a program that says it runs.
    EXPECT_TRUE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeHeld, 0, CCVTodayPlugIn::kProgramRunning)));
    // The next start's stop broadcast ends the hand-over.
    state.StopReceived();
    EXPECT_TRUE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeHeld, 0, CCVTodayPlugIn::kProgramExited)));
}

TEST(CompanionStateTest, FreeMutexMeansNotRunningWhateverTheStatusSays) {
    // "Done" on the reminder screen, or a program that was killed, leaves status 0 or 1 behind;
    // either way nothing holds the mutex and the reminder shows.
    CCompanionState state;
    EXPECT_FALSE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeFree, 0, CCVTodayPlugIn::kProgramRunning)));
    EXPECT_EQ(
        state.Decide(At(kNearest, NamedMutex::kProbeFree, 0, CCVTodayPlugIn::kProgramRunning)),
        Step::kShow);
}

TEST(CompanionStateTest, WithoutTheMutexTheStatusAndBroadcastsDecide) {
    CCompanionState state;
    EXPECT_TRUE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeUnknown, 0, CCVTodayPlugIn::kProgramRunning)));
    EXPECT_FALSE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeUnknown, 0, CCVTodayPlugIn::kProgramExited)));
    state.StopReceived();
    EXPECT_TRUE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeUnknown, 0, CCVTodayPlugIn::kProgramExited)));
    state.StartReceived();
    EXPECT_FALSE(state.CoinvaleRuns(
        At(kNearest, NamedMutex::kProbeUnknown, 0, CCVTodayPlugIn::kProgramRunning)));
}

TEST(CompanionStateTest, NextLookWaitsForTheDueMomentAtMostTheIdlePeriod) {
    CCompanionState state;
    EXPECT_EQ(state.NextLookMs(At(kNearest - 5)), 5000);
    EXPECT_EQ(state.NextLookMs(At(kNearest - 3600)), CCompanionState::kIdleLookMs);
    EXPECT_EQ(state.NextLookMs(At(kNearest + 5)), CCompanionState::kIdleLookMs);
    // The snooze counts.
    EXPECT_EQ(CCompanionState().NextLookMs(At(kNearest + 5, NamedMutex::kProbeFree, 10)), 5000);
    // While Coinvale runs the companion looks often, to notice that it has ended.
    EXPECT_EQ(state.NextLookMs(At(kNearest - 5, NamedMutex::kProbeHeld)),
              CCompanionState::kRunningLookMs);
}

}  // namespace
