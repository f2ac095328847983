// The model object: start-up from the registry's folders, the reminder values it writes, saving
// and the synchronisation freeze, the reload, and the password that the account files follow.
#include "model/CVModel.h"

#include <gtest/gtest.h>

#include "AccountListFixture.h"
#include "model/BuiltInKey.h"
#include "model/CScheduledList.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Files.h"
#include "preferences/CCVRegistry.h"
#include "preferences/CCVTodayPlugIn.h"
#include "preferences/PreferencesHome.h"

namespace {

using testing_support::ReadBytes;

class CVModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_model.SetListMakers(account_list_fixture::TestListMakers());
        ASSERT_EQ(m_model.PreparePreferences(), 0);
    }

    std::string DataFolder() const { return m_home.Documents() + "Brightmoor/Coinvale/"; }

    std::unique_ptr<CTransaction> Deposit(Amount amount) {
        auto t = std::make_unique<CTransaction>();
        t->SetAmount(amount);
        t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeDeposit));
        return t;
    }

    testing_support::PreferencesHome m_home;
    CVModel m_model;
};

TEST_F(CVModelTest, FirstStartFromACleanRegistry) {
    // The reminder program left a time and its status from the last exit.
    CCVTodayPlugIn::WriteNearestDateTime(3'000'000'000u);
    CCVTodayPlugIn::WriteReminderStatus(CCVTodayPlugIn::kProgramExited);

    ASSERT_EQ(m_model.Init(), 0);
    EXPECT_TRUE(m_model.IsInitialised());
    EXPECT_EQ(m_model.GetDataFolder(), DataFolder());
    EXPECT_EQ(m_model.GetImportFolder(), DataFolder() + "Import/");
    ASSERT_NE(m_model.GetAccountList(), nullptr);
    EXPECT_EQ(m_model.GetAccountList()->Count(), 5u);
    EXPECT_TRUE(sys::FileExists(DataFolder() + "Checking.cvl"));
    EXPECT_EQ(CCVTodayPlugIn::ReadReminderStatus(), CCVTodayPlugIn::kProgramRunning);
    EXPECT_EQ(CCVTodayPlugIn::ReadNearestDateTime(), 3'000'000'000u);
    EXPECT_EQ(m_model.GetImportList()->Count(), 0u);

    // A second Init does nothing: the same list, nothing read twice.
    CCVAccountList* first = m_model.GetAccountList();
    EXPECT_EQ(m_model.Init(), 0);
    EXPECT_EQ(m_model.GetAccountList(), first);
    EXPECT_EQ(first->Count(), 5u);

    EXPECT_EQ(m_model.SetCurrentAccount(5), 1);
    EXPECT_EQ(m_model.GetCurrentAccount(), nullptr);
    ASSERT_EQ(m_model.SetCurrentAccount(1), 0);
    EXPECT_STREQ(m_model.GetCurrentAccount()->GetName(), "Checking");
}

TEST_F(CVModelTest, UserPathWithoutItsSeparator) {
    const std::string folder = m_home.Folder().File("elsewhere");
    ASSERT_TRUE(m_model.GetPreferences().SetUserPath(sys::Utf8ToWide(folder)));
    ASSERT_EQ(m_model.Init(), 0);
    EXPECT_EQ(m_model.GetDataFolder(), folder + "/");
    EXPECT_TRUE(sys::FileExists(folder + "/Visa.cvl"));
}

TEST_F(CVModelTest, NothingIsSavedAfterASynchronisationEnds) {
    ASSERT_EQ(m_model.Init(), 0);
    const std::string checking = DataFolder() + "Checking.cvl";
    m_model.GetAccountList()->At(1)->AddTransaction(Deposit(100));
    ASSERT_EQ(m_model.SaveIfAllowed(), 0);
    const auto synchronised = ReadBytes(checking);

    m_model.SetReloadPending(true);
    m_model.GetAccountList()->At(1)->AddTransaction(Deposit(200));
    EXPECT_EQ(m_model.SaveAndRelease(), 0);
    EXPECT_EQ(m_model.GetAccountList(), nullptr);
    EXPECT_EQ(ReadBytes(checking), synchronised);
}

TEST_F(CVModelTest, ReinitReadsTheFilesAgain) {
    ASSERT_EQ(m_model.Init(), 0);
    m_model.GetAccountList()->At(1)->AddTransaction(Deposit(100));
    ASSERT_EQ(m_model.SaveIfAllowed(), 0);
    m_model.GetAccountList()->At(1)->AddTransaction(Deposit(200));  // discarded
    m_model.SetReloadPending(true);

    ASSERT_EQ(m_model.Reinit(), 0);
    EXPECT_TRUE(m_model.IsInitialised());
    EXPECT_EQ(m_model.GetAccountList()->At(1)->GetBalance(CCVAccount::kBalanceCurrent), 100);
    EXPECT_EQ(m_model.GetAccountList()->GetCategories().Count(), 30u);
}

TEST_F(CVModelTest, StartUpWorksOutAReminderTimeOfZeroFromTheScheduledList) {
    ASSERT_EQ(m_model.Init(), 0);
    CScheduledList* scheduled = m_model.GetAccountList()->GetScheduledTransactions();
    ASSERT_NE(scheduled, nullptr);
    auto item = std::make_unique<CScheduledItem>();
    item->SetAccountId(m_model.GetAccountList()->At(1)->GetAccountId());
    item->SetNextDate(3'100'000'000u);
    item->SetFrequency(kFrequencyMonthly);
    item->SetRemainingCount(CScheduledItem::kIndefinitely);
    item->SetEnterMode(CScheduledItem::kRemindMe);
    item->SetDaysInAdvance(2);
    const DateTime reminder = item->GetReminderTime();
    scheduled->Append(item.release());
    ASSERT_EQ(m_model.SaveAndRelease(), 0);

    // A stored time is kept as it is; 0 is worked out again from the list file just read.
    CCVTodayPlugIn::WriteNearestDateTime(5);
    ASSERT_EQ(m_model.Init(), 0);
    EXPECT_EQ(CCVTodayPlugIn::ReadNearestDateTime(), 5u);
    ASSERT_EQ(m_model.GetAccountList()->GetScheduledTransactions()->Count(), 1u);
    CCVTodayPlugIn::WriteNearestDateTime(0);
    ASSERT_EQ(m_model.Reinit(), 0);
    EXPECT_EQ(CCVTodayPlugIn::ReadNearestDateTime(), reminder);
}

TEST_F(CVModelTest, AccountFilesFollowThePassword) {
    ASSERT_EQ(m_model.Init(), 0);
    m_model.GetAccountList()->At(1)->Record().SetCustomerId("customer-7");
    EXPECT_EQ(m_model.PasswordState(), CCVPassword::kNoPassword);
    ASSERT_EQ(m_model.ChangePassword("s3cret", ""), CCVPassword::kRight);
    ASSERT_NE(m_model.GetPasswordCipher(), nullptr);

    // Saved at once with the new password: another start needs it to read the protected bytes.
    // (One program holds the data folder at a time.)
    ASSERT_EQ(m_model.SaveAndRelease(), 0);
    CVModel other;
    other.SetListMakers(account_list_fixture::TestListMakers());
    EXPECT_EQ(other.PasswordState(), CCVPassword::kPasswordSet);
    EXPECT_EQ(other.CheckPassword("S3CRET"), CCVPassword::kWrong);
    EXPECT_EQ(other.CheckPassword(""), CCVPassword::kWrong);
    ASSERT_EQ(other.CheckPassword("s3cret"), CCVPassword::kRight);
    ASSERT_EQ(other.Init(), 0);
    EXPECT_EQ(other.GetAccountList()->At(1)->Record().GetCustomerId(), "customer-7");
    ASSERT_EQ(other.SaveAndRelease(), 0);

    // Removing it writes the bytes plain again.
    ASSERT_EQ(m_model.CheckPassword("s3cret"), CCVPassword::kRight);
    ASSERT_EQ(m_model.Init(), 0);
    EXPECT_EQ(m_model.ChangePassword("", "wrong"), CCVPassword::kWrong);
    ASSERT_EQ(m_model.ChangePassword("", "s3cret"), CCVPassword::kRight);
    EXPECT_EQ(m_model.GetPasswordCipher(), nullptr);
    ASSERT_EQ(m_model.SaveAndRelease(), 0);
    CVModel plain;
    ASSERT_EQ(plain.Init(), 0);
    EXPECT_EQ(plain.GetAccountList()->At(1)->Record().GetCustomerId(), "customer-7");
}

}  // namespace
