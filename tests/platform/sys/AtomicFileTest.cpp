#include "platform/sys/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/sys/FileFault.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ListFolder;
using testing_support::ReadBytes;
using testing_support::TempFolder;

const std::vector<std::uint8_t> kOld = {'o', 'l', 'd'};

int WriteNew(const std::string& path) {
    sys::AtomicFile file;
    if (file.Open(path) != 0) return 1;
    const std::vector<std::uint8_t> data(200000, 0xAB);  // larger than the buffer
    if (file.Write(data.data(), data.size()) != 0) return 1;
    if (file.Write("tail", 4) != 0) return 1;
    return file.Commit();
}

class AtomicFileFault : public ::testing::TestWithParam<sys::FileStep> {};

// Every step that fails before the rename leaves the old file byte for byte, reports the
// failure, and leaves no temporary file behind.
TEST_P(AtomicFileFault, FailureLeavesTheOldFile) {
    TempFolder temp;
    const std::string path = temp.File("PayeesList.lst");
    testing_support::WriteBytes(path, kOld);
    {
        sys::ScopedFileFault fault(GetParam());
        EXPECT_EQ(WriteNew(path), 1);
    }
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(ListFolder(temp.Path()), std::vector<std::string>({"PayeesList.lst"}));
    // Without the fault the same write goes through.
    EXPECT_EQ(WriteNew(path), 0);
    EXPECT_EQ(ReadBytes(path).size(), 200004u);
}

INSTANTIATE_TEST_SUITE_P(Steps, AtomicFileFault,
                         ::testing::Values(sys::FileStep::Create, sys::FileStep::Write,
                                           sys::FileStep::Flush, sys::FileStep::Rename));

TEST(AtomicFile, FailedFolderSyncIsReportedAfterTheReplacement) {
    TempFolder temp;
    const std::string path = temp.File("data");
    testing_support::WriteBytes(path, kOld);
    sys::ScopedFileFault fault(sys::FileStep::SyncFolder);
    EXPECT_EQ(WriteNew(path), 1);
    EXPECT_EQ(ReadBytes(path).size(), 200004u);
    EXPECT_EQ(ListFolder(temp.Path()), std::vector<std::string>({"data"}));
}

TEST(AtomicFile, AbandonedFileLeavesNothing) {
    TempFolder temp;
    const std::string path = temp.File("data");
    testing_support::WriteBytes(path, kOld);
    {
        sys::AtomicFile file;
        ASSERT_EQ(file.Open(path), 0);
        ASSERT_EQ(file.Write("new", 3), 0);
    }  // destroyed without Commit
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(ListFolder(temp.Path()), std::vector<std::string>({"data"}));
}

// A real full disk: the file size limit makes write(2) fail with EFBIG part-way.
TEST(AtomicFile, RealWriteFailureIsReported) {
    TempFolder temp;
    const std::string path = temp.File("data");
    testing_support::WriteBytes(path, kOld);

    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 100000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int rc = WriteNew(path);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(rc, 1);
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(ListFolder(temp.Path()), std::vector<std::string>({"data"}));
}

}  // namespace
