#pragma once

#include <cstdint>
#include <string>

#include "model/EditOutcome.h"
#include "storage/DateTime.h"

class CScheduledItem;

// How a scheduled transaction repeats, as the repeat screen shows and sets it: the next date, the
// frequency, how many times ("Indefinitely" or a count), and whether it is entered manually or
// with a reminder some days ahead. Read checks what was typed; ApplyTo hands the result to the
// scheduled transaction.
class CRepeatSetting {
  public:
    static constexpr std::uint16_t kMostTimes = 65534;  // 65535 stands for "Indefinitely"
    static constexpr std::uint8_t kMostDaysInAdvance = 255;

    // The entries of the repeat screen.
    struct Entries {
        DateTime day = 0;  // the next date's day (its time of day is ignored)
        int frequency = 0;
        bool indefinitely = true;
        std::string times;
        bool remind = false;
        std::string daysInAdvance;
    };

    CRepeatSetting() = default;
    // The repeat of `item`; one that was never set (or has ended) starts on `day`, once.
    static CRepeatSetting Of(const CScheduledItem& item, DateTime day);

    // Takes the entries: the next date keeps the time of day it had; a count must be a whole
    // number from 1 to kMostTimes, the days in advance one from 0 to 255. Unchanged when refused.
    EditOutcome Read(const Entries& entries);
    void ApplyTo(CScheduledItem& item) const;

    DateTime NextDate() const { return m_nextDate; }
    std::uint8_t Frequency() const { return m_frequency; }
    std::uint16_t RemainingCount() const { return m_remainingCount; }
    bool Indefinitely() const;
    std::uint8_t EnterMode() const { return m_enterMode; }
    std::uint8_t DaysInAdvance() const { return m_daysInAdvance; }

  private:
    DateTime m_nextDate = 0;
    std::uint8_t m_frequency = 0;
    std::uint16_t m_remainingCount = 0;
    std::uint8_t m_enterMode = 0;
    std::uint8_t m_daysInAdvance = 0;
};
