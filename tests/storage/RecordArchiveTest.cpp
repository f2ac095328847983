#include "storage/RecordArchive.h"

#include <gtest/gtest.h>

#include "platform/sys/FileFault.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadBytes;
using testing_support::TempFolder;

TEST(RecordArchive, FieldsAreLittleEndian) {
    TempFolder temp;
    const std::string path = temp.File("fields");
    {
        RecordArchive ar(path, RecordArchive::kSave);
        ASSERT_EQ(ar.Open(), 0);
        std::uint8_t b = 0xAB;
        std::uint16_t w = 0x1234;
        std::uint32_t d = 0x89ABCDEF;
        std::int64_t amount = -2;
        double rate = 1.0;
        char name[4] = {'a', 'b', 0, 0};
        EXPECT_EQ(ar.Transfer(b), 0);
        EXPECT_EQ(ar.Transfer(w), 0);
        EXPECT_EQ(ar.Transfer(d), 0);
        EXPECT_EQ(ar.Transfer(amount), 0);
        EXPECT_EQ(ar.Transfer(rate), 0);
        EXPECT_EQ(ar.TransferText(name), 0);
        EXPECT_EQ(ar.Close(), 0);
    }
    const std::vector<std::uint8_t> expected = {
        0xAB, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89,                  // byte, word, dword
        0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,            // -2
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,            // 1.0
        'a',  'b',  0x00, 0x00};
    EXPECT_EQ(ReadBytes(path), expected);

    RecordArchive in(path, RecordArchive::kLoad);
    ASSERT_EQ(in.Open(), 0);
    std::uint8_t b = 0;
    std::uint16_t w = 0;
    std::uint32_t d = 0;
    std::int64_t amount = 0;
    double rate = 0;
    char name[4] = {};
    EXPECT_EQ(in.Transfer(b), 0);
    EXPECT_EQ(in.Transfer(w), 0);
    EXPECT_EQ(in.Transfer(d), 0);
    EXPECT_EQ(in.Transfer(amount), 0);
    EXPECT_EQ(in.Transfer(rate), 0);
    EXPECT_EQ(in.TransferText(name), 0);
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(d, 0x89ABCDEFu);
    EXPECT_EQ(amount, -2);
    EXPECT_EQ(rate, 1.0);
    EXPECT_STREQ(name, "ab");
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(in.Transfer(b), 1);  // past the end
}

TEST(RecordArchive, ReadPastTheEndCopiesNothing) {
    TempFolder temp;
    testing_support::WriteBytes(temp.File("short"), {1, 2, 3});
    RecordArchive ar(temp.File("short"), RecordArchive::kLoad);
    ASSERT_EQ(ar.Open(), 0);
    std::uint8_t buffer[4] = {9, 9, 9, 9};
    EXPECT_EQ(ar.ReadBytes(buffer, 4), 1);
    EXPECT_EQ(buffer[0], 9);
    EXPECT_EQ(ar.Remaining(), 3u);
    EXPECT_EQ(ar.ReadBytes(buffer, 3), 0);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_EQ(ar.WriteBytes(buffer, 1), 0);  // writing while loading does nothing
}

TEST(RecordArchive, TakeHandsOutBytesInPlaceOrNothing) {
    TempFolder temp;
    testing_support::WriteBytes(temp.File("short"), {1, 2, 3, 4, 5});
    RecordArchive ar(temp.File("short"), RecordArchive::kLoad);
    ASSERT_EQ(ar.Open(), 0);
    const std::uint8_t* first = ar.Take(2);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first[0], 1);
    EXPECT_EQ(first[1], 2);
    EXPECT_EQ(ar.Take(4), nullptr);  // only three remain: nothing is taken
    EXPECT_EQ(ar.Tell(), 2u);
    const std::uint8_t* rest = ar.Take(3);
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(rest, first + 2);  // the same bytes, not a copy
    EXPECT_EQ(rest[2], 5);
    EXPECT_EQ(ar.Remaining(), 0u);

    RecordArchive out(temp.File("out"), RecordArchive::kSave);
    ASSERT_EQ(out.Open(), 0);
    EXPECT_EQ(out.Take(1), nullptr);  // nothing to take while saving
}

TEST(RecordArchive, LoadedTextIsAlwaysTerminated) {
    TempFolder temp;
    testing_support::WriteBytes(temp.File("text"), {'a', 'b', 'c', 'd'});
    RecordArchive ar(temp.File("text"), RecordArchive::kLoad);
    ASSERT_EQ(ar.Open(), 0);
    char text[4];
    EXPECT_EQ(ar.TransferText(text), 0);
    EXPECT_STREQ(text, "abc");
}

TEST(RecordArchive, MissingFileFailsToOpen) {
    TempFolder temp;
    RecordArchive ar(temp.File("missing"), RecordArchive::kLoad);
    EXPECT_EQ(ar.Open(), 1);
    std::uint8_t b = 0;
    EXPECT_EQ(ar.Transfer(b), 1);
    RecordArchive out(temp.File("no/such/folder"), RecordArchive::kSave);
    EXPECT_EQ(out.Open(), 1);
    EXPECT_EQ(out.WriteBytes(&b, 1), 1);
    EXPECT_EQ(out.Close(), 1);
}

TEST(RecordArchive, FailedWriteIsReportedAndLatched) {
    TempFolder temp;
    const std::string path = temp.File("data");
    testing_support::WriteBytes(path, {7, 7});
    RecordArchive ar(path, RecordArchive::kSave);
    ASSERT_EQ(ar.Open(), 0);
    std::vector<std::uint8_t> big(100000, 1);
    {
        sys::ScopedFileFault fault(sys::FileStep::Write);
        EXPECT_EQ(ar.WriteBytes(big.data(), big.size()), 1);
    }
    EXPECT_EQ(ar.WriteBytes(big.data(), 1), 1);
    EXPECT_EQ(ar.Close(), 1);
    EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>({7, 7}));
}

TEST(RecordArchive, UnclosedSaveLeavesTheOldFile) {
    TempFolder temp;
    const std::string path = temp.File("data");
    testing_support::WriteBytes(path, {7});
    {
        RecordArchive ar(path, RecordArchive::kSave);
        ASSERT_EQ(ar.Open(), 0);
        std::uint8_t b = 1;
        ar.Transfer(b);
    }
    EXPECT_EQ(ReadBytes(path), std::vector<std::uint8_t>({7}));
    EXPECT_EQ(testing_support::ListFolder(temp.Path()), std::vector<std::string>({"data"}));
}

}  // namespace
