#include "preferences/CCVPreferences.h"

#include <gtest/gtest.h>

#include "PreferencesHome.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"
#include "platform/sys/RegistryFile.h"
#include "preferences/CCVRegistry.h"

namespace {

using Column = CCVPreferences::Column;

constexpr sys::HKEY kRoot = sys::HKEY_CURRENT_USER;
const std::wstring kUserKey = L"Software\\Brightmoor\\Coinvale HandHeld\\HandHeld - Generic";

bool KeyExists(const std::wstring& path) {
    return CCVRegistry(kRoot, path).Open();
}

std::string RegistryText(const testing_support::PreferencesHome& home) {
    const std::vector<std::uint8_t> bytes =
        testing_support::ReadBytes(home.Folder().File("registry.reg"));
    return {bytes.begin(), bytes.end()};
}

// Zero bytes except the (offset, byte) pairs given.
template <std::size_t N>
std::array<std::uint8_t, N> Record(
    std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    std::array<std::uint8_t, N> record{};
    for (const auto& [offset, byte] : bytes) record.at(offset) = byte;
    return record;
}

class CCVPreferencesTest : public ::testing::Test {
  protected:
    testing_support::PreferencesHome m_home;
    CCVPreferences m_preferences;
};

TEST_F(CCVPreferencesTest, FirstStartOnACleanRegistry) {
    ASSERT_EQ(m_preferences.SelectUser(), 0);
    EXPECT_EQ(CCVPreferences::UserKey(), kUserKey);
    EXPECT_TRUE(KeyExists(L"Software\\Brightmoor\\Coinvale HandHeld"));
    EXPECT_TRUE(KeyExists(kUserKey));
    EXPECT_TRUE(KeyExists(kUserKey + L"\\Preferences"));
    EXPECT_EQ(m_preferences.CurrentSettingsKey(), kUserKey + L"\\Preferences");

    EXPECT_TRUE(m_preferences.GetShowYear());
    EXPECT_TRUE(m_preferences.GetShowDecimal());
    EXPECT_EQ(m_preferences.GetLockTime(), 0u);
    EXPECT_EQ(m_preferences.GetLastReportType(), 0u);
    EXPECT_EQ(m_preferences.GetUpcomingThroughMode(), 0u);
    EXPECT_EQ(m_preferences.GetLastActiveAccount(), L"");
    CCVPreferences::PasswordCrib crib;
    crib.fill(0xEE);
    EXPECT_FALSE(m_preferences.GetPasswordCrib(crib));
    EXPECT_EQ(crib, CCVPreferences::PasswordCrib{});

    const std::wstring documents = sys::Utf8ToWide(m_home.Documents());
    EXPECT_EQ(m_preferences.GetUserPath(), documents + L"Brightmoor/Coinvale/");
    EXPECT_EQ(m_preferences.GetImportPath(), documents + L"Brightmoor/Coinvale/Import/");

    // The records the report and budget screens start from, byte for byte.
    CCVPreferences::FontRecord font;
    font.fill(0xEE);
    EXPECT_TRUE(m_preferences.GetDefaultFont(font));
    EXPECT_EQ(font, CCVPreferences::FontRecord{});
    CCVPreferences::ReportData report{};
    ASSERT_TRUE(m_preferences.GetReportData(report));
    EXPECT_EQ(report, (Record<132>({{120, 0xAB}, {121, 0xAB}, {122, 0xAB}})));
    CCVPreferences::BudgetSetting budget{};
    ASSERT_TRUE(m_preferences.GetBudgetSetting(budget));
    EXPECT_EQ(budget, (Record<92>({{9, 1}, {10, 1}, {84, 0xAB}, {85, 0xAB}, {86, 0xAB}})));
    CCVPreferences::ReportSetting setting{};
    ASSERT_TRUE(m_preferences.GetReportSetting(setting));
    EXPECT_EQ(setting, (Record<92>({{10, 1}, {11, 1}, {84, 0xAB}, {85, 0xAB}, {86, 0xAB}})));

    // The general settings key starts empty; the user key holds exactly the first values.
    const std::string text = RegistryText(m_home);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Brightmoor\\Coinvale HandHeld\\HandHeld - "
                        "Generic\\Preferences]\n\n"),
              std::string::npos);
    for (const char* line :
         {"\"Show Year\"=dword:00000001\n", "\"Show Decimal\"=dword:00000001\n",
          "\"Last Report Type\"=dword:00000000\n", "\"User Path\"=\"", "\"Import Path\"=\"",
          "\"Default Font\"=hex:00,",
          "\"Report Data\"=hex:", "\"Budget Setting\"=hex:", "\"Report Setting\"=hex:"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    for (const char* name : {"LockTime", "Password Crib", "Last Active Account", "Upcoming"}) {
        EXPECT_EQ(text.find(name), std::string::npos) << name;
    }
}

// Starting again keeps what the user changed.
TEST_F(CCVPreferencesTest, LaterStartsKeepTheValues) {
    ASSERT_EQ(m_preferences.SelectUser(), 0);
    ASSERT_TRUE(m_preferences.SetShowYear(false));
    ASSERT_TRUE(m_preferences.SetUserPath(L"/srv/money/"));
    CCVPreferences next;
    ASSERT_EQ(next.SelectUser(), 0);
    EXPECT_FALSE(next.GetShowYear());
    EXPECT_EQ(next.GetUserPath(), L"/srv/money/");
    // An emptied path falls back to the default folder.
    ASSERT_TRUE(next.SetUserPath(L""));
    EXPECT_EQ(next.GetUserPath(), CCVPreferences::DefaultUserPath());
}

TEST_F(CCVPreferencesTest, SelectAccountCreatesItsSettingsAndIsRemembered) {
    ASSERT_EQ(m_preferences.SelectUser(), 0);
    ASSERT_EQ(m_preferences.SelectAccount(L"Savings"), 0);
    const std::wstring savings = kUserKey + L"\\CV_ Savings";
    EXPECT_EQ(m_preferences.CurrentSettingsKey(), savings);
    EXPECT_TRUE(KeyExists(savings));
    EXPECT_EQ(m_preferences.GetLastActiveAccount(), L"Savings");

    const std::pair<Column, bool> defaults[] = {
        {Column::Clear, true},    {Column::Icon, true},
        {Column::Date, false},    {Column::TransactionType, false},
        {Column::Payee, true},    {Column::Category, false},
        {Column::Class, false},   {Column::Amount, true},
        {Column::Balance, false}, {Column::Memo, false},
    };
    for (const auto& [column, shown] : defaults) {
        EXPECT_EQ(m_preferences.GetColumnShown(column), shown) << static_cast<int>(column);
    }
    EXPECT_NE(RegistryText(m_home).find("\"Acc Type Coloumn\"=dword:00000000\n"),
              std::string::npos);
    CCVPreferences::FontRecord font;
    font.fill(0xEE);
    EXPECT_TRUE(m_preferences.GetFont(font));
    EXPECT_EQ(font, CCVPreferences::FontRecord{});

    // A changed setting is not reset by selecting the account again.
    ASSERT_TRUE(m_preferences.SetColumnShown(Column::Date, true));
    ASSERT_EQ(m_preferences.SelectAccount(L"Savings"), 0);
    EXPECT_TRUE(m_preferences.GetColumnShown(Column::Date));

    // The next start selects it again.
    CCVPreferences next;
    ASSERT_EQ(next.SelectUser(), 0);
    EXPECT_EQ(next.CurrentSettingsKey(), savings);
    EXPECT_TRUE(next.GetColumnShown(Column::Date));

    // No name: the general settings, and the last active account stays.
    ASSERT_EQ(next.SelectAccount(L""), 0);
    EXPECT_EQ(next.CurrentSettingsKey(), kUserKey + L"\\Preferences");
    EXPECT_EQ(next.GetLastActiveAccount(), L"Savings");
}

TEST_F(CCVPreferencesTest, BinaryValuesOfTheWrongSizeAreIgnored) {
    ASSERT_EQ(m_preferences.SelectUser(), 0);
    ASSERT_EQ(m_preferences.SelectAccount(L"Checking"), 0);
    const std::wstring settings = m_preferences.CurrentSettingsKey();
    for (const std::uint32_t size : {71u, 73u}) {
        const std::vector<std::uint8_t> wrong(size, 0x11);
        ASSERT_TRUE(CCVRegistry::WriteBinary(kRoot, settings, L"Font", wrong.data(), size));
        CCVPreferences::FontRecord font;
        font.fill(0xEE);
        const CCVPreferences::FontRecord untouched = font;
        EXPECT_FALSE(m_preferences.GetFont(font)) << size;
        EXPECT_EQ(font, untouched) << size;
    }
    // A crib of another size is no crib: it reads as no password, zero-filled.
    const std::vector<std::uint8_t> shortCrib(39, 0x55);
    ASSERT_TRUE(CCVRegistry::WriteBinary(kRoot, kUserKey, L"Password Crib", shortCrib.data(), 39));
    CCVPreferences::PasswordCrib crib;
    crib.fill(0xEE);
    EXPECT_FALSE(m_preferences.GetPasswordCrib(crib));
    EXPECT_EQ(crib, CCVPreferences::PasswordCrib{});
    CCVPreferences::PasswordCrib stored;
    stored.fill(0x42);
    ASSERT_TRUE(m_preferences.SetPasswordCrib(stored));
    EXPECT_TRUE(m_preferences.GetPasswordCrib(crib));
    EXPECT_EQ(crib, stored);
}

TEST_F(CCVPreferencesTest, RowColourZeroMeansTheCallersDefault) {
    ASSERT_EQ(m_preferences.SelectUser(), 0);
    ASSERT_EQ(m_preferences.SelectAccount(L"Cash"), 0);
    constexpr std::uint32_t kOwnDefault = 0x00C0FFEE;
    EXPECT_EQ(m_preferences.GetRowColor(kOwnDefault), kOwnDefault);  // never written
    ASSERT_TRUE(m_preferences.SetRowColor(0));
    EXPECT_EQ(m_preferences.GetRowColor(kOwnDefault), kOwnDefault);
    ASSERT_TRUE(m_preferences.SetRowColor(0x000000FF));
    EXPECT_EQ(m_preferences.GetRowColor(kOwnDefault), 0x000000FFu);
}

// The institution directory's location: the built-in directory until one is set.
TEST_F(CCVPreferencesTest, InstitutionDirectory) {
    ASSERT_EQ(m_preferences.SelectUser(), 0);
    EXPECT_EQ(m_preferences.GetInstitutionDirectory(), L"");
    EXPECT_TRUE(m_preferences.SetInstitutionDirectory(L"https://directory.example/fi.txt"));
    EXPECT_EQ(m_preferences.GetInstitutionDirectory(), L"https://directory.example/fi.txt");
    EXPECT_NE(RegistryText(m_home).find("\"Institution Directory\"="), std::string::npos);
}

// Before the keys exist nothing is written anywhere; getters give their defaults.
TEST_F(CCVPreferencesTest, WritesBeforeSelectUserAreDropped) {
    EXPECT_FALSE(m_preferences.SetShowYear(true));
    EXPECT_FALSE(m_preferences.SetColumnShown(Column::Memo, true));
    EXPECT_FALSE(m_preferences.GetShowYear());
    EXPECT_EQ(m_preferences.GetUserPath(), CCVPreferences::DefaultUserPath());
    EXPECT_FALSE(sys::FileExists(m_home.Folder().File("registry.reg")));
}

// A registry that cannot be written is reported; the program can still run on the defaults.
TEST_F(CCVPreferencesTest, UnwritableRegistryIsReported) {
    sys::ScopedFileFault fault(sys::FileStep::Rename);
    EXPECT_EQ(m_preferences.SelectUser(), CCVPreferences::kKeyNotCreated);
    EXPECT_EQ(m_preferences.SelectAccount(L"Savings"), CCVPreferences::kKeyNotCreated);
    EXPECT_EQ(m_preferences.GetLockTime(), 0u);
    EXPECT_EQ(m_preferences.GetImportPath(), CCVPreferences::DefaultImportPath());
}

}  // namespace

namespace {

// Fault: a settings file cut so that "User Path" was lost was rewritten with the default path,
// with no word and no copy of what it held. The file is kept as a damaged copy first, and the
// copy is noted for the program to tell.
TEST(CCVPreferencesDamage, ASettingsFileThatLostValuesIsKeptAside) {
    testing_support::PreferencesHome home;
    CCVPreferences preferences;
    ASSERT_EQ(preferences.SelectUser(), 0);
    ASSERT_TRUE(preferences.SetUserPath(L"/srv/money/"));
    const std::string path = home.Folder().File("registry.reg");
    const std::string whole = RegistryText(home);

    // The "User Path" line gone, the file otherwise well formed.
    std::string lost = whole;
    const std::size_t line = lost.find("\"User Path\"");
    ASSERT_NE(line, std::string::npos);
    lost.erase(line, lost.find('\n', line) + 1 - line);
    testing_support::WriteBytes(path, std::vector<std::uint8_t>(lost.begin(), lost.end()));
    sys::RegistryFile::TakeDamagedCopyNotice();
    ASSERT_EQ(preferences.SelectUser(), 0);
    EXPECT_EQ(sys::RegistryFile::TakeDamagedCopyNotice(), path + ".damaged");
    const std::vector<std::uint8_t> kept = testing_support::ReadBytes(path + ".damaged");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), lost);
    EXPECT_EQ(preferences.GetUserPath(), CCVPreferences::DefaultUserPath());

    // Cut in the middle of a key: the next change keeps the cut file before it writes.
    const std::string cut = whole.substr(0, whole.find("\"Import Path\""));
    testing_support::WriteBytes(path, std::vector<std::uint8_t>(cut.begin(), cut.end()));
    ASSERT_TRUE(preferences.SetShowYear(false));
    EXPECT_EQ(sys::RegistryFile::TakeDamagedCopyNotice(), path + ".damaged-2");
    EXPECT_EQ(sys::RegistryFile::TakeDamagedCopyNotice(), "");  // told once
    // A whole file changes without a copy.
    ASSERT_TRUE(preferences.SetShowYear(true));
    EXPECT_EQ(sys::RegistryFile::TakeDamagedCopyNotice(), "");
    EXPECT_FALSE(sys::PathExists(path + ".damaged-3"));
}

}  // namespace
