// What the repeat screen sets on a scheduled transaction: the next day keeps its time of day, a
// count must be a whole number from 1 to 65534 ("Indefinitely" is 65535), the days in advance one
// from 0 to 255 and only count with "Remind me"; a refused entry changes nothing.
#include "model/CRepeatSetting.h"

#include <gtest/gtest.h>

#include "ScheduleDay.h"
#include "model/CScheduledItem.h"
#include "resources/ScreenIds.h"

namespace {

CScheduledItem Monthly() {
    CScheduledItem item;
    item.SetNextDate(Day(2027, 3, 10, 9, 0));
    item.SetFrequency(kFrequencyMonthly);
    item.SetRemainingCount(6);
    item.SetEnterMode(CScheduledItem::kRemindMe);
    item.SetDaysInAdvance(3);
    return item;
}

CRepeatSetting::Entries Entries(DateTime day, int frequency, const char* times, const char* days) {
    CRepeatSetting::Entries entries;
    entries.day = day;
    entries.frequency = frequency;
    entries.indefinitely = times == nullptr;
    entries.times = times != nullptr ? times : "";
    entries.remind = days != nullptr;
    entries.daysInAdvance = days != nullptr ? days : "";
    return entries;
}

TEST(RepeatSettingTest, ShowsTheStoredRepeatAndStartsANewOneOnTheDayOnce) {
    const CRepeatSetting stored = CRepeatSetting::Of(Monthly(), Day(2026, 12, 6, 14, 0));
    EXPECT_EQ(stored.NextDate(), Day(2027, 3, 10, 9, 0));
    EXPECT_EQ(stored.Frequency(), kFrequencyMonthly);
    EXPECT_EQ(stored.RemainingCount(), 6);
    EXPECT_FALSE(stored.Indefinitely());
    EXPECT_EQ(stored.EnterMode(), CScheduledItem::kRemindMe);
    EXPECT_EQ(stored.DaysInAdvance(), 3);

    const CRepeatSetting fresh = CRepeatSetting::Of(CScheduledItem(), Day(2026, 12, 6, 14, 0));
    EXPECT_EQ(fresh.NextDate(), Day(2026, 12, 6));
    EXPECT_EQ(fresh.Frequency(), kFrequencyOnce);
    EXPECT_TRUE(fresh.Indefinitely());

    CScheduledItem ended = Monthly();
    ended.SetNextDate(kScheduleEnded);
    ended.SetFrequency(42);  // not a frequency: shown as "Once"
    const CRepeatSetting again = CRepeatSetting::Of(ended, Day(2026, 12, 6, 14, 0));
    EXPECT_EQ(again.NextDate(), Day(2026, 12, 6));
    EXPECT_EQ(again.Frequency(), kFrequencyOnce);
}

TEST(RepeatSettingTest, ReadKeepsTheTimeOfDayAndAppliesEveryValue) {
    CRepeatSetting setting = CRepeatSetting::Of(Monthly(), Day(2026, 12, 6));
    ASSERT_TRUE(
        setting.Read(Entries(Day(2027, 4, 2, 23, 59), kFrequencyWeekly, "52", "7")).IsDone());
    CScheduledItem item = Monthly();
    setting.ApplyTo(item);
    EXPECT_EQ(item.GetNextDate(), Day(2027, 4, 2, 9, 0));
    EXPECT_EQ(item.GetFrequency(), kFrequencyWeekly);
    EXPECT_EQ(item.GetRemainingCount(), 52);
    EXPECT_EQ(item.GetEnterMode(), CScheduledItem::kRemindMe);
    EXPECT_EQ(item.GetDaysInAdvance(), 7);
    // The reminder follows: seven days before the next date.
    EXPECT_EQ(item.GetReminderTime(), Day(2027, 3, 26, 9, 0));

    ASSERT_TRUE(
        setting.Read(Entries(Day(2027, 4, 2), kFrequencyAnnually, nullptr, nullptr)).IsDone());
    setting.ApplyTo(item);
    EXPECT_EQ(item.GetRemainingCount(), CScheduledItem::kIndefinitely);
    EXPECT_EQ(item.GetEnterMode(), CScheduledItem::kManually);
    EXPECT_EQ(item.GetDaysInAdvance(), 0);  // days typed under "Manually" do not count
}

TEST(RepeatSettingTest, TheLimitsOfTheCountAndTheDays) {
    CRepeatSetting setting = CRepeatSetting::Of(Monthly(), Day(2026, 12, 6));
    const DateTime day = Day(2027, 1, 1);
    EXPECT_TRUE(setting.Read(Entries(day, kFrequencyMonthly, "1", "0")).IsDone());
    EXPECT_EQ(setting.RemainingCount(), 1);
    EXPECT_TRUE(setting.Read(Entries(day, kFrequencyMonthly, "65534", "255")).IsDone());
    EXPECT_EQ(setting.RemainingCount(), 65534);
    EXPECT_FALSE(setting.Indefinitely());
    EXPECT_EQ(setting.DaysInAdvance(), 255);
}

TEST(RepeatSettingTest, BadEntriesAreRefusedAndChangeNothing) {
    const DateTime day = Day(2027, 1, 1);
    const struct {
        CRepeatSetting::Entries entries;
        res::StringId message;
    } cases[] = {
        {Entries(day, kFrequencyMonthly, "0", nullptr), res::IDS_REPEAT_TIMES_INVALID},
        {Entries(day, kFrequencyMonthly, "", nullptr), res::IDS_REPEAT_TIMES_INVALID},
        // 65535 would read as "Indefinitely"; a count that wraps to 16 bits must not slip by
        {Entries(day, kFrequencyMonthly, "65535", nullptr), res::IDS_REPEAT_TIMES_INVALID},
        {Entries(day, kFrequencyMonthly, "65537", nullptr), res::IDS_REPEAT_TIMES_INVALID},
        {Entries(day, kFrequencyMonthly, "-3", nullptr), res::IDS_REPEAT_TIMES_INVALID},
        {Entries(day, kFrequencyMonthly, "1 2", nullptr), res::IDS_REPEAT_TIMES_INVALID},
        {Entries(day, kFrequencyMonthly, "99999999999999999999", nullptr),
         res::IDS_REPEAT_TIMES_INVALID},
        {Entries(day, kFrequencyMonthly, nullptr, "256"), res::IDS_REPEAT_DAYS_INVALID},
        {Entries(day, kFrequencyMonthly, nullptr, ""), res::IDS_REPEAT_DAYS_INVALID},
        {Entries(day, kFrequencyMonthly, nullptr, "x"), res::IDS_REPEAT_DAYS_INVALID},
        {Entries(day, -1, nullptr, nullptr), res::IDS_REPEAT_CHOOSE_FREQUENCY},
        {Entries(day, kFrequencyCount, nullptr, nullptr), res::IDS_REPEAT_CHOOSE_FREQUENCY},
    };
    for (const auto& c : cases) {
        CRepeatSetting setting = CRepeatSetting::Of(Monthly(), Day(2026, 12, 6));
        EXPECT_EQ(setting.Read(c.entries), EditOutcome::Refused(c.message)) << c.entries.times;
        EXPECT_EQ(setting.NextDate(), Day(2027, 3, 10, 9, 0));
        EXPECT_EQ(setting.RemainingCount(), 6);
        EXPECT_EQ(setting.DaysInAdvance(), 3);
    }
}

}  // namespace
