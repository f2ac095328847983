// The automatic backups: made before the first save of a day (the folder as it was), sharing
// unchanged files, kept for 7 days and 4 weeks; a restore puts one back whole, removing data
// files the backup did not have, and a failing restore changes nothing.
#include "model/CDataBackups.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "AccountListFixture.h"
#include "model/BuiltInKey.h"
#include "model/CCVAccountList.h"
#include "platform/sys/Clock.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"

namespace {

using account_list_fixture::DataFolder;
using testing_support::ListFolder;
using testing_support::ReadBytes;
using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<CTransaction> Deposit(Amount amount) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(3'000'000'000u);
    t->SetAmount(amount);
    t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeDeposit));
    return t;
}

std::vector<std::string> Names(const CDataBackups& backups) {
    std::vector<std::string> names;
    for (const CDataBackups::Backup& backup : backups.List()) names.push_back(backup.name);
    return names;
}

class DataBackupsTest : public ::testing::Test {
  protected:
    void TearDown() override { sys::ClearTestTime(); }

    void Day(int month, int day, int hour = 9) {
        sys::SetTestTime(sys::MakeSystemTime(2026, month, day, hour, 30));
    }

    // One deposit into Checking, saved as the program saves.
    void SaveADeposit(Amount amount) {
        auto list = m_folder.Load();
        list->SetBackups(true);
        list->At(1)->AddTransaction(Deposit(amount));
        ASSERT_EQ(list->SaveAll(), 0);
    }

    DataFolder m_folder;
};

TEST_F(DataBackupsTest, TheFirstSaveOfADayKeepsTheFolderAsItWas) {
    Day(12, 1);
    m_folder.Load();
    const Bytes before = ReadBytes(m_folder.File("Checking.cvl"));
    SaveADeposit(100);
    SaveADeposit(200);  // the same day: no second backup
    CDataBackups backups(m_folder.Path());
    EXPECT_EQ(backups.Folder(),
              m_folder.Path().substr(0, m_folder.Path().size() - 1) + ".backups/");
    ASSERT_EQ(Names(backups), std::vector<std::string>{"2026-12-01"});
    const CDataBackups::Backup first = backups.List()[0];
    EXPECT_EQ(first.files, 13);
    EXPECT_EQ(ReadBytes(first.path + "Checking.cvl"), before);

    Day(12, 2);
    const Bytes second = ReadBytes(m_folder.File("Checking.cvl"));
    SaveADeposit(300);
    EXPECT_EQ(Names(backups), (std::vector<std::string>{"2026-12-02", "2026-12-01"}));
    EXPECT_EQ(ReadBytes(backups.List()[0].path + "Checking.cvl"), second);
    // A file that did not change is one file in both backups.
    struct stat a {};
    struct stat b {};
    ASSERT_EQ(::stat((backups.List()[0].path + "Visa.cvl").c_str(), &a), 0);
    ASSERT_EQ(::stat((first.path + "Visa.cvl").c_str(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    // The lock and temporary files are no data.
    EXPECT_FALSE(sys::PathExists(first.path + ".coinvale.lock"));

    // Another backup the same day (before an import) is named by the time as well.
    Day(12, 2, 14);
    ASSERT_EQ(backups.MakeNow(), 0);
    EXPECT_EQ(Names(backups)[0], "2026-12-02-143000");
}

TEST_F(DataBackupsTest, SevenDaysAndFourWeeksAreKept) {
    m_folder.Load();
    CDataBackups backups(m_folder.Path());
    // Every day of November and the first days of December.
    for (int day = 1; day <= 30; ++day) {
        Day(11, day);
        ASSERT_EQ(backups.BeforeFirstSaveOfDay(), 0);
        ASSERT_EQ(backups.BeforeFirstSaveOfDay(), 0);  // once a day
    }
    for (int day = 1; day <= 3; ++day) {
        Day(12, day);
        ASSERT_EQ(backups.BeforeFirstSaveOfDay(), 0);
    }
    // The 7 newest days, then the newest day of each of the 4 weeks before them (weeks counted
    // from 1601-01-01, a Monday: 2026-11-23 is a Monday).
    EXPECT_EQ(Names(backups),
              (std::vector<std::string>{"2026-12-03", "2026-12-02", "2026-12-01", "2026-11-30",
                                        "2026-11-29", "2026-11-28", "2026-11-27", "2026-11-22",
                                        "2026-11-15", "2026-11-08", "2026-11-01"}));
}

TEST_F(DataBackupsTest, ARestorePutsABackupBackWholeOrNotAtAll) {
    Day(12, 1);
    auto list = m_folder.Load();
    list->SetBackups(true);
    list->At(1)->AddTransaction(Deposit(100));
    ASSERT_EQ(list->SaveAll(), 0);
    const Bytes checking = ReadBytes(m_folder.File("Checking.cvl"));
    Day(12, 2);
    list->At(1)->AddTransaction(Deposit(50));
    ASSERT_EQ(list->SaveAll(), 0);  // backs up the folder with the first deposit
    std::unique_ptr<CCVAccount> added = std::make_unique<CCVAccount>();
    added->SetName("Brokerage");
    ASSERT_EQ(list->AddAccount(added), 0);
    const std::vector<std::string> now = ListFolder(m_folder.Path());

    CDataBackups backups(m_folder.Path());
    {
        sys::ScopedFileFault full(sys::FileStep::Write);
        EXPECT_EQ(backups.Restore("2026-12-02"), 1);
    }
    EXPECT_EQ(ListFolder(m_folder.Path()), now);
    EXPECT_NE(ReadBytes(m_folder.File("Checking.cvl")), checking);
    EXPECT_EQ(backups.Restore("2026-12-09"), 1);  // none of that name
    EXPECT_EQ(backups.LastFailure().kind, CDataFolderFiles::Failure::kNone);
    EXPECT_EQ(backups.Restore("../data"), 1);

    Day(12, 2, 18);
    ASSERT_EQ(backups.Restore("2026-12-02"), 0);
    EXPECT_EQ(ReadBytes(m_folder.File("Checking.cvl")), checking);
    EXPECT_FALSE(sys::PathExists(m_folder.File("Brokerage.cvl")));  // not in that backup
    // What was there before the restore is a backup of its own.
    const std::vector<CDataBackups::Backup> kept = backups.List();
    ASSERT_EQ(kept[0].name, "2026-12-02-183000");
    EXPECT_TRUE(sys::FileExists(kept[0].path + "Brokerage.cvl"));
    auto reloaded = m_folder.Load();
    EXPECT_EQ(reloaded->Count(), 5u);
    EXPECT_EQ(reloaded->At(1)->GetBalance(CCVAccount::kBalanceCurrent), 100);
}

}  // namespace
