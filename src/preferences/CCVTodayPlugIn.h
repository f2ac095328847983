#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The registry values shared with the reminder program and the Today screen, under
// HKEY_CURRENT_USER "Software\Brightmoor\Coinvale HandHeld\Today_PlugIn". Each access creates the
// key when it is missing, does its one read or write and closes the key again. All values are
// 32-bit:
//   "Nearest Date Time"  the earliest reminder time (seconds since 1904-01-01, local time), 0 for
//                        none
//   "Reminder Status"    0 while the program runs, 1 after it was left with "Exit"
//   "Snoozed Time"       the reminder program's snooze, in seconds
// A value that cannot be written is simply not updated; a missing one reads as 0.
class CCVTodayPlugIn {
  public:
    static constexpr std::uint32_t kProgramRunning = 0;
    static constexpr std::uint32_t kProgramExited = 1;

    static std::wstring KeyPath();

    static std::uint32_t ReadNearestDateTime();
    // A time other than the stored one is a new reminder: "Snoozed Time" goes back to 0 with it,
    // so that a snooze never puts off the reminders after the one it was given for.
    static bool WriteNearestDateTime(std::uint32_t time);
    static std::uint32_t ReadReminderStatus();
    static bool WriteReminderStatus(std::uint32_t status);
    // "Snoozed Time": the reminder screen's "Snooze" adds kSnoozeStep to it (starting from 0 on
    // a key that was not there); "Done" puts it back to 0, so that a snooze delays only the
    // reminder it was given for and not every later one.
    static constexpr std::uint32_t kSnoozeStep = 120;
    static std::uint32_t ReadSnoozedTime();
    static bool Snooze();
    static bool ResetSnooze();

    // ---- reminder companion ----
    // The three values together, read without creating the key: a program that only watches
    // them changes nothing.
    struct Values {
        std::uint32_t nearestDateTime = 0;
        std::uint32_t reminderStatus = kProgramRunning;
        std::uint32_t snoozedTime = 0;
    };
    static Values ReadValues();
    // The broadcasts that tell the reminder companion to withdraw its reminder and stay quiet
    // (the program has started) and to take over (it was left with "Exit").
    static constexpr std::wstring_view kStopNotificationMessage =
        L"CV_STOP_REMINDER_NOTIFICATION-{EFD617B9-D386-47de-9A5F-CF104470940A}";
    static constexpr std::wstring_view kStartNotificationMessage =
        L"CV_START_REMINDER_NOTIFICATION-{F02FFEDF-351F-4266-97ED-217AA8AD7A60}";

  private:
    static bool CreateKey();
    static std::uint32_t Read(const wchar_t* name);
    static bool Write(const wchar_t* name, std::uint32_t value);
};
