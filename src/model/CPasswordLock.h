#pragma once

#include <cstdint>
#include <string_view>

#include "model/EditOutcome.h"
#include "storage/DateTime.h"

class CCVPreferences;
class CVModel;

// The rules of the lock password and of the lock: which new passwords are taken, how setting,
// changing and removing one is checked, and when the program locks again.
//
// The lock delay is the preference "LockTime", an index into the nine choices of the security
// options ("Immediately" to "After 30 Minutes"); the lock falls due that many seconds after the
// last time the program was unlocked or came back to the front ("LockSecurityTime Crib", in the
// model's time values). Each choice waits as long as its label says.
class CPasswordLock {
  public:
    static constexpr std::uint32_t kDelayCount = 9;

    // A new password is empty (no password) or has at least two characters, not all the same:
    // "ab" and "aab" are taken, "a" and "aaa" are not.
    static bool IsAcceptable(std::string_view password);

    // The password screen's "Done": checks, in this order, that the confirmation matches the new
    // password, that the new password is acceptable, and that the old password is right (looked
    // at only when a password is set); then stores the new one (an empty one removes it). Refused
    // with the message of the first check that fails, or when the new password could not be
    // stored (nothing changed).
    static EditOutcome Change(CVModel& model, std::string_view oldPassword,
                              std::string_view newPassword, std::string_view confirmation);

    // A password typed at a lock prompt: Done when it is the password (the cipher is then keyed
    // with it); refused with "That password is incorrect." when it is empty or wrong.
    static EditOutcome Unlock(CVModel& model, std::string_view password);

    // The seconds of delay index `index`; 0 for an index outside the list.
    static std::uint32_t DelaySeconds(std::uint32_t index);
    // Whether the lock is due at `now` (the due time is not later than now).
    static bool IsDue(const CCVPreferences& preferences, DateTime now);
    // The lock falls due again the chosen delay after `now`.
    static void Rearm(const CCVPreferences& preferences, DateTime now);
    // Stores a new delay index and re-arms the lock with it. False when the settings could not
    // be written.
    static bool SetDelay(const CCVPreferences& preferences, std::uint32_t index, DateTime now);
};
