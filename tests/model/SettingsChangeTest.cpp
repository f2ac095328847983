// The preferences screen's rules: which folders and institution directories are taken, and the
// change of the data folder, which saves the old data, reads the new folder, and gives up (with
// the old folder read again) when the new one cannot be used.
#include "model/CSettingsChange.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "AccountListFixture.h"
#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/FolderLock.h"
#include "preferences/PreferencesHome.h"
#include "resources/ScreenIds.h"

namespace {

class SettingsChangeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_model.SetListMakers(account_list_fixture::TestListMakers());
        ASSERT_EQ(m_model.PreparePreferences(), 0);
        ASSERT_EQ(m_model.Init(), 0);
    }
    std::wstring Wide(const std::string& text) const { return sys::Utf8ToWide(text); }
    std::string Path(const char* name) const { return m_home.Folder().Path() + name; }
    void AddToChecking() {
        CCVAccountList& accounts = *m_model.GetAccountList();
        CCVAccount* checking =
            accounts.At(accounts.FindAccount(accounts.FindAccountByName("Checking")));
        auto t = std::make_unique<CTransaction>();
        t->SetAmount(2540);
        t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeWithdrawal));
        ASSERT_EQ(checking->AddTransaction(std::move(t)), 0);
    }

    // Whether another holder could take the folder's writer's lock now.
    static bool IsLocked(const std::string& folder) {
        sys::FolderLock probe;
        return probe.Acquire(folder, std::chrono::milliseconds(0)) ==
               sys::FolderLock::kHeldElsewhere;
    }
    // A data folder with its first accounts, made as `coinvale init` makes one.
    void MakeDataFolder(const std::string& folder) {
        CVModel other;
        other.SetListMakers(account_list_fixture::TestListMakers());
        ASSERT_EQ(other.InitForCommand(folder, CVModel::kCreate), 0);
        other.SaveAndRelease();
    }

    testing_support::PreferencesHome m_home;
    CVModel m_model;
};

TEST_F(SettingsChangeTest, FoldersMustBeFullPathsThatCanBeWritten) {
    EXPECT_EQ(CSettingsChange::CheckFolder(L"").message, res::IDS_FOLDER_NOT_ABSOLUTE);
    EXPECT_EQ(CSettingsChange::CheckFolder(L"Documents/Money").message,
              res::IDS_FOLDER_NOT_ABSOLUTE);
    std::ofstream(Path("plain-file")) << "x";
    EXPECT_EQ(CSettingsChange::CheckFolder(Wide(Path("plain-file/inside"))).message,
              res::IDS_FOLDER_NOT_USABLE);

    // A new folder is made, and the check leaves nothing in it.
    EXPECT_TRUE(CSettingsChange::CheckFolder(Wide(Path("new/deeper"))).IsDone());
    EXPECT_TRUE(std::filesystem::is_directory(Path("new/deeper")));
    EXPECT_TRUE(std::filesystem::is_empty(Path("new/deeper")));

    EXPECT_TRUE(CSettingsChange::SameFolder(L"/a/b/", L"/a/b"));
    EXPECT_FALSE(CSettingsChange::SameFolder(L"/a/b", L"/a/bc"));
}

TEST_F(SettingsChangeTest, TheInstitutionDirectoryIsAFileOrAnHttpsAddress) {
    std::ofstream(Path("FiDirectory.txt")) << "x";
    for (const std::wstring& taken : {std::wstring(), std::wstring(L"https://example.org/fi.txt"),
                                      Wide(Path("FiDirectory.txt"))}) {
        EXPECT_TRUE(CSettingsChange::CheckInstitutionDirectory(taken).IsDone());
    }
    for (const std::wstring& refused :
         {std::wstring(L"http://example.org/fi.txt"), Wide(Path("missing.txt")), Wide(Path(""))}) {
        EXPECT_EQ(CSettingsChange::CheckInstitutionDirectory(refused).message,
                  res::IDS_DIRECTORY_NOT_USABLE);
    }
}

TEST_F(SettingsChangeTest, ANewDataFolderIsReadAfterTheOldDataIsSaved) {
    const std::string old = m_model.GetDataFolder();
    const auto before = std::filesystem::file_size(old + "Checking.cvl");
    AddToChecking();
    ASSERT_TRUE(CSettingsChange::ChangeDataFolder(m_model, Wide(Path("elsewhere")), true).IsDone());
    EXPECT_GT(std::filesystem::file_size(old + "Checking.cvl"), before) << "saved first";
    EXPECT_EQ(m_model.GetDataFolder(), Path("elsewhere/"));
    EXPECT_EQ(m_model.GetPreferences().GetUserPath(), Wide(Path("elsewhere")));
    ASSERT_NE(m_model.GetAccountList(), nullptr);
    EXPECT_EQ(m_model.GetAccountList()->Count(), 5u) << "a fresh folder gets its first accounts";
    EXPECT_TRUE(std::filesystem::exists(Path("elsewhere/Checking.cvl")));

    // The same folder again reads nothing again.
    CCVAccountList* list = m_model.GetAccountList();
    EXPECT_TRUE(
        CSettingsChange::ChangeDataFolder(m_model, Wide(Path("elsewhere/")), true).IsDone());
    EXPECT_EQ(m_model.GetAccountList(), list);
}

TEST_F(SettingsChangeTest, AFolderThatCannotBeUsedChangesNothing) {
    const std::wstring old = m_model.GetPreferences().GetUserPath();
    std::ofstream(Path("plain-file")) << "x";
    EXPECT_EQ(
        CSettingsChange::ChangeDataFolder(m_model, Wide(Path("plain-file/data")), true).message,
        res::IDS_FOLDER_NOT_USABLE);
    EXPECT_EQ(m_model.GetPreferences().GetUserPath(), old);
    EXPECT_EQ(CSettingsChange::ChangeDataFolder(m_model, L"relative", true).message,
              res::IDS_FOLDER_NOT_ABSOLUTE);

    // The old data cannot be saved: nothing else happens either.
    AddToChecking();
    {
        sys::ScopedFileFault fault(sys::FileStep::Rename);
        EXPECT_EQ(CSettingsChange::ChangeDataFolder(m_model, Wide(Path("elsewhere")), true).message,
                  res::IDS_DATA_NOT_SAVED_SCREEN);
    }
    EXPECT_EQ(m_model.GetPreferences().GetUserPath(), old);
    EXPECT_FALSE(std::filesystem::exists(Path("elsewhere")));
}

// Fault mended: the change of data folder let the old folder's lock go before it had the new
// one, and a new folder held by a command was refused as if it could not be written.
TEST_F(SettingsChangeTest, TheLockMovesWithTheDataFolderAndAHeldFolderIsRefused) {
    const std::string old = m_model.GetDataFolder();
    ASSERT_TRUE(IsLocked(old));
    MakeDataFolder(Path("held"));
    m_model.SetLockWait(std::chrono::milliseconds(50));
    AddToChecking();
    CCVAccountList* list = m_model.GetAccountList();
    {
        sys::FolderLock command;
        ASSERT_EQ(command.Acquire(Path("held"), std::chrono::milliseconds(0)),
                  sys::FolderLock::kAcquired);
        EXPECT_EQ(CSettingsChange::ChangeDataFolder(m_model, Wide(Path("held")), false).message,
                  res::IDS_DATA_FOLDER_IN_USE);
    }
    EXPECT_EQ(m_model.GetPreferences().GetUserPath(), Wide(old));
    EXPECT_EQ(m_model.GetDataFolder(), old);
    EXPECT_EQ(m_model.GetAccountList(), list) << "the old data stays in memory, not read again";
    EXPECT_TRUE(IsLocked(old)) << "the old folder stays locked";
    EXPECT_FALSE(IsLocked(Path("held"))) << "nothing of the refused folder is kept";

    ASSERT_TRUE(CSettingsChange::ChangeDataFolder(m_model, Wide(Path("held")), false).IsDone());
    EXPECT_EQ(m_model.GetDataFolder(), Path("held/"));
    EXPECT_TRUE(IsLocked(Path("held"))) << "the program writes the new folder under its lock";
    EXPECT_FALSE(IsLocked(old)) << "and lets the old one go";
    // The data folder left can be opened by a command.
    CVModel command;
    command.SetListMakers(account_list_fixture::TestListMakers());
    EXPECT_EQ(command.InitForCommand(old, CVModel::kForChange), 0);
    command.SaveAndRelease();

    // Back to the first folder: the locks follow again.
    ASSERT_TRUE(CSettingsChange::ChangeDataFolder(m_model, Wide(old), false).IsDone());
    EXPECT_TRUE(IsLocked(old));
    EXPECT_FALSE(IsLocked(Path("held")));
    m_model.SaveAndRelease();
    EXPECT_FALSE(IsLocked(old)) << "released at the end";
}

TEST_F(SettingsChangeTest, AFolderWithoutDataIsTakenOnlyWhenAskedFor) {
    const std::string old = m_model.GetDataFolder();
    std::filesystem::create_directories(Path("papers"));
    std::ofstream(Path("papers/letter.txt")) << "x";
    // Neither a missing folder nor one with other files is made a data folder unasked; the
    // question is asked before anything is made.
    for (const char* folder : {"missing", "papers"}) {
        EXPECT_EQ(CSettingsChange::CheckDataFolder(Wide(Path(folder))),
                  EditOutcome::Ask(res::IDS_START_NEW_DATA_FOLDER))
            << folder;
        EXPECT_EQ(CSettingsChange::ChangeDataFolder(m_model, Wide(Path(folder)), false),
                  EditOutcome::Ask(res::IDS_START_NEW_DATA_FOLDER))
            << folder;
        EXPECT_EQ(m_model.GetDataFolder(), old);
    }
    EXPECT_FALSE(std::filesystem::exists(Path("missing")));
    EXPECT_EQ(CSettingsChange::CheckDataFolder(L"Money"),
              EditOutcome::Refused(res::IDS_FOLDER_NOT_ABSOLUTE));
    EXPECT_TRUE(CSettingsChange::CheckDataFolder(Wide(old)).IsDone());

    // Answered Yes: the first accounts are made beside the other files, which stay.
    ASSERT_TRUE(CSettingsChange::ChangeDataFolder(m_model, Wide(Path("papers")), true).IsDone());
    EXPECT_EQ(m_model.GetAccountList()->Count(), 5u);
    EXPECT_TRUE(std::filesystem::exists(Path("papers/letter.txt")));
    EXPECT_TRUE(CSettingsChange::CheckDataFolder(Wide(Path("papers"))).IsDone());
}

}  // namespace
