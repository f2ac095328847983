#include "resources/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, KnownAndUnknownIds) {
    EXPECT_EQ(res::LoadString(res::IDS_APP_NAME), L"Coinvale");
    EXPECT_TRUE(res::LoadString(res::IDS_NONE).empty());
    EXPECT_TRUE(res::LoadString(static_cast<res::StringId>(987654)).empty());
}

}  // namespace
