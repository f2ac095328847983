#include "storage/Text.h"

#include <gtest/gtest.h>

#include "storage/FixedText.h"
#include "support/TempFolder.h"

namespace {

TEST(Text, CopyBoundedAlwaysTerminates) {
    char buffer[5];
    std::memset(buffer, 'x', sizeof buffer);
    CopyBounded(buffer, "abcdefgh", sizeof buffer);
    EXPECT_STREQ(buffer, "abcd");
    CopyBounded(buffer, "ab", sizeof buffer);
    EXPECT_STREQ(buffer, "ab");
    CopyBounded(buffer, nullptr, sizeof buffer);
    EXPECT_STREQ(buffer, "");
    buffer[0] = 'q';
    CopyBounded(buffer, "abc", 0);  // no room: nothing written
    EXPECT_EQ(buffer[0], 'q');
}

TEST(Text, FixedTextHoldsAtMostItsSizeLessOne) {
    FixedText<33> name;
    name.Set("A name much longer than thirty-two characters in all");
    EXPECT_EQ(std::strlen(name.c_str()), 32u);
    EXPECT_EQ(name.text[32], '\0');
    name.Set("Gas");  // no leftovers of the longer name after the terminator
    for (std::size_t i = 3; i < 33; ++i) EXPECT_EQ(name.text[i], '\0') << i;
    name.Set(static_cast<const char*>(nullptr));
    EXPECT_TRUE(name.empty());
    name.Set(std::string_view("exactly"));
    EXPECT_STREQ(name.c_str(), "exactly");
}

TEST(Text, ContainsNoCase) {
    EXPECT_TRUE(ContainsNoCase("Grocery Store", "STORE"));
    EXPECT_TRUE(ContainsNoCase("abc", ""));
    EXPECT_FALSE(ContainsNoCase("abc", "abcd"));
    EXPECT_FALSE(ContainsNoCase(nullptr, "a"));
    EXPECT_FALSE(ContainsNoCase("a", nullptr));
    // Only ASCII letters fold: E-acute and e-acute differ.
    EXPECT_FALSE(ContainsNoCase("Caf\xC9", "caf\xE9"));
}

TEST(Text, CompareNoCase) {
    EXPECT_EQ(CompareNoCase("Auto", "auto"), 0);
    EXPECT_LT(CompareNoCase("Auto", "Auto:Fuel"), 0);
    EXPECT_LT(CompareNoCase("apple", "Banana"), 0);
    EXPECT_GT(CompareNoCase("\xE9", "z"), 0);  // bytes compare unsigned
    EXPECT_EQ(CompareNoCase(nullptr, ""), 0);
}

TEST(Text, OwnedTextAndFileExists) {
    std::string slot = "old";
    SetOwnedText(slot, "new");
    EXPECT_EQ(slot, "new");
    SetOwnedText(slot, nullptr);
    EXPECT_EQ(slot, "");

    testing_support::TempFolder temp;
    EXPECT_TRUE(FileExists(temp.Path()));
    EXPECT_FALSE(FileExists(temp.File("missing.lst")));
}

}  // namespace
