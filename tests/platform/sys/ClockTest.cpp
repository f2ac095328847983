#include "platform/sys/Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Clock, FileTimeArithmetic) {
    sys::FileTime ft = 1;
    ASSERT_TRUE(sys::SystemTimeToFileTime(sys::MakeSystemTime(1601, 1, 1), ft));
    EXPECT_EQ(ft, 0u);
    // The Unix epoch is 11644473600 seconds after 1601.
    ASSERT_TRUE(sys::SystemTimeToFileTime(sys::MakeSystemTime(1970, 1, 1), ft));
    EXPECT_EQ(ft, 11644473600ull * sys::kFileTicksPerSecond);

    const sys::SystemTime back = sys::FileTimeToSystemTime(ft + 61 * sys::kFileTicksPerSecond);
    EXPECT_EQ(back.year, 1970);
    EXPECT_EQ(back.month, 1);
    EXPECT_EQ(back.day, 1);
    EXPECT_EQ(back.minute, 1);
    EXPECT_EQ(back.second, 1);
    EXPECT_EQ(back.dayOfWeek, 4);  // a Thursday
}

TEST(Clock, RejectsFieldsOutOfRange) {
    sys::FileTime ft = 42;
    EXPECT_FALSE(sys::SystemTimeToFileTime(sys::MakeSystemTime(2023, 2, 29), ft));
    EXPECT_FALSE(sys::SystemTimeToFileTime(sys::MakeSystemTime(2024, 13, 1), ft));
    EXPECT_FALSE(sys::SystemTimeToFileTime(sys::MakeSystemTime(2024, 1, 1, 24), ft));
    EXPECT_FALSE(sys::SystemTimeToFileTime(sys::MakeSystemTime(1600, 12, 31), ft));
    EXPECT_EQ(ft, 42u);
    EXPECT_TRUE(sys::SystemTimeToFileTime(sys::MakeSystemTime(2024, 2, 29, 23, 59, 59), ft));
}

TEST(Clock, TestTimeStandsInForTheSystemClock) {
    sys::SetTestTime(sys::MakeSystemTime(2026, 12, 6, 9, 30, 15));
    const sys::SystemTime now = sys::GetLocalTime();
    EXPECT_EQ(now.year, 2026);
    EXPECT_EQ(now.day, 6);
    EXPECT_EQ(now.second, 15);
    EXPECT_EQ(now.dayOfWeek, 0);  // a Sunday
    sys::ClearTestTime();
    EXPECT_GE(sys::GetLocalTime().year, 2024);
}

TEST(Clock, ParsesTheEnvironmentForm) {
    auto t = sys::ParseTestTime("2024-02-29");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->month, 2);
    EXPECT_EQ(t->day, 29);
    EXPECT_EQ(t->hour, 0);
    t = sys::ParseTestTime("2026-12-06T23:05");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hour, 23);
    EXPECT_EQ(t->minute, 5);
    t = sys::ParseTestTime("2026-12-06 23:05:59");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->second, 59);

    for (const char* bad : {"", "2026", "2026-13-01", "2023-02-29", "2026-12-06T", "2026-12-06X10:00",
                            "2026-12-06T10:00:0", "2026-12-06T10:00:00Z", "20261206"}) {
        EXPECT_FALSE(sys::ParseTestTime(bad)) << bad;
    }
}

TEST(Clock, EnvironmentVariableSetsTheTestClock) {
    ::setenv("COINVALE_NOW", "2030-01-31T08:00:00", 1);
    EXPECT_EQ(sys::LoadTestTimeFromEnvironment(), 0);
    EXPECT_EQ(sys::GetLocalTime().year, 2030);
    ::setenv("COINVALE_NOW", "tomorrow", 1);
    EXPECT_EQ(sys::LoadTestTimeFromEnvironment(), 1);
    EXPECT_EQ(sys::GetLocalTime().year, 2030);  // unchanged by the bad value
    ::unsetenv("COINVALE_NOW");
    sys::ClearTestTime();
}

}  // namespace
