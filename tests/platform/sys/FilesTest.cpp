#include "platform/sys/Files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/sys/FileFault.h"
#include "support/TempFolder.h"

namespace {

using testing_support::TempFolder;

TEST(Files, ExistenceAndFolders) {
    TempFolder temp;
    EXPECT_TRUE(sys::FolderExists(temp.Path()));
    EXPECT_FALSE(sys::FileExists(temp.Path()));
    EXPECT_FALSE(sys::PathExists(temp.File("missing")));
    EXPECT_FALSE(sys::PathExists(""));

    const std::string nested = temp.File("a/b/c/");
    EXPECT_EQ(sys::CreateFolder(nested), 0);
    EXPECT_TRUE(sys::FolderExists(nested));
    EXPECT_EQ(sys::CreateFolder(nested), 0);  // already there

    // A file standing where a folder should be.
    testing_support::WriteBytes(temp.File("plain"), {1});
    EXPECT_TRUE(sys::FileExists(temp.File("plain")));
    EXPECT_EQ(sys::CreateFolder(temp.File("plain/sub")), 1);
}

TEST(Files, ReadWholeFile) {
    TempFolder temp;
    std::vector<std::uint8_t> bytes(100000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    testing_support::WriteBytes(temp.File("data"), bytes);

    std::vector<std::uint8_t> read{9, 9};
    EXPECT_EQ(sys::ReadWholeFile(temp.File("data"), read), 0);
    EXPECT_EQ(read, bytes);

    testing_support::WriteBytes(temp.File("empty"), {});
    EXPECT_EQ(sys::ReadWholeFile(temp.File("empty"), read), 0);
    EXPECT_TRUE(read.empty());

    read = {1};
    EXPECT_EQ(sys::ReadWholeFile(temp.File("missing"), read), 1);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(sys::ReadWholeFile(temp.Path(), read), 1);  // a folder
}

TEST(Files, ReplaceFileCreatesAndReplaces) {
    TempFolder temp;
    const std::string path = temp.File("list.lst");
    const std::uint8_t first[] = {1, 2, 3};
    ASSERT_EQ(sys::ReplaceFile(path, first, sizeof first), 0);
    EXPECT_EQ(testing_support::ReadBytes(path), std::vector<std::uint8_t>({1, 2, 3}));

    ::chmod(path.c_str(), 0600);
    const std::uint8_t second[] = {4};
    ASSERT_EQ(sys::ReplaceFile(path, second, sizeof second), 0);
    EXPECT_EQ(testing_support::ReadBytes(path), std::vector<std::uint8_t>({4}));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);  // the replaced file keeps its mode
    EXPECT_EQ(testing_support::ListFolder(temp.Path()), std::vector<std::string>({"list.lst"}));
}

TEST(Files, ReplaceFileIntoMissingFolderFails) {
    TempFolder temp;
    const std::uint8_t data[] = {1};
    EXPECT_EQ(sys::ReplaceFile(temp.File("nowhere/list.lst"), data, 1), 1);
    EXPECT_EQ(sys::ReplaceFile(temp.Path(), data, 1), 1);
}

TEST(Files, ReadFaultIsReported) {
    TempFolder temp;
    testing_support::WriteBytes(temp.File("data"), {1, 2});
    sys::ScopedFileFault fault(sys::FileStep::Read);
    std::vector<std::uint8_t> read;
    EXPECT_EQ(sys::ReadWholeFile(temp.File("data"), read), 1);
}

}  // namespace
