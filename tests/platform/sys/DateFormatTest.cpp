#include "platform/sys/DateFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(DateFormat, FollowsTheLocale) {
    // The suite runs under the POSIX locale (see tests/CMakeLists.txt): short dates are mm/dd/yy.
    sys::SystemTime t;
    t.year = 2007;
    t.month = 3;
    t.day = 5;
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateShortDate), L"03/05/07");
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateLongDate), L"Monday, 05 March 2007");
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateYearMonth), L"March 2007");
}

TEST(DateFormat, InvalidDateGivesEmptyText) {
    sys::SystemTime t;
    t.year = 2007;
    t.month = 2;
    t.day = 30;
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateShortDate), L"");
}

}  // namespace
