#include "preferences/CCVRegistry.h"

#include <gtest/gtest.h>

#include "PreferencesHome.h"

namespace {

constexpr sys::HKEY kRoot = sys::HKEY_CURRENT_USER;
const std::wstring kPath = L"Software\\Test";

class CCVRegistryTest : public ::testing::Test {
  protected:
    testing_support::PreferencesHome m_home;
};

// The convenience functions never create a key: reads give the defaults, writes are dropped.
TEST_F(CCVRegistryTest, ConvenienceFunctionsNeedAnExistingKey) {
    EXPECT_FALSE(CCVRegistry::WriteString(kRoot, kPath, L"Name", L"text"));
    EXPECT_FALSE(CCVRegistry::WriteDword(kRoot, kPath, L"Number", 7));
    EXPECT_EQ(CCVRegistry::ReadString(kRoot, kPath, L"Name", L"default"), L"default");
    EXPECT_EQ(CCVRegistry::ReadDword(kRoot, kPath, L"Number"), 0u);
    CCVRegistry key(kRoot, kPath);
    EXPECT_FALSE(key.Open());

    ASSERT_TRUE(key.Create());
    EXPECT_TRUE(CCVRegistry::WriteString(kRoot, kPath, L"Name", L"text"));
    EXPECT_TRUE(CCVRegistry::WriteDword(kRoot, kPath, L"Number", 7));
    EXPECT_EQ(CCVRegistry::ReadString(kRoot, kPath, L"name", L"default"), L"text");
    EXPECT_EQ(CCVRegistry::ReadDword(kRoot, kPath, L"NUMBER"), 7u);
}

// Only a non-empty string is a string; other types read as missing rather than as garbage.
TEST_F(CCVRegistryTest, ValuesOfTheWrongKindReadAsMissing) {
    CCVRegistry key(kRoot, kPath);
    ASSERT_TRUE(key.Create());
    ASSERT_TRUE(key.SetString(L"Empty", L""));
    ASSERT_TRUE(key.SetDword(L"Number", 5));
    const std::uint8_t bytes[4] = {1, 2, 3, 4};
    ASSERT_TRUE(key.SetBinary(L"Bytes", bytes, sizeof bytes));
    ASSERT_TRUE(key.SetString(L"Text", L"x"));

    EXPECT_FALSE(key.QueryString(L"Empty").has_value());
    EXPECT_FALSE(key.QueryString(L"Number").has_value());
    EXPECT_EQ(key.QueryString(L"Text"), L"x");
    EXPECT_EQ(key.ValueSize(L"Bytes"), 4u);
    EXPECT_EQ(key.ValueSize(L"Missing"), 0u);
    EXPECT_EQ(CCVRegistry::ReadString(kRoot, kPath, L"Empty", L"default"), L"default");
    EXPECT_EQ(CCVRegistry::ReadDword(kRoot, kPath, L"Bytes"), 0u);  // binary, though 4 bytes
    EXPECT_EQ(CCVRegistry::ReadDword(kRoot, kPath, L"Text"), 0u);
}

}  // namespace
