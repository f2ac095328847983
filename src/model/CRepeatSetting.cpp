#include "model/CRepeatSetting.h"

#include <charconv>

#include "model/CScheduledItem.h"
#include "model/ScheduleDates.h"
#include "resources/ScreenIds.h"

namespace {

// A whole number of digits only, at most `most`; false for anything else (empty, signs, spaces).
bool ReadWhole(const std::string& text, unsigned long most, unsigned long& value) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value <= most;
}

}  // namespace

CRepeatSetting CRepeatSetting::Of(const CScheduledItem& item, DateTime day) {
    CRepeatSetting setting;
    const bool set = item.GetNextDate() != 0 && !item.HasEnded();
    setting.m_nextDate = set ? item.GetNextDate() : DayBoundary(day, kDayStart);
    setting.m_frequency = item.GetFrequency() < kFrequencyCount
                              ? item.GetFrequency()
                              : static_cast<std::uint8_t>(kFrequencyOnce);
    setting.m_remainingCount = set ? item.GetRemainingCount() : CScheduledItem::kIndefinitely;
    setting.m_enterMode = item.GetEnterMode();
    setting.m_daysInAdvance = item.GetDaysInAdvance();
    return setting;
}

bool CRepeatSetting::Indefinitely() const {
    return m_remainingCount == CScheduledItem::kIndefinitely;
}

EditOutcome CRepeatSetting::Read(const Entries& entries) {
    if (entries.frequency < 0 || entries.frequency >= kFrequencyCount) {
        return EditOutcome::Refused(res::IDS_REPEAT_CHOOSE_FREQUENCY);
    }
    unsigned long times = CScheduledItem::kIndefinitely;
    if (!entries.indefinitely && (!ReadWhole(entries.times, kMostTimes, times) || times == 0)) {
        return EditOutcome::Refused(res::IDS_REPEAT_TIMES_INVALID);
    }
    unsigned long days = 0;
    if (entries.remind && !ReadWhole(entries.daysInAdvance, kMostDaysInAdvance, days)) {
        return EditOutcome::Refused(res::IDS_REPEAT_DAYS_INVALID);
    }
    // The day comes from the screen; the time of day stays what it was.
    const DateTime timeOfDay = m_nextDate - DayBoundary(m_nextDate, kDayStart);
    m_nextDate = DayBoundary(entries.day, kDayStart) + timeOfDay;
    m_frequency = static_cast<std::uint8_t>(entries.frequency);
    m_remainingCount = static_cast<std::uint16_t>(times);
    m_enterMode = entries.remind ? CScheduledItem::kRemindMe : CScheduledItem::kManually;
    m_daysInAdvance = static_cast<std::uint8_t>(days);
    return EditOutcome::Done();
}

void CRepeatSetting::ApplyTo(CScheduledItem& item) const {
    item.SetNextDate(m_nextDate);
    item.SetFrequency(m_frequency);
    item.SetRemainingCount(m_remainingCount);
    item.SetEnterMode(m_enterMode);
    item.SetDaysInAdvance(m_daysInAdvance);
}
