// Scheduled transactions: the stored block byte for byte, the list file read back whole and cut
// short, and the series' own rules (counting down, "Indefinitely", the reminder time, the state).
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "ModelBytes.h"
#include "ScheduleDay.h"
#include "model/BuiltInKey.h"
#include "model/CCVPayeeItem.h"
#include "model/CScheduledList.h"
#include "model/CTransactionTypeList.h"
#include "support/TempFolder.h"

namespace {

using namespace model_bytes;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

constexpr std::size_t kBlockAt = CCVItem::kStoredSize;

RecordKey KeyOf(std::uint8_t fill) {
    RecordKey key;
    key.bytes.fill(fill);
    return key;
}

// A monthly rent check with a reminder, a marked template, and split lines 0 and 9 (line 0 with
// a memo longer than the block holds).
CScheduledItem SampleItem() {
    CScheduledItem item;
    CTransaction& t = item.Template();
    t.SetTransactionId(KeyOf(0x11));
    t.SetDate(0x01020304);
    t.SetAmount(1050);
    t.SetCategoryId(BuiltInKey(119));
    t.SetClassId(BuiltInKey(101));
    t.SetTypeId(BuiltInKey(CTransactionTypeList::kTypeCheck));
    t.SetReconcileMark(true);
    item.SetTemplateState(CTransaction::kCleared);
    t.SetPayeeName("Rent Co");
    t.SetMemo("monthly");
    CSplitLine line;
    line.SetCategoryId(BuiltInKey(119));
    line.SetAmount(700);
    line.SetMemo(std::string(200, 'x').c_str());
    t.SetSplit(0, line);
    line.SetCategoryId(BuiltInKey(120));
    line.SetAmount(350);
    line.SetMemo("last");
    t.SetSplit(9, line);
    item.SetAccountId(KeyOf(0x22));
    item.SetNextDate(0x0A0B0C0D);
    item.SetFrequency(kFrequencyMonthly);
    item.SetRemainingCount(12);
    item.SetEnterMode(CScheduledItem::kRemindMe);
    item.SetDaysInAdvance(3);
    return item;
}

Bytes SplitBytes(std::uint8_t category, Amount amount, const std::string& memo) {
    return Concat({Key(0, category), Zeros(8), Le64(static_cast<std::uint64_t>(amount)), Zeros(8),
                   Text(memo, 162)});
}

Bytes SampleBytes() {
    Bytes lines = SplitBytes(119, 700, std::string(161, 'x'));
    for (int i = 1; i < 9; ++i) lines = Concat({lines, Zeros(194)});
    lines = Concat({lines, SplitBytes(120, 350, "last")});
    return Concat({ItemPart(CCVItem::kModified),
                   Bytes(8, 0x11),
                   Le32(0x01020304),
                   Le64(1050),
                   Le32(0),
                   Key(0, 119),
                   Key(0, 101),
                   Zeros(8),
                   Key(0xC0, 0x01),
                   Zeros(8),
                   {0x41, 0xFF, 0, 0},  // cleared and still marked, no source split
                   Zeros(16),
                   Text("Rent Co", 34),
                   Text("monthly", 161),
                   Zeros(256),
                   {0},
                   lines,
                   Zeros(40),
                   Bytes(8, 0x22),
                   Le32(0x0A0B0C0D),
                   {kFrequencyMonthly, 0},
                   Le16(12),
                   {CScheduledItem::kRemindMe, 3},
                   Zeros(16),
                   Zeros(4)});
}

TEST(ScheduledItem, ListFileBytesAndReadBack) {
    TempFolder folder;
    const std::string path = folder.File("ScheduledTransList.lst");
    {
        CScheduledList fresh;  // a missing file is written empty
        EXPECT_EQ(fresh.LoadFile(path), 0);
        EXPECT_EQ(ReadBytes(path), Le16(0));
    }
    CScheduledList list;
    list.Append(std::make_unique<CScheduledItem>(SampleItem()).release());
    auto second = std::make_unique<CScheduledItem>();
    second->Template().SetTransactionId(KeyOf(0x33));
    list.Append(second.release());
    ASSERT_EQ(list.SaveFile(path), 0);
    const Bytes sample = SampleBytes();
    ASSERT_EQ(sample.size(), CScheduledItem::kStoredSize);
    const Bytes empty = Concat({ItemPart(), Bytes(8, 0x33), Zeros(56), {0, 0xFF}, Zeros(2488)});
    EXPECT_EQ(ReadBytes(path), ListFile(0, "CScheduledItem", {sample, empty}));

    CScheduledList loaded;
    ASSERT_EQ(loaded.LoadFile(path), 0);
    ASSERT_EQ(loaded.Count(), 2u);
    const CScheduledItem& back = *loaded.At(0);
    EXPECT_EQ(back.GetNextDate(), 0x0A0B0C0Du);
    EXPECT_EQ(back.GetRemainingCount(), 12);
    EXPECT_EQ(back.GetAccountId(), KeyOf(0x22));
    EXPECT_STREQ(back.GetName(), "Rent Co");
    EXPECT_EQ(back.Template().GetSplit(0).GetMemo(), std::string(161, 'x'));
    EXPECT_EQ(back.Template().GetStateFlags(), 0x41);
    EXPECT_EQ(*loaded.At(1)->GetKey(), KeyOf(0x33));
}

TEST(ScheduledItem, ACutFileKeepsTheWholeItemsBeforeTheCut) {
    TempFolder folder;
    const std::string path = folder.File("cut.lst");
    const Bytes record = SampleBytes();
    const Bytes full = ListFile(0, "CScheduledItem", {record, record});
    const std::size_t header = full.size() - 2 * record.size() - 2;
    const std::size_t second = header + record.size() + 2;
    // Cuts in the header, the record part, the block and the trailing reserved bytes of each.
    const std::pair<std::size_t, std::uint32_t> cuts[] = {
        {0, 0},
        {header, 0},
        {header + kBlockAt - 1, 0},
        {header + kBlockAt + CScheduledItem::kBlockSize - 1, 0},
        {header + CScheduledItem::kStoredSize - 1, 0},
        {header + CScheduledItem::kStoredSize + 1, 1},
        {second + kBlockAt + 84, 1},
        {full.size() - 1, 1},
    };
    for (const auto& [cut, kept] : cuts) {
        WriteBytes(path, Bytes(full.begin(), full.begin() + static_cast<long>(cut)));
        CScheduledList list;
        EXPECT_EQ(list.LoadFile(path), 1) << "cut at " << cut;
        EXPECT_EQ(list.Count(), kept) << "cut at " << cut;
    }
}

TEST(ScheduledItem, ReservedBytesKeptAndLongTextsCut) {
    TempFolder folder;
    const std::string path = folder.File("ScheduledTransList.lst");
    CScheduledList list;
    list.Append(std::make_unique<CScheduledItem>(SampleItem()).release());
    ASSERT_EQ(list.SaveFile(path), 0);
    Bytes file = ReadBytes(path);
    const std::size_t block = file.size() - CScheduledItem::kStoredSize + kBlockAt;
    for (std::size_t offset : {535u, 2476u, 2515u, 2529u, 2534u, 2549u})
        file[block + offset] = 0x5A;
    for (std::size_t i = 0; i < 33; ++i) file[block + 84 + i] = 'p';  // a 33-character payee
    file[block + 2550] = 0x77;                                        // the trailing reserved bytes
    WriteBytes(path, file);

    CScheduledList loaded;
    ASSERT_EQ(loaded.LoadFile(path), 0);
    EXPECT_EQ(std::string(loaded.At(0)->GetPayeeName()), std::string(32, 'p'));
    ASSERT_EQ(loaded.SaveFile(path), 0);
    Bytes expected = file;
    expected[block + 84 + 32] = 0;  // the payee as the template holds it
    expected[block + 2550] = 0;     // written as zero
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(ScheduledItem, IndefinitelyOnceAndTheEnd) {
    CScheduledItem forever;
    forever.SetNextDate(1000);
    forever.SetFrequency(kFrequencyWeekly);
    forever.SetRemainingCount(CScheduledItem::kIndefinitely);
    for (int i = 0; i < 3; ++i) forever.Advance();
    EXPECT_EQ(forever.GetRemainingCount(), CScheduledItem::kIndefinitely);
    EXPECT_EQ(forever.GetNextDate(), 1000u + 21 * kSecondsPerDay);

    CScheduledItem once = forever;  // "Once" ends whatever its count
    once.SetFrequency(kFrequencyOnce);
    once.Advance();
    EXPECT_TRUE(once.HasEnded());
    // An ended series stays ended and never occurs again.
    once.Advance();
    EXPECT_TRUE(once.HasEnded());
    EXPECT_EQ(once.GetRemainingCount(), CScheduledItem::kIndefinitely);
    DateTime running = 0;
    EXPECT_FALSE(once.OccursBy(running, kScheduleEnded, 1));
}

TEST(ScheduledItem, ReminderTimeStateAndPayeeMemory) {
    CScheduledItem item;
    item.SetEnterMode(CScheduledItem::kRemindMe);
    item.SetDaysInAdvance(3);
    item.SetNextDate(Day(2027, 3, 10, 9));
    EXPECT_EQ(item.GetReminderTime(), Day(2027, 3, 7, 9));
    item.SetNextDate(2 * kSecondsPerDay);  // would fall before 1904: the first moment instead
    EXPECT_EQ(item.GetReminderTime(), 1u);

    // Unlike a transaction's, the template's state setter keeps the reconcile mark.
    item.Template().SetReconcileMark(true);
    item.SetTemplateState(CTransaction::kVoid);
    EXPECT_EQ(item.Template().GetStateFlags(), 0xC1);

    CScheduledItem remembered = SampleItem();
    CCVPayeeItem payee("Rent Co");
    payee.RememberTransaction(remembered);
    CScheduledItem fresh;
    payee.ApplyToScheduled(fresh);
    EXPECT_EQ(fresh.Template().GetAmount(), 1050);
    EXPECT_EQ(fresh.GetTypeId(), BuiltInKey(CTransactionTypeList::kTypeCheck));
    EXPECT_STREQ(fresh.GetMemo(), "monthly");
    EXPECT_EQ(fresh.Template().GetSplit(9).GetAmount(), 350);
    EXPECT_TRUE(fresh.IsModified());
}

}  // namespace
