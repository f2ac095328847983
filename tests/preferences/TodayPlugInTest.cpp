// The reminder key's snooze: the first snooze on a clean registry stores 120, two in a row 240,
// and "Done" puts it back to 0 so that a snooze does not put off every later reminder.
#include "preferences/CCVTodayPlugIn.h"

#include <gtest/gtest.h>

#include "PreferencesHome.h"

namespace {

TEST(TodayPlugInTest, SnoozesAddUpAndDoneClearsThem) {
    testing_support::PreferencesHome home;
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 0u);
    ASSERT_TRUE(CCVTodayPlugIn::Snooze());
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 120u);
    ASSERT_TRUE(CCVTodayPlugIn::Snooze());
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 240u);
    ASSERT_TRUE(CCVTodayPlugIn::ResetSnooze());
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 0u);
    // The other values stay as they were.
    ASSERT_TRUE(CCVTodayPlugIn::WriteNearestDateTime(4000));
    ASSERT_TRUE(CCVTodayPlugIn::Snooze());
    EXPECT_EQ(CCVTodayPlugIn::ReadNearestDateTime(), 4000u);
}

// ---- reminder companion ----
TEST(TodayPlugInTest, ANewNearestTimeStartsUnsnoozed) {
    testing_support::PreferencesHome home;
    ASSERT_TRUE(CCVTodayPlugIn::WriteNearestDateTime(4000));
    ASSERT_TRUE(CCVTodayPlugIn::Snooze());
    // The same time written again (a change that did not move the reminder) keeps the snooze.
    ASSERT_TRUE(CCVTodayPlugIn::WriteNearestDateTime(4000));
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 120u);
    // A snooze given for the old reminder does not put off the next one.
    ASSERT_TRUE(CCVTodayPlugIn::WriteNearestDateTime(90000));
    EXPECT_EQ(CCVTodayPlugIn::ReadSnoozedTime(), 0u);
    EXPECT_EQ(CCVTodayPlugIn::ReadNearestDateTime(), 90000u);
}

TEST(TodayPlugInTest, ValuesReadTogetherWithoutMakingTheKey) {
    testing_support::PreferencesHome home;
    const CCVTodayPlugIn::Values none = CCVTodayPlugIn::ReadValues();
    EXPECT_EQ(none.nearestDateTime, 0u);
    EXPECT_EQ(none.snoozedTime, 0u);
    // Only reading: no settings file appears.
    for (const std::string& name : testing_support::ListFolder(home.Folder().Path())) {
        EXPECT_NE(name, "registry.reg");
    }
    ASSERT_TRUE(CCVTodayPlugIn::WriteNearestDateTime(4000));
    ASSERT_TRUE(CCVTodayPlugIn::WriteReminderStatus(CCVTodayPlugIn::kProgramExited));
    ASSERT_TRUE(CCVTodayPlugIn::Snooze());
    const CCVTodayPlugIn::Values values = CCVTodayPlugIn::ReadValues();
    EXPECT_EQ(values.nearestDateTime, 4000u);
    EXPECT_EQ(values.reminderStatus, CCVTodayPlugIn::kProgramExited);
    EXPECT_EQ(values.snoozedTime, 120u);
}

}  // namespace
