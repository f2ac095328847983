// A set of files replaced together or not at all: every failing step before the commit record
// leaves every old file and no temporary file; a rename failing after it is finished by the roll
// forward; a child killed at every durable step leaves either all old or all new files once a
// roll forward has run. And the writer's lock of a folder.
#include "platform/sys/FolderCommit.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"
#include "platform/sys/FolderLock.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ListFolder;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using Bytes = std::vector<std::uint8_t>;

const std::vector<std::string> kNames = {"A.cvl", "B.cvl", "PayeesList.lst"};

Bytes Old(const std::string& name) {
    return Bytes(name.begin(), name.end());
}
Bytes New(const std::string& name) {
    Bytes bytes(name.begin(), name.end());
    bytes.resize(5000 + name.size(), 0x5A);  // a file of some size
    return bytes;
}

class FolderCommitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const std::string& name : kNames)
            testing_support::WriteBytes(m_folder.File(name), Old(name));
    }

    sys::FolderCommit::Outcome CommitAll() {
        sys::FolderCommit commit(m_folder.Path());
        for (const std::string& name : kNames) {
            const Bytes bytes = New(name);
            if (commit.Stage(name, bytes.data(), bytes.size()) != 0) {
                m_failure = commit.LastFailure();
                return sys::FolderCommit::kNothingChanged;
            }
        }
        const sys::FolderCommit::Outcome outcome = commit.Commit();
        m_failure = commit.LastFailure();
        return outcome;
    }

    // Every file old, or every file new; never a mix.
    void ExpectAllOldOrAllNew(const std::string& when) const {
        const bool allNew = ReadBytes(m_folder.File(kNames[0])) == New(kNames[0]);
        for (const std::string& name : kNames) {
            EXPECT_EQ(ReadBytes(m_folder.File(name)), allNew ? New(name) : Old(name))
                << when << name;
        }
    }

    TempFolder m_folder;
    sys::FolderCommit::Failure m_failure;
};

TEST_F(FolderCommitTest, EveryFileReplacedAndNothingLeftBeside) {
    EXPECT_EQ(CommitAll(), sys::FolderCommit::kDone);
    for (const std::string& name : kNames) EXPECT_EQ(ReadBytes(m_folder.File(name)), New(name));
    EXPECT_EQ(ListFolder(m_folder.Path()), kNames);
}

class FolderCommitFault : public FolderCommitTest,
                          public ::testing::WithParamInterface<sys::FileStep> {};

// Fault: a change of several files failing half-way (a full disk) kept some new files beside
// old ones. Any step before the record is in place changes nothing, and says which file and why.
TEST_P(FolderCommitFault, FailureBeforeTheRecordChangesNothing) {
    {
        sys::ScopedFileFault fault(GetParam());
        EXPECT_EQ(CommitAll(), sys::FolderCommit::kNothingChanged);
    }
    for (const std::string& name : kNames) EXPECT_EQ(ReadBytes(m_folder.File(name)), Old(name));
    EXPECT_EQ(ListFolder(m_folder.Path()), kNames);  // no temporary file, no record
    if (GetParam() == sys::FileStep::CommitRecord) {
        EXPECT_EQ(m_failure.path, m_folder.File(sys::FolderCommit::kRecordName));
    } else {
        EXPECT_EQ(m_failure.path, m_folder.File(kNames[0]));
    }
    EXPECT_EQ(m_failure.error, GetParam() == sys::FileStep::Write ? ENOSPC : EIO);
}

INSTANTIATE_TEST_SUITE_P(Steps, FolderCommitFault,
                         ::testing::Values(sys::FileStep::Create, sys::FileStep::Write,
                                           sys::FileStep::Flush, sys::FileStep::CommitRecord));

TEST_F(FolderCommitTest, ARenameFailingAfterTheRecordIsFinishedByTheRollForward) {
    sys::FolderCommit commit(m_folder.Path());
    for (const std::string& name : kNames) {
        const Bytes bytes = New(name);
        ASSERT_EQ(commit.Stage(name, bytes.data(), bytes.size()), 0);
    }
    // B.cvl turns into a folder that is not empty: no file can be renamed over it.
    ASSERT_EQ(std::remove(m_folder.File("B.cvl").c_str()), 0);
    ASSERT_EQ(sys::CreateFolder(m_folder.File("B.cvl/inside/")), 0);
    EXPECT_EQ(commit.Commit(), sys::FolderCommit::kPending);
    EXPECT_EQ(commit.LastFailure().path, m_folder.File("B.cvl"));
    // The renames that can be made are made.
    EXPECT_EQ(ReadBytes(m_folder.File("A.cvl")), New("A.cvl"));
    EXPECT_EQ(ReadBytes(m_folder.File("PayeesList.lst")), New("PayeesList.lst"));
    // A reader sees the committed bytes before anyone finishes the commit.
    const std::map<std::string, std::string> pending =
        sys::FolderCommit::PendingReplacements(m_folder.Path());
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(ReadBytes(pending.at("B.cvl")), New("B.cvl"));
    // The roll forward cannot finish while the folder is in the way, and keeps the record.
    sys::FolderCommit::Failure failure;
    EXPECT_EQ(sys::FolderCommit::RollForward(m_folder.Path(), &failure), 1);
    EXPECT_EQ(failure.path, m_folder.File("B.cvl"));
    EXPECT_TRUE(sys::PathExists(m_folder.File(sys::FolderCommit::kRecordName)));

    ASSERT_EQ(std::system(("rm -r '" + m_folder.File("B.cvl") + "'").c_str()), 0);
    EXPECT_EQ(sys::FolderCommit::RollForward(m_folder.Path()), 0);
    for (const std::string& name : kNames) EXPECT_EQ(ReadBytes(m_folder.File(name)), New(name));
    EXPECT_EQ(ListFolder(m_folder.Path()), kNames);
    EXPECT_TRUE(sys::FolderCommit::PendingReplacements(m_folder.Path()).empty());
}

TEST_F(FolderCommitTest, AnUnreadableRecordIsDiscardedAndStrayTemporariesRemoved) {
    testing_support::WriteBytes(m_folder.File(sys::FolderCommit::kRecordName), {'c', 'o', 'i'});
    testing_support::WriteBytes(m_folder.File("A.cvl.tmp-123-0000abcd-0"), {1});
    testing_support::WriteBytes(m_folder.File("B.cvl.tmp-notmine"), {2});
    EXPECT_EQ(sys::FolderCommit::RollForward(m_folder.Path()), 0);
    sys::FolderCommit::RemoveStrayTemporaries(m_folder.Path());
    std::vector<std::string> expected = kNames;
    expected.insert(expected.begin() + 2, "B.cvl.tmp-notmine");  // not a name of ours
    EXPECT_EQ(ListFolder(m_folder.Path()), expected);
    ExpectAllOldOrAllNew("after discarding ");
    EXPECT_TRUE(sys::FolderCommit::IsTemporaryName(".coinvale-commit.tmp-9-FFFFFFFF-12"));
    EXPECT_FALSE(sys::FolderCommit::IsTemporaryName("x.tmp-9-FFFFFFF-12"));  // 7 hex digits
    EXPECT_FALSE(sys::FolderCommit::IsTemporaryName("x.tmp-9-FFFFFFFF-"));
    EXPECT_FALSE(sys::FolderCommit::IsTemporaryName(".tmp-9-FFFFFFFF-1"));
}

// A child killed just before each fsync and rename in turn: once a roll forward has run, every
// file is old or every file is new, and nothing is left beside them.
TEST_F(FolderCommitTest, AKillAtEveryDurableStepLeavesAllOldOrAllNew) {
    int killed = 0;
    for (int step = 1; step < 40; ++step) {
        for (const std::string& name : kNames)
            testing_support::WriteBytes(m_folder.File(name), Old(name));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            sys::KillAtDurableStep(step);
            ::_exit(CommitAll() == sys::FolderCommit::kDone ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_EQ(sys::FolderCommit::RollForward(m_folder.Path()), 0);
        sys::FolderCommit::RemoveStrayTemporaries(m_folder.Path());
        ExpectAllOldOrAllNew("step " + std::to_string(step) + ": ");
        EXPECT_EQ(ListFolder(m_folder.Path()), kNames) << "step " << step;
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), 0);
            for (const std::string& name : kNames)
                EXPECT_EQ(ReadBytes(m_folder.File(name)), New(name));
            break;
        }
        ASSERT_TRUE(WIFSIGNALED(status));
        ++killed;
    }
    // Three files synced, the record synced, renamed and its folder synced, three renames, the
    // folder synced, the record removed.
    EXPECT_EQ(killed, 11);
}

TEST(FolderLock, OneWriterAtATimeWhateverItsRuntimeFolder) {
    TempFolder folder;
    sys::FolderLock first;
    sys::FolderLock second;
    ASSERT_EQ(first.Acquire(folder.Path(), std::chrono::milliseconds(0)),
              sys::FolderLock::kAcquired);
    EXPECT_EQ(first.Acquire(folder.Path(), std::chrono::milliseconds(0)),
              sys::FolderLock::kAcquired);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(second.Acquire(folder.Path(), std::chrono::milliseconds(100)),
              sys::FolderLock::kHeldElsewhere);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    // Another process is refused too, and gets it once the holder ends.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sys::FolderLock mine;
        ::_exit(mine.Acquire(folder.Path(), std::chrono::milliseconds(0)) ==
                        sys::FolderLock::kHeldElsewhere
                    ? 0
                    : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    first.Release();
    EXPECT_EQ(second.Acquire(folder.Path(), std::chrono::milliseconds(0)),
              sys::FolderLock::kAcquired);
    EXPECT_TRUE(sys::FileExists(folder.File(sys::FolderLock::kFileName)));

    sys::FolderLock nowhere;
    EXPECT_EQ(nowhere.Acquire(folder.File("missing/"), std::chrono::milliseconds(0)),
              sys::FolderLock::kUnavailable);
}

}  // namespace
