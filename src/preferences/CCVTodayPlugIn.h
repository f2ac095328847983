#pragma once

#include <cstdint>
#include <string>

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

  private:
    static bool CreateKey();
    static std::uint32_t Read(const wchar_t* name);
    static bool Write(const wchar_t* name, std::uint32_t value);
};
