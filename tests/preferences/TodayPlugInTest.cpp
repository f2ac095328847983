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

}  // namespace
