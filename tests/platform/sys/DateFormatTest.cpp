#include "platform/sys/DateFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(DateFormat, FollowsTheLocale) {
    // The suite runs under the POSIX locale (see tests/CMakeLists.txt): short dates are mm/dd/yy.
    const sys::SystemTime t = sys::MakeSystemTime(2007, 3, 5);
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateShortDate), L"03/05/07");
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateLongDate), L"Monday, 05 March 2007");
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateYearMonth), L"March 2007");
}

TEST(DateFormat, InvalidDateGivesEmptyText) {
    const sys::SystemTime t = sys::MakeSystemTime(2007, 2, 30);
    EXPECT_EQ(sys::GetDateFormat(t, sys::kDateShortDate), L"");
}

}  // namespace
