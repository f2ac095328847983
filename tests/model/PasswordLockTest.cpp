// The lock password's rule and its checks in their order, the outcome when the new password
// cannot be stored, and the lock delays and due time.
#include "model/CPasswordLock.h"

#include <gtest/gtest.h>

#include "AccountListFixture.h"
#include "model/CVModel.h"
#include "platform/sys/FileFault.h"
#include "preferences/PreferencesHome.h"
#include "resources/ScreenIds.h"
#include "storage/CCVPassword.h"

namespace {

class PasswordLockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_model.SetListMakers(account_list_fixture::TestListMakers());
        ASSERT_EQ(m_model.PreparePreferences(), 0);
    }
    res::StringId Change(const char* old, const char* fresh, const char* confirmation) {
        return CPasswordLock::Change(m_model, old, fresh, confirmation).message;
    }
    bool IsSet() { return m_model.PasswordState() == CCVPassword::kPasswordSet; }

    testing_support::PreferencesHome m_home;
    CVModel m_model;
};

TEST(PasswordRuleTest, TwoCharactersOfWhichTwoDiffer) {
    for (const char* taken : {"", "ab", "aab", "ba", "a1", "  x", "Aa"}) {
        EXPECT_TRUE(CPasswordLock::IsAcceptable(taken)) << taken;
    }
    for (const char* refused : {"a", "aa", "aaa", "  ", "1111111111"}) {
        EXPECT_FALSE(CPasswordLock::IsAcceptable(refused)) << refused;
    }
}

TEST_F(PasswordLockTest, SetChangeAndRemove) {
    EXPECT_EQ(Change("ignored", "ab", "ab"), res::IDS_NONE) << "no old password is asked";
    EXPECT_TRUE(IsSet());
    EXPECT_EQ(Change("ab", "Secret", "Secret"), res::IDS_NONE);
    EXPECT_EQ(CPasswordLock::Unlock(m_model, "ab").message, res::IDS_PASSWORD_INCORRECT);
    EXPECT_TRUE(CPasswordLock::Unlock(m_model, "Secret").IsDone());
    EXPECT_EQ(CPasswordLock::Unlock(m_model, "secret").message, res::IDS_PASSWORD_INCORRECT);
    EXPECT_EQ(CPasswordLock::Unlock(m_model, "").message, res::IDS_PASSWORD_INCORRECT);

    EXPECT_EQ(Change("Secret", "", ""), res::IDS_NONE);
    EXPECT_FALSE(IsSet());
    EXPECT_EQ(CPasswordLock::Unlock(m_model, "").message, res::IDS_PASSWORD_INCORRECT)
        << "with no password there is nothing to unlock with";
}

TEST_F(PasswordLockTest, TheChecksComeInTheirOrderAndLeaveThePasswordAlone) {
    ASSERT_EQ(Change("", "old1", "old1"), res::IDS_NONE);
    // Everything wrong at once: the confirmation is looked at first.
    EXPECT_EQ(Change("wrong", "a", "b"), res::IDS_PASSWORD_MISMATCH);
    // Then the rule, before the old password.
    EXPECT_EQ(Change("wrong", "aa", "aa"), res::IDS_PASSWORD_RULE);
    EXPECT_EQ(Change("wrong", "new1", "new1"), res::IDS_OLD_PASSWORD_WRONG);
    EXPECT_EQ(Change("wrong", "", ""), res::IDS_OLD_PASSWORD_WRONG) << "removing needs it too";
    // The comparison is exact.
    EXPECT_EQ(Change("old1", "new1", "New1"), res::IDS_PASSWORD_MISMATCH);
    EXPECT_TRUE(CPasswordLock::Unlock(m_model, "old1").IsDone());
    EXPECT_TRUE(IsSet());
}

TEST_F(PasswordLockTest, APasswordThatCannotBeStoredIsReportedNotTakenForDone) {
    ASSERT_EQ(Change("", "old1", "old1"), res::IDS_NONE);
    {
        sys::ScopedFileFault fault(sys::FileStep::Rename);
        const EditOutcome outcome = CPasswordLock::Change(m_model, "old1", "new1", "new1");
        EXPECT_FALSE(outcome.IsDone());
        EXPECT_EQ(outcome.message, res::IDS_PASSWORD_NOT_STORED);
        EXPECT_EQ(Change("old1", "", ""), res::IDS_PASSWORD_NOT_STORED);
    }
    EXPECT_TRUE(CPasswordLock::Unlock(m_model, "old1").IsDone());
    EXPECT_EQ(CPasswordLock::Unlock(m_model, "new1").message, res::IDS_PASSWORD_INCORRECT);
}

// Mended: the stored index 6 ("After 15 Minutes") used to wait 20 minutes and index 7 ("After 20
// Minutes") not at all; each now waits as long as its label says.
TEST(LockDelayTest, EachChoiceWaitsAsLongAsItsLabelSays) {
    const std::uint32_t expected[] = {0, 60, 120, 180, 300, 600, 900, 1200, 1800};
    for (std::uint32_t index = 0; index < CPasswordLock::kDelayCount; ++index) {
        EXPECT_EQ(CPasswordLock::DelaySeconds(index), expected[index]) << index;
    }
    EXPECT_EQ(CPasswordLock::DelaySeconds(9), 0u);
    EXPECT_EQ(CPasswordLock::DelaySeconds(0xFFFFFFFFu), 0u);
}

TEST_F(PasswordLockTest, TheLockFallsDueTheChosenDelayAfterItWasRearmed) {
    const CCVPreferences& preferences = m_model.GetPreferences();
    const DateTime now = 3'900'000'000u;
    ASSERT_TRUE(CPasswordLock::SetDelay(preferences, 6, now));
    EXPECT_EQ(preferences.GetLockTime(), 6u);
    EXPECT_FALSE(CPasswordLock::IsDue(preferences, now + 899));
    EXPECT_TRUE(CPasswordLock::IsDue(preferences, now + 900));

    CPasswordLock::Rearm(preferences, now + 1000);
    EXPECT_FALSE(CPasswordLock::IsDue(preferences, now + 1899));
    EXPECT_TRUE(CPasswordLock::IsDue(preferences, now + 1900));

    ASSERT_TRUE(CPasswordLock::SetDelay(preferences, 0, now));
    EXPECT_TRUE(CPasswordLock::IsDue(preferences, now)) << "Immediately";

    sys::ScopedFileFault fault(sys::FileStep::Rename);
    EXPECT_FALSE(CPasswordLock::SetDelay(preferences, 8, now));
}

}  // namespace
