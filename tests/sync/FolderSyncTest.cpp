// Which files a synchronisation carries, the push (a copy that takes the folder's place whole)
// and the pull (all files replaced together, or none), with the failures that must leave both
// folders as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "model/CDataBackups.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/FolderCommit.h"
#include "platform/sys/FolderLock.h"
#include "resources/ScreenIds.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"
#include "sync/CFolderPull.h"
#include "sync/CFolderPush.h"
#include "sync/CSyncDataFiles.h"
#include "sync/CSynchroniser.h"

namespace {

using testing_support::ListFolder;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;
using Files = std::map<std::string, std::vector<std::uint8_t>>;

class FolderSyncTest : public ::testing::Test {
  protected:
    FolderSyncTest() {
        std::filesystem::create_directories(m_data);
        std::filesystem::create_directories(m_dir);
    }
    ~FolderSyncTest() override { CFolderPush::SetExchangeAvailable(true); }

    static void Fill(const std::string& folder, const Files& files) {
        for (const auto& [name, bytes] : files) WriteBytes(folder + name, bytes);
    }
    // The data files of a folder with their bytes.
    static Files DataOf(const std::string& folder) {
        Files files;
        std::vector<std::string> names;
        EXPECT_EQ(CSyncDataFiles::List(folder, names), 0);
        for (const std::string& name : names) files[name] = ReadBytes(folder + name);
        return files;
    }

    TempFolder m_root;
    std::string m_data = m_root.Path() + "data/";
    std::string m_dir = m_root.Path() + "dir/";
    const Files m_old{{"PayeesList.lst", {1, 2}},
                      {"CategoriesList.lst", {3}},
                      {"Checking.cvl", {4, 4, 4}},
                      {"Savings.cvl", {5}}};
    const Files m_new{{"PayeesList.lst", {9, 9}},
                      {"CategoriesList.lst", {3}},
                      {"Checking.cvl", {8, 8}},
                      {"Holiday.cvl", {7}}};
};

TEST_F(FolderSyncTest, OnlyTheListFilesAndAccountFilesAreDataFiles) {
    for (const char* name :
         {"PayeesList.lst", "CategoriesList.lst", "ClassList.lst", "CurrenciesList.lst",
          "TransTypes.lst", "ScheduledTransList.lst", "FiList.lst", "PayeeLookupList.lst",
          "Checking.cvl", "XXXXXXXXXXXXXXXXXXXXXX0001.cvl"}) {
        EXPECT_TRUE(CSyncDataFiles::IsDataFileName(name)) << name;
    }
    for (const char* name : {".coinvale.lock", ".coinvale-commit", "Checking.cvl.damaged",
                             "Checking.cvl.tmp-12-ab-1", "notes.txt", "Other.lst", ".cvl", "cvl"}) {
        EXPECT_FALSE(CSyncDataFiles::IsDataFileName(name)) << name;
    }
    Fill(m_data, {{"Checking.cvl", {1}}, {"notes.txt", {2}}, {".coinvale.lock", {}}});
    std::filesystem::create_directory(m_data + "Folder.cvl");  // no regular file
    std::vector<std::string> names;
    ASSERT_EQ(CSyncDataFiles::List(m_data, names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"Checking.cvl"});
    ASSERT_EQ(CSyncDataFiles::Others(m_data, names), 0);
    EXPECT_EQ(names, (std::vector<std::string>{".coinvale.lock", "Folder.cvl", "notes.txt"}));
    EXPECT_EQ(CSyncDataFiles::List(m_root.Path() + "none/", names), 1);
}

TEST_F(FolderSyncTest, APushReplacesTheFolderWholeWithTheDataFilesOnly) {
    for (bool exchange : {true, false}) {
        SCOPED_TRACE(exchange ? "exchanged" : "renamed aside and in");
        CFolderPush::SetExchangeAvailable(exchange);
        std::filesystem::remove_all(m_data);
        std::filesystem::create_directories(m_data);
        Fill(m_data, m_old);
        Fill(m_data, {{".coinvale.lock", {}}, {"notes.txt", {1}}, {"Savings.cvl.damaged", {2}}});
        // What an earlier push left, with a file the data folder no longer has.
        Fill(m_dir, {{"Old.cvl", {6}}, {"Checking.cvl", {0}}});
        ASSERT_EQ(::chmod(m_dir.c_str(), 0750), 0);

        SyncFailure failure;
        ASSERT_EQ(CFolderPush::Check(m_dir, failure), 0);
        int copied = 0;
        ASSERT_EQ(CFolderPush::Copy(m_data, m_dir, copied, failure), 0)
            << CSynchroniser::Describe(failure);
        EXPECT_EQ(copied, 4);
        EXPECT_EQ(DataOf(m_dir), m_old);
        EXPECT_EQ(ListFolder(m_dir).size(), 4u) << "nothing but the data files";
        struct stat st {};
        ASSERT_EQ(::stat(m_dir.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0750u) << "the folder keeps its permissions";
        EXPECT_EQ(ListFolder(m_root.Path()), (std::vector<std::string>{"data", "dir"}))
            << "no copy or old folder left beside it";
    }
}

TEST_F(FolderSyncTest, APushThroughALinkReplacesTheFolderItLeadsToAndKeepsTheLink) {
    Fill(m_data, m_old);
    const std::string link = m_root.Path() + "link";
    std::filesystem::create_directory_symlink(m_dir, link);
    SyncFailure failure;
    ASSERT_EQ(CFolderPush::Check(link, failure), 0);
    int copied = 0;
    ASSERT_EQ(CFolderPush::Copy(m_data, link, copied, failure), 0)
        << CSynchroniser::Describe(failure);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(DataOf(m_dir), m_old);
    EXPECT_EQ(ListFolder(m_root.Path()), (std::vector<std::string>{"data", "dir", "link"}));
}

TEST_F(FolderSyncTest, APushIntoAFolderThatCannotTakeItChangesNothing) {
    Fill(m_data, m_old);
    SyncFailure failure;
    EXPECT_EQ(CFolderPush::Check(m_root.Path() + "missing", failure), 1);
    EXPECT_EQ(CSynchroniser::Describe(failure),
              m_root.Path() + "missing does not exist; nothing was copied.");
    WriteBytes(m_root.Path() + "file", {1});
    EXPECT_EQ(CFolderPush::Check(m_root.Path() + "file", failure), 1);
    EXPECT_EQ(failure.message, res::IDS_SYNC_DIR_NOT_FOLDER);

    // A person's files are never swapped away.
    Fill(m_dir, {{"Checking.cvl", {1}}, {"thesis.odt", {2}}});
    EXPECT_EQ(CFolderPush::Check(m_dir, failure), 1);
    EXPECT_NE(CSynchroniser::Describe(failure).find("holds thesis.odt, which is not a Coinvale"),
              std::string::npos);
    std::filesystem::remove(m_dir + "thesis.odt");
    ASSERT_EQ(CFolderPush::Check(m_dir, failure), 0);

    // The disk fills up half-way: the folder is as it was, and no copy is left beside it.
    {
        sys::ScopedFileFault full(sys::FileStep::Write, 2);
        int copied = 0;
        EXPECT_EQ(CFolderPush::Copy(m_data, m_dir, copied, failure), 1);
    }
    EXPECT_NE(CSynchroniser::Describe(failure).find("could not be written (the disk is full)"),
              std::string::npos)
        << CSynchroniser::Describe(failure);
    EXPECT_EQ(DataOf(m_dir), (Files{{"Checking.cvl", {1}}}));
    EXPECT_EQ(ListFolder(m_root.Path()), (std::vector<std::string>{"data", "dir", "file"}));
}

TEST_F(FolderSyncTest, APullReplacesAndRemovesDataFilesTogetherAndKeepsABackup) {
    Fill(m_data, m_old);
    Fill(m_data, {{"notes.txt", {1}}});
    Fill(m_dir, m_new);
    Fill(m_dir, {{"stray.txt", {2}}});
    sys::FolderLock lock;
    ASSERT_EQ(lock.Acquire(m_data, std::chrono::milliseconds(0)), sys::FolderLock::kAcquired);
    const sys::FileStamp untouched = sys::StampOf(m_data + "CategoriesList.lst");

    SyncFailure failure;
    SyncFailure pending;
    ASSERT_EQ(CFolderPull::Check(m_dir, failure), 0);
    int brought = 0;
    ASSERT_EQ(CFolderPull::Bring(m_dir, m_data, brought, pending, failure), 0)
        << CSynchroniser::Describe(failure);
    EXPECT_EQ(brought, 4);
    EXPECT_FALSE(pending.Failed());
    EXPECT_EQ(DataOf(m_data), m_new) << "Savings.cvl, which the folder lacks, is gone";
    EXPECT_EQ(ReadBytes(m_data + "notes.txt"), (std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(std::filesystem::exists(m_data + "stray.txt"));
    EXPECT_EQ(sys::StampOf(m_data + "CategoriesList.lst"), untouched) << "same bytes: left alone";
    const std::vector<CDataBackups::Backup> backups = CDataBackups(m_data).List();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(DataOf(backups[0].path), m_old);

    // The same again changes nothing, and keeps no second backup.
    ASSERT_EQ(CFolderPull::Bring(m_dir, m_data, brought, pending, failure), 0);
    EXPECT_EQ(CDataBackups(m_data).List().size(), 1u);
}

TEST_F(FolderSyncTest, APullThatCannotBeDoneChangesNothing) {
    Fill(m_data, m_old);
    SyncFailure failure;
    SyncFailure pending;
    Fill(m_dir, {{"notes.txt", {1}}});
    EXPECT_EQ(CFolderPull::Check(m_dir, failure), 1);
    EXPECT_EQ(CSynchroniser::Describe(failure),
              m_root.Path() + "dir holds no Coinvale data; nothing was brought in.");
    EXPECT_EQ(CFolderPull::Check(m_root.Path() + "missing/", failure), 1);
    EXPECT_EQ(failure.message, res::IDS_SYNC_DIR_MISSING);

    Fill(m_dir, m_new);
    int brought = 0;
    {
        sys::ScopedFileFault full(sys::FileStep::Write, 1);
        EXPECT_EQ(CFolderPull::Bring(m_dir, m_data, brought, pending, failure), 1);
    }
    EXPECT_EQ(failure.message, res::IDS_SYNC_WRITE_FAILED);
    EXPECT_EQ(DataOf(m_data), m_old);
    {
        sys::ScopedFileFault unreadable(sys::FileStep::Read);
        EXPECT_EQ(CFolderPull::Bring(m_dir, m_data, brought, pending, failure), 1);
    }
    EXPECT_EQ(failure.message, res::IDS_SYNC_READ_FAILED);
    EXPECT_EQ(DataOf(m_data), m_old);
    sys::FolderCommit::RemoveStrayTemporaries(m_data);
    EXPECT_EQ(ListFolder(m_data).size(), m_old.size()) << "no temporary file left";
}

// A pull killed at each durable step in turn: once the next load has finished or undone it, the
// data folder holds either every old file or every new one, never a mixture.
TEST_F(FolderSyncTest, AKilledPullLeavesTheFolderWhole) {
    Fill(m_dir, m_new);
    bool finished = false;
    for (int step = 1; step < 100 && !finished; ++step) {
        std::filesystem::remove_all(m_data);
        std::filesystem::create_directories(m_data);
        Fill(m_data, m_old);
        const pid_t child = ::fork();
        if (child == 0) {
            sys::KillAtDurableStep(step);
            SyncFailure failure;
            SyncFailure pending;
            int brought = 0;
            ::_exit(CFolderPull::Bring(m_dir, m_data, brought, pending, failure));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        finished = WIFEXITED(status);
        if (finished) {
            ASSERT_EQ(WEXITSTATUS(status), 0);
        }
        // What the next load does first.
        ASSERT_EQ(sys::FolderCommit::RollForward(m_data), 0);
        sys::FolderCommit::RemoveStrayTemporaries(m_data);
        const Files now = DataOf(m_data);
        EXPECT_TRUE(now == m_old || now == m_new) << "killed at step " << step;
        if (finished) {
            EXPECT_EQ(now, m_new);
        }
    }
    EXPECT_TRUE(finished);
}

}  // namespace
