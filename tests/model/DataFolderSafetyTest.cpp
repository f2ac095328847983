// The account list and the model against other writers and damaged account files: a file that
// another program changed since it was read is never written over; an account file that holds
// no account is never saved over nor made into a new account; a save interrupted by a crash is
// finished at the next load; a second writer of the folder is refused.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "AccountListFixture.h"
#include "model/BuiltInKey.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"
#include "platform/sys/FolderCommit.h"
#include "platform/sys/FolderLock.h"
#include "platform/sys/WinErrors.h"
#include "preferences/PreferencesHome.h"
#include "support/TempFolder.h"

namespace {

using account_list_fixture::DataFolder;
using testing_support::ListFolder;
using testing_support::ReadBytes;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;
using Failure = CDataFolderFiles::Failure;

std::unique_ptr<CTransaction> Deposit(Amount amount) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(3'000'000'000u);
    t->SetAmount(amount);
    t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeDeposit));
    return t;
}

// Fault: two writers that both loaded the folder both saved, and the last one's files won (20 of
// 40 accepted adds vanished). A file changed on disk since it was read stops the save: nothing is
// written, the file is named, and the other program's bytes stay.
TEST(DataFolderSafety, AFileChangedByAnotherProgramIsNeverWrittenOver) {
    DataFolder folder;
    folder.Load();
    auto mine = folder.Load();
    auto theirs = folder.Load();
    theirs->At(1)->AddTransaction(Deposit(500));
    ASSERT_EQ(theirs->SaveAll(), 0);
    const Bytes theirChecking = ReadBytes(folder.File("Checking.cvl"));

    mine->At(1)->AddTransaction(Deposit(100));
    EXPECT_EQ(mine->SaveAll(), 1);
    EXPECT_EQ(mine->LastSaveFailure().kind, Failure::kChangedElsewhere);
    EXPECT_EQ(mine->LastSaveFailure().path, folder.File("Checking.cvl"));
    EXPECT_EQ(ReadBytes(folder.File("Checking.cvl")), theirChecking);

    // A change to a file this save would not write stops it too: the data belong together.
    auto other = folder.Load();
    auto third = folder.Load();
    third->At(3)->AddTransaction(Deposit(7));  // Savings
    ASSERT_EQ(third->SaveAll(), 0);
    other->At(1)->AddTransaction(Deposit(9));
    const Bytes checking = ReadBytes(folder.File("Checking.cvl"));
    EXPECT_EQ(other->SaveAll(), 1);
    EXPECT_EQ(other->LastSaveFailure().path, folder.File("Savings.cvl"));
    EXPECT_EQ(ReadBytes(folder.File("Checking.cvl")), checking);
}

// Fault: a zero-length or garbage account file was loaded as an empty account with a new
// identifier and saved back over the file, orphaning every transfer to it.
TEST(DataFolderSafety, AFileWithoutAnAccountIsNeverSavedOverNorMadeAnew) {
    DataFolder folder;
    folder.Load();
    WriteBytes(folder.File("Visa.cvl"), {});
    Bytes garbage(3000);
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 37);
    WriteBytes(folder.File("Savings.cvl"), garbage);
    ASSERT_EQ(sys::CreateFolder(folder.File("Folder.cvl/")), 0);

    int rc = -1;
    auto list = folder.Load(&rc);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(list->Count(), 3u);
    EXPECT_EQ(list->AccountFilesLeftOut(),
              (std::vector<std::string>{folder.File("Folder.cvl"), folder.File("Savings.cvl"),
                                        folder.File("Visa.cvl")}));
    EXPECT_EQ(list->Problems()[1].kind, CCVAccountList::FileProblem::kNotAnAccount);
    EXPECT_EQ(list->Problems()[0].kind, CCVAccountList::FileProblem::kNotAFile);
    list->At(0)->AddTransaction(Deposit(1));
    ASSERT_EQ(list->SaveAll(), 0);
    EXPECT_EQ(ReadBytes(folder.File("Savings.cvl")), garbage);
    EXPECT_TRUE(ReadBytes(folder.File("Visa.cvl")).empty());
    EXPECT_TRUE(list->DamagedFiles().empty());

    // A folder whose only account file holds none gets no first accounts.
    DataFolder lone;
    lone.Load();
    for (const char* name : {"American Express", "Checking", "Master Card", "Savings"}) {
        ASSERT_EQ(sys::RemoveFile(lone.File(std::string(name) + ".cvl")), sys::ERROR_SUCCESS);
    }
    WriteBytes(lone.File("Visa.cvl"), {1, 2, 3});
    auto empty = lone.Load(&rc);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(empty->Count(), 0u);
    EXPECT_EQ(ReadBytes(lone.File("Visa.cvl")), (Bytes{1, 2, 3}));
    EXPECT_EQ(ListFolder(lone.Path()).size(), 9u);  // the lists and Visa.cvl alone
}

// A save interrupted after its record was in place (a crash, or a rename that failed) is
// finished by the next load, and temporary files of interrupted writes are removed.
TEST(DataFolderSafety, TheNextLoadFinishesAnInterruptedSave) {
    DataFolder folder;
    auto list = folder.Load();
    CAccountOperations operations(*list);
    ASSERT_EQ(operations.TransferFunds(list->At(1), list->At(3), 3'000'000'000u, 4200, false), 0);
    {
        sys::ScopedFileFault fault(sys::FileStep::CommitRename);
        EXPECT_EQ(list->SaveAll(), 0);  // on disk: the record holds it
    }
    EXPECT_EQ(list->LastSaveFailure().kind, Failure::kPending);
    WriteBytes(folder.File("Visa.cvl.tmp-77-0badf00d-0"), {9});

    auto reloaded = folder.Load();
    EXPECT_EQ(reloaded->At(1)->GetBalance(CCVAccount::kBalanceCurrent), -4200);
    EXPECT_EQ(reloaded->At(3)->GetBalance(CCVAccount::kBalanceCurrent), 4200);
    EXPECT_EQ(ListFolder(folder.Path()).size(), 13u);  // no record, no temporary file
}

// Fault: the writers' lock lived in the runtime folder, so writers with different runtime
// folders never met. The lock is in the data folder: a second writer is refused, whatever its
// runtime folder, and writes nothing.
TEST(DataFolderSafety, ASecondWriterOfTheFolderIsRefused) {
    testing_support::PreferencesHome home;
    DataFolder folder;
    folder.Load();
    sys::FolderLock other;
    ASSERT_EQ(other.Acquire(folder.Path(), std::chrono::milliseconds(0)),
              sys::FolderLock::kAcquired);
    const std::vector<std::string> before = ListFolder(folder.Path());

    CVModel model;
    model.SetListMakers(account_list_fixture::TestListMakers());
    model.SetLockWait(std::chrono::milliseconds(50));
    EXPECT_EQ(model.InitForCommand(folder.Path(), CVModel::kForChange), CVModel::kDataFolderInUse);
    EXPECT_EQ(model.GetAccountList(), nullptr);
    EXPECT_EQ(ListFolder(folder.Path()), before);
    // Reading goes on beside the writer.
    CVModel reader;
    reader.SetListMakers(account_list_fixture::TestListMakers());
    EXPECT_EQ(reader.InitForCommand(folder.Path(), CVModel::kReadOnly), 0);

    other.Release();
    EXPECT_EQ(model.InitForCommand(folder.Path(), CVModel::kForChange), 0);
    // Held until the model lets the data go.
    EXPECT_EQ(other.Acquire(folder.Path(), std::chrono::milliseconds(0)),
              sys::FolderLock::kHeldElsewhere);
    model.SaveAndRelease();
    EXPECT_EQ(other.Acquire(folder.Path(), std::chrono::milliseconds(0)),
              sys::FolderLock::kAcquired);
}

}  // namespace

// ---- synchronisation ----
// After a desktop synchronisation the program reads the data again only when the files are other
// than those it read or wrote: a push leaves them, a pull replaces, adds or removes them.
TEST(DataFolderSafety, FilesChangedOnDiskAreThoseReplacedAddedOrRemoved) {
    DataFolder folder;
    auto list = folder.Load();
    EXPECT_FALSE(list->FilesChangedOnDisk());
    // Its own save changes nothing it does not know of.
    list->At(1)->AddTransaction(Deposit(100));
    ASSERT_EQ(list->SaveAll(), 0);
    EXPECT_FALSE(list->FilesChangedOnDisk());
    // Files that are not data files, a deleted account's kept file and a folder do not count.
    WriteBytes(folder.File("notes.txt"), {1});
    WriteBytes(folder.File("XXXXXXXXXXXXXXXXXXXXXX0001.cvl"), {1});
    std::filesystem::create_directory(folder.File("Archive.cvl"));
    EXPECT_FALSE(list->FilesChangedOnDisk());

    const Bytes checking = ReadBytes(folder.File("Checking.cvl"));
    ASSERT_EQ(sys::ReplaceFile(folder.File("Checking.cvl"), checking.data(), checking.size()), 0);
    EXPECT_TRUE(list->FilesChangedOnDisk()) << "replaced, even with the same bytes";
    list = folder.Load();
    EXPECT_FALSE(list->FilesChangedOnDisk());
    WriteBytes(folder.File("Holiday.cvl"), {1, 2});
    EXPECT_TRUE(list->FilesChangedOnDisk()) << "an account file that was not read";
    std::filesystem::remove(folder.File("Holiday.cvl"));
    EXPECT_FALSE(list->FilesChangedOnDisk());
    std::filesystem::remove(folder.File("ClassList.lst"));
    EXPECT_TRUE(list->FilesChangedOnDisk()) << "a list file that went";
}
