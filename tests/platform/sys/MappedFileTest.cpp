#include "platform/sys/MappedFile.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/sys/FileFault.h"
#include "support/TempFolder.h"

namespace {

using testing_support::TempFolder;

std::vector<std::uint8_t> Held(const sys::MappedFile& file) {
    return {file.Data(), file.Data() + file.Size()};
}

TEST(MappedFile, HoldsEveryByteUntilClosed) {
    TempFolder temp;
    std::vector<std::uint8_t> bytes(10000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    testing_support::WriteBytes(temp.File("data"), bytes);
    sys::MappedFile file;
    ASSERT_EQ(file.Open(temp.File("data")), 0);
    EXPECT_EQ(Held(file), bytes);

    // A second file replaces the first.
    testing_support::WriteBytes(temp.File("other"), {9, 8});
    ASSERT_EQ(file.Open(temp.File("other")), 0);
    EXPECT_EQ(Held(file), std::vector<std::uint8_t>({9, 8}));
    file.Close();
    EXPECT_EQ(file.Size(), 0u);
    EXPECT_EQ(file.Data(), nullptr);
}

TEST(MappedFile, EmptyFileHoldsNothing) {
    TempFolder temp;
    testing_support::WriteBytes(temp.File("empty"), {});
    sys::MappedFile file;
    EXPECT_EQ(file.Open(temp.File("empty")), 0);
    EXPECT_EQ(file.Size(), 0u);
}

TEST(MappedFile, MissingFolderAndFaultAreRefused) {
    TempFolder temp;
    testing_support::WriteBytes(temp.File("data"), {1, 2});
    sys::MappedFile file;
    ASSERT_EQ(file.Open(temp.File("data")), 0);
    EXPECT_EQ(file.Open(temp.File("missing")), 1);
    EXPECT_EQ(file.Size(), 0u);  // the earlier file was let go
    EXPECT_EQ(file.Open(temp.Path()), 1);
    sys::ScopedFileFault fault(sys::FileStep::Read);
    EXPECT_EQ(file.Open(temp.File("data")), 1);
    EXPECT_EQ(file.Size(), 0u);
}

}  // namespace
