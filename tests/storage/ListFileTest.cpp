// The list file framing: exact bytes, deleted records, damage and failed saves.
#include <gtest/gtest.h>

#include "TestRecord.h"
#include "platform/sys/FileFault.h"
#include "storage/Coding.h"
#include "support/TempFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::ReadBytes;
using testing_support::TempFolder;

// A record with a fixed key, so the bytes are known.
TestRecord* Fixed(const char* name, std::uint8_t keyByte, std::uint32_t value) {
    auto* r = new TestRecord(name, value);
    r->m_key = RecordKey{};
    r->m_key.bytes[0] = keyByte;
    r->SetRecordNumber(keyByte);
    return r;
}

Bytes RecordBytes(const char* name, std::uint8_t keyByte, std::uint32_t value, std::uint8_t flags) {
    Bytes b = {keyByte, 0, 0, 0, flags, keyByte, 0, 0, 0, 0, 0, 0, 0};
    Bytes text(33, 0);
    std::memcpy(text.data(), name, std::strlen(name));
    b.insert(b.end(), text.begin(), text.end());
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return b;
}

Bytes Header(std::uint16_t count) {
    Bytes b = {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8),
               0xFF, 0xFF, 0x00, 0x01, 9, 0};
    for (char c : std::string("CTestItem")) b.push_back(static_cast<std::uint8_t>(c));
    return b;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

const Bytes kSeparator = {0x01, 0x80};

TEST(ListFile, EmptyListIsTwoZeroBytes) {
    TempFolder temp;
    TestList list;
    ASSERT_EQ(list.SaveFile(temp.File("empty.lst")), 0);
    EXPECT_EQ(ReadBytes(temp.File("empty.lst")), Bytes({0, 0}));

    TestList loaded;
    EXPECT_EQ(loaded.LoadFile(temp.File("empty.lst")), 0);
    EXPECT_EQ(loaded.Count(true), 0u);
    EXPECT_EQ(loaded.HeaderWord(), 0xFFFF);
    EXPECT_EQ(loaded.ListVersion(), 0x0100);
    EXPECT_STREQ(loaded.ListName(), "CTestItem");
}

TEST(ListFile, OneRecordHasNoSeparatorAndThreeHaveTwo) {
    TempFolder temp;
    TestList one;
    one.Append(Fixed("Rent", 1, 500));
    ASSERT_EQ(one.SaveFile(temp.File("one.lst")), 0);
    EXPECT_EQ(ReadBytes(temp.File("one.lst")), Concat({Header(1), RecordBytes("Rent", 1, 500, 0)}));

    TestList three;
    three.Append(Fixed("A", 1, 1));
    three.Append(Fixed("B", 2, 2));
    three.Append(Fixed("C", 3, 3));
    ASSERT_EQ(three.SaveFile(temp.File("three.lst")), 0);
    const Bytes expected = Concat({Header(3), RecordBytes("A", 1, 1, 0), kSeparator,
                                   RecordBytes("B", 2, 2, 0), kSeparator, RecordBytes("C", 3, 3, 0)});
    EXPECT_EQ(ReadBytes(temp.File("three.lst")), expected);

    TestList loaded;
    ASSERT_EQ(loaded.LoadFile(temp.File("three.lst")), 0);
    ASSERT_EQ(loaded.Count(), 3u);
    EXPECT_STREQ(loaded.At(2)->GetName(), "C");
    EXPECT_EQ(loaded.At(1)->m_value, 2u);
    EXPECT_EQ(loaded.StoredCount(), 3);
    ASSERT_EQ(loaded.SaveFile(temp.File("again.lst")), 0);
    EXPECT_EQ(ReadBytes(temp.File("again.lst")), expected);
}

TEST(ListFile, DeletedRecordSurvivesSaveAndReload) {
    TempFolder temp;
    TestList list;
    TestRecord* b = Fixed("B", 2, 2);
    list.Append(Fixed("A", 1, 1));
    list.Append(b);
    list.Append(Fixed("C", 3, 3));
    list.MarkDeleted(b);
    b->SetFlags(CCVItem::kDeleted);  // as if saved before: the modified bit is not the point here
    ASSERT_EQ(list.SaveFile(temp.File("del.lst")), 0);
    EXPECT_EQ(ReadBytes(temp.File("del.lst")),
              Concat({Header(3), RecordBytes("A", 1, 1, 0), kSeparator, RecordBytes("C", 3, 3, 0),
                      kSeparator, RecordBytes("B", 2, 2, 0x80)}));

    TestList loaded;
    ASSERT_EQ(loaded.LoadFile(temp.File("del.lst")), 0);
    EXPECT_EQ(loaded.Count(false), 2u);
    EXPECT_EQ(loaded.Count(true), 3u);
    EXPECT_EQ(loaded.DeletedCount(), 1u);
    EXPECT_TRUE(loaded.GetAtAny(2)->IsDeleted());
    EXPECT_EQ(loaded.FindByName("B"), nullptr);
}

TEST(ListFile, MissingFileIsCreatedWithTheDefaults) {
    TempFolder temp;
    const std::string path = temp.File("defaults.lst");
    TestList list;
    ASSERT_EQ(list.LoadFile(path), 0);
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_STREQ(list.At(1)->GetName(), "Groceries");
    // The file holds the defaults, and the list holds the records as read from it.
    const Bytes written = ReadBytes(path);
    EXPECT_EQ(written.size(), Header(3).size() + 3 * TestRecord::kStoredSize + 2 * 2);
    TestList again;
    ASSERT_EQ(again.LoadFile(path), 0);
    EXPECT_EQ(again.At(2)->m_key, list.At(2)->m_key);
}

TEST(ListFile, DefaultsThatCannotBeWrittenStayInMemory) {
    TempFolder temp;
    TestList list;
    EXPECT_EQ(list.LoadFile(temp.File("no/folder/defaults.lst")), 1);
    EXPECT_EQ(list.Count(), 3u);
}

// Cut the file of a small list at every length: the load keeps the records before the damage,
// reports it, and never reads out of bounds (run under the sanitizers too).
TEST(ListFile, TruncatedAtEveryOffset) {
    TempFolder temp;
    TestList list;
    list.Append(Fixed("A", 1, 1));
    list.Append(Fixed("B", 2, 2));
    list.Append(Fixed("C", 3, 3));
    ASSERT_EQ(list.SaveFile(temp.File("full.lst")), 0);
    const Bytes full = ReadBytes(temp.File("full.lst"));
    const std::size_t headerSize = Header(3).size();

    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        const std::string path = temp.File("cut.lst");
        testing_support::WriteBytes(path, Bytes(full.begin(), full.begin() + static_cast<long>(cut)));
        TestList loaded;
        const int rc = loaded.LoadFile(path);
        std::size_t whole = 0;
        if (cut >= headerSize) {
            const std::size_t body = cut - headerSize;
            whole = body < TestRecord::kStoredSize ? 0 : 1 + (body - TestRecord::kStoredSize) / (TestRecord::kStoredSize + 2);
        }
        // Every cut file is reported as damaged.
        EXPECT_EQ(rc, 1) << cut;
        EXPECT_EQ(loaded.Count(true), whole) << cut;
        if (whole > 0) {
            EXPECT_STREQ(loaded.At(0)->GetName(), "A") << cut;
        }
    }
}

TEST(ListFile, OverlongListNameEndsTheLoadCleanly) {
    TempFolder temp;
    Bytes bytes = {1, 0, 0xFF, 0xFF, 0, 1, 0xFF, 0};  // L = 255
    bytes.insert(bytes.end(), 255, 'x');
    const Bytes record = RecordBytes("A", 1, 1, 0);
    bytes.insert(bytes.end(), record.begin(), record.end());
    testing_support::WriteBytes(temp.File("long.lst"), bytes);
    TestList list;
    EXPECT_EQ(list.LoadFile(temp.File("long.lst")), 1);
    EXPECT_EQ(list.Count(true), 0u);
    EXPECT_STREQ(list.ListName(), "CTestItem");
}

TEST(ListFile, GarbageNeverCrashes) {
    TempFolder temp;
    std::uint32_t seed = 12345;
    for (int round = 0; round < 200; ++round) {
        Bytes bytes(static_cast<std::size_t>(round * 3));
        for (auto& b : bytes) {
            seed = seed * 1103515245 + 12345;
            b = static_cast<std::uint8_t>(seed >> 16);
        }
        if (bytes.size() > 4) bytes[0] = 3, bytes[1] = 0;  // claim three records
        testing_support::WriteBytes(temp.File("junk.lst"), bytes);
        TestList list;
        list.LoadFile(temp.File("junk.lst"));
        EXPECT_LE(list.Count(true), 3u);
        for (CCVItem* r = list.First(true); r != nullptr; r = list.Next(true)) {
            EXPECT_LE(std::strlen(r->GetName()), 32u);
        }
    }
}

class SaveFault : public ::testing::TestWithParam<sys::FileStep> {};

TEST_P(SaveFault, FailedSaveLeavesTheOldFileAndReportsIt) {
    TempFolder temp;
    const std::string path = temp.File("list.lst");
    TestList list;
    list.Append(Fixed("A", 1, 1));
    ASSERT_EQ(list.SaveFile(path), 0);
    const Bytes before = ReadBytes(path);

    for (int i = 0; i < 2000; ++i) list.Append(Fixed("More", 2, static_cast<std::uint32_t>(i)));
    {
        sys::ScopedFileFault fault(GetParam());
        EXPECT_EQ(list.SaveFile(path), 1);
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(testing_support::ListFolder(temp.Path()), std::vector<std::string>({"list.lst"}));
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveFault,
                         ::testing::Values(sys::FileStep::Create, sys::FileStep::Write,
                                           sys::FileStep::Flush, sys::FileStep::Rename));

// More records than the 16-bit count holds: the count keeps its low half, and every record comes
// back on reload.
TEST(ListFile, ListsBeyondTheSixteenBitCountSurviveAReload) {
    TempFolder temp;
    for (std::uint32_t total : {65536u, 65537u + 65536u}) {
        TestList list;
        for (std::uint32_t i = 0; i < total; ++i) list.Append(new TestRecord("r", i));
        ASSERT_EQ(list.SaveFile(temp.File("big.lst")), 0);
        const Bytes bytes = ReadBytes(temp.File("big.lst"));
        EXPECT_EQ(coding::DecodeFixed16(bytes.data()), static_cast<std::uint16_t>(total));

        TestList loaded;
        ASSERT_EQ(loaded.LoadFile(temp.File("big.lst")), 0) << total;
        ASSERT_EQ(loaded.Count(), total);
        EXPECT_EQ(loaded.At(total - 1)->m_value, total - 1);
    }
}

// What follows the records (a trailer, the next section of a file) is left for the caller even
// when it happens to start with the separator bytes.
TEST(ListFile, BytesAfterTheRecordsAreLeftUnread) {
    TempFolder temp;
    const Bytes bytes = Concat({Header(1), RecordBytes("A", 1, 1, 0), kSeparator, {9, 9, 9}});
    testing_support::WriteBytes(temp.File("trailer.lst"), bytes);
    TestList list;
    RecordArchive ar(temp.File("trailer.lst"), RecordArchive::kLoad);
    ASSERT_EQ(ar.Open(), 0);
    EXPECT_EQ(list.Serialize(ar), 0);
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(ar.Remaining(), 5u);

    // An empty list followed by a trailer.
    testing_support::WriteBytes(temp.File("empty.lst"), {0, 0, 0xFF, 0xFF, 1, 2});
    TestList empty;
    RecordArchive ar2(temp.File("empty.lst"), RecordArchive::kLoad);
    ASSERT_EQ(ar2.Open(), 0);
    EXPECT_EQ(empty.Serialize(ar2), 0);
    EXPECT_EQ(empty.Count(true), 0u);
    EXPECT_EQ(ar2.Remaining(), 4u);
}

}  // namespace
