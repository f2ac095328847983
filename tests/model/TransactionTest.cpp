// Transactions: the stored record byte for byte, texts whose length byte is too large, truncated
// registers, the state and filter rules, signed amounts and the copies.
#include <gtest/gtest.h>

#include <string>

#include "ModelBytes.h"
#include "RegisterFixture.h"
#include "model/BuiltInKey.h"
#include "model/CCVTxnList.h"
#include "support/TempFolder.h"

namespace {

using namespace model_bytes;
using register_fixture::Txn;
using register_fixture::Type;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

constexpr std::size_t kHeaderSize = 8 + 12;  // count, 0xFFFF, version, length, "CTransaction"

RecordKey KeyOf(std::uint8_t fill) {
    RecordKey key;
    key.bytes.fill(fill);
    return key;
}

// A check with a text in each field, an empty memo, line 0 and a line 9 with a 255-character memo.
CTransaction SampleTransaction() {
    CTransaction t;
    t.SetTransactionId(KeyOf(0x11));
    t.SetDate(0x01020304);
    t.SetAmount(1050);
    t.SetCheckNumber(101);
    t.SetCategoryId(BuiltInKey(119));
    t.SetClassId(BuiltInKey(101));
    t.SetTypeId(BuiltInKey(Type::kTypeCheck));
    t.SetState(CTransaction::kCleared);
    t.SetPayeeName("Corner Shop");
    t.SetOnlineId("FIT-1");
    CSplitLine line;
    line.SetCategoryId(BuiltInKey(119));
    line.SetAmount(700);
    line.SetMemo("groceries");
    t.SetSplit(0, line);
    line.SetCategoryId(BuiltInKey(120));
    line.SetAmount(350);
    line.SetMemo(std::string(255, 'x').c_str());
    t.SetSplit(9, line);
    return t;
}

Bytes Counted(const std::string& text) {
    Bytes b(text.begin(), text.end());
    return Concat({Bytes(1, static_cast<std::uint8_t>(text.size())), b});
}

Bytes SampleBytes() {
    Bytes lines;
    lines = Concat({Key(0, 119), Zeros(8), Le64(700), Zeros(8), Counted("groceries")});
    for (int i = 1; i < 9; ++i) lines = Concat({lines, Zeros(32), {0}});
    lines =
        Concat({lines, Key(0, 120), Zeros(8), Le64(350), Zeros(8), Counted(std::string(255, 'x'))});
    return Concat({ItemPart(CCVItem::kModified | CCVItem::kChanged),
                   Bytes(8, 0x11),
                   Le32(0x01020304),
                   Le64(1050),
                   Le32(101),
                   Key(0, 119),
                   Key(0, 101),
                   Zeros(8),
                   Key(0xC0, 0x01),
                   Zeros(8),
                   {0x40, 0xFF, 0, 0},  // cleared, no source split, currency 0, entered
                   Zeros(16),
                   Counted("Corner Shop"),
                   {0},  // an empty memo is its length byte alone
                   Counted("FIT-1"),
                   lines,
                   Zeros(4)});
}

TEST(Transaction, RecordIsStoredByteForByteAndReadBack) {
    TempFolder folder;
    const std::string path = folder.File("register.lst");
    CCVTxnList list;
    list.Append(new CTransaction(SampleTransaction()));
    ASSERT_EQ(list.SaveFile(path), 0);
    EXPECT_EQ(ReadBytes(path), ListFile(0, "CTransaction", {SampleBytes()}));

    CCVTxnList loaded;
    ASSERT_EQ(loaded.LoadFile(path), 0);
    ASSERT_EQ(loaded.Count(), 1u);
    const CTransaction& t = *loaded.At(0);
    EXPECT_EQ(t.GetTransactionId(), KeyOf(0x11));
    EXPECT_STREQ(t.GetPayeeName(), "Corner Shop");
    EXPECT_STREQ(t.GetMemo(), "");
    EXPECT_EQ(t.GetSplit(9).GetMemo(), std::string(255, 'x'));
    EXPECT_TRUE(t.GetSplit(9) == SampleTransaction().GetSplit(9));
    EXPECT_FALSE(t.SplitLineInUse(5));
    const std::string again = folder.File("again.lst");
    ASSERT_EQ(loaded.SaveFile(again), 0);
    EXPECT_EQ(ReadBytes(again), ReadBytes(path));
}

TEST(Transaction, SplitLineWithAnySingleFieldSurvivesALoad) {
    // Lines are kept only when one is in use; each field alone makes a line worth keeping.
    CTransaction t;
    CSplitLine memoOnly;
    memoOnly.SetMemo("note");
    t.SetSplit(2, memoOnly);
    CSplitLine classOnly;
    classOnly.SetClassId(BuiltInKey(101));
    t.SetSplit(4, classOnly);
    CSplitLine linkOnly;
    linkOnly.SetLinkedTransactionId(KeyOf(0x22));
    t.SetSplit(6, linkOnly);
    CSplitLine categoryOnly;
    categoryOnly.SetCategoryId(BuiltInKey(119));
    t.SetSplit(8, categoryOnly);
    CSplitLine amountOnly;
    amountOnly.SetAmount(5);
    t.SetSplit(9, amountOnly);
    TempFolder folder;
    const std::string path = folder.File("lines.lst");
    CCVTxnList list;
    list.Append(new CTransaction(t));
    ASSERT_EQ(list.SaveFile(path), 0);

    CCVTxnList loaded;
    ASSERT_EQ(loaded.LoadFile(path), 0);
    const CTransaction& back = *loaded.At(0);
    EXPECT_STREQ(back.GetSplit(2).GetMemo(), "note");
    EXPECT_EQ(back.GetSplit(4).GetClassId(), BuiltInKey(101));
    EXPECT_EQ(back.GetSplit(6).GetLinkedTransactionId(), KeyOf(0x22));
    EXPECT_EQ(back.GetSplit(8).GetCategoryId(), BuiltInKey(119));
    EXPECT_EQ(back.GetSplit(9).GetAmount(), 5);
    EXPECT_TRUE(back.GetSplit(3) == CSplitLine{});
    const std::string again = folder.File("again.lst");
    ASSERT_EQ(loaded.SaveFile(again), 0);
    EXPECT_EQ(ReadBytes(again), ReadBytes(path));
}

TEST(Transaction, LengthAboveCapacityCutsTheTextAndKeepsTheRestInPlace) {
    TempFolder folder;
    Bytes record = SampleBytes();
    // Payee of 40 characters (capacity 32) and memo of 200 (capacity 160).
    const std::size_t texts = CCVItem::kStoredSize + CTransaction::kFixedSize;
    record.erase(record.begin() + texts, record.begin() + texts + 1 + 11 + 1);
    const Bytes longTexts = Concat({Counted(std::string(40, 'P')), Counted(std::string(200, 'm'))});
    record.insert(record.begin() + texts, longTexts.begin(), longTexts.end());
    const std::string path = folder.File("long.lst");
    WriteBytes(path, ListFile(0, "CTransaction", {record}));

    CCVTxnList list;
    ASSERT_EQ(list.LoadFile(path), 0);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(std::string(list.At(0)->GetPayeeName()), std::string(32, 'P'));
    EXPECT_EQ(std::string(list.At(0)->GetMemo()), std::string(160, 'm'));
    EXPECT_STREQ(list.At(0)->GetOnlineId(), "FIT-1");
    EXPECT_EQ(list.At(0)->GetSplit(9).GetAmount(), 350);
}

TEST(Transaction, TruncatedRegisterKeepsOnlyWholeTransactions) {
    TempFolder folder;
    const std::string path = folder.File("cut.lst");
    CCVTxnList list;
    for (int i = 0; i < 2; ++i) {
        auto t = Txn(100, 250, Type::kTypeAtm, "Bank", CTransaction::kCleared);
        t->SetMemo("cash");
        list.Append(t.release());
    }
    ASSERT_EQ(list.SaveFile(path), 0);
    // Base, fixed part, three texts, ten empty split lines, reserved bytes.
    const std::size_t recordSize = CCVItem::kStoredSize + CTransaction::kFixedSize + 5 + 5 + 1 +
                                   10 * (CSplitLine::kFixedSize + 1) + CTransaction::kReservedSize;
    EXPECT_EQ(ReadBytes(path).size(), kHeaderSize + 2 * recordSize + 2);
    ExpectTruncationKeepsWholeRecords(path, recordSize, 0,
                                      [] { return std::make_unique<CCVTxnList>(); });
}

TEST(Transaction, StatesFiltersAndOrigins) {
    CTransaction t;
    const auto passing = [&t] {
        std::string filters;
        for (int f = 0; f <= CTransaction::kFilterCount; ++f)
            filters += t.MatchesFilter(f) ? '1' : '0';
        return filters;
    };
    // filters: All, Reconciled, Unreconciled, Cleared, Uncleared, Downloaded, Imported, (none)
    EXPECT_EQ(passing(), "10101000");
    t.SetState(CTransaction::kCleared);
    EXPECT_EQ(passing(), "10110000");
    t.SetReconciled();
    EXPECT_EQ(passing(), "11010000");
    t.SetState(CTransaction::kVoid);  // "Uncleared" passes void, "Unreconciled" does not
    EXPECT_EQ(passing(), "10001000");
    t.SetOnlineOrigin(CTransaction::kAwaitingReview);  // no bank identifier: imported
    EXPECT_EQ(passing(), "10001010");
    t.SetOnlineId("FIT");
    EXPECT_EQ(passing(), "10001100");
    t.SetOnlineOrigin(CTransaction::kAccepted);
    EXPECT_EQ(passing(), "10001000");

    t.SetReconcileMark(true);
    EXPECT_TRUE(t.GetReconcileMark());
    t.SetState(CTransaction::kCleared);  // a change of state clears the mark
    EXPECT_FALSE(t.GetReconcileMark());
    EXPECT_EQ(t.GetStateFlags(), 0x40);
}

TEST(Transaction, SignedAmountsSplitsAndTwins) {
    auto t = Txn(0, 1050, Type::kTypeWithdrawal);
    EXPECT_EQ(t->GetSignedAmount(), -1050);
    t->SetTypeId(BuiltInKey(Type::kTypeDeposit));
    EXPECT_EQ(t->GetSignedAmount(), 1050);
    CSplitLine line;
    line.SetAmount(300);
    t->SetSplit(2, line);
    t->SetTypeId(BuiltInKey(Type::kTypeCharge));
    EXPECT_EQ(t->GetSplitSignedAmount(2), -300);
    EXPECT_EQ(t->GetSplitSignedAmount(10), 0);  // no such line
    t->SetSplit(-1, line);                      // changes nothing
    EXPECT_FALSE(t->IsSplit());
    t->SetCategoryId(CTransaction::SplitCategoryId());
    EXPECT_TRUE(t->IsSplit());

    EXPECT_FALSE(t->IsSplitTransferTwin());
    t->SetLinkedTransactionId(KeyOf(7));
    EXPECT_FALSE(t->IsSplitTransferTwin());
    t->SetSourceSplitIndex(3);
    EXPECT_TRUE(t->IsSplitTransferTwin());

    // The payee's view of a line, and a pre-filled line loses its link and memo.
    line.SetMemo("memo");
    line.SetLinkedTransactionId(KeyOf(9));
    t->SetSplit(4, line);
    t->SetSplitLine(4, {BuiltInKey(119), BuiltInKey(101), 55});
    EXPECT_EQ(t->GetSplitLine(4).amount, 55);
    EXPECT_STREQ(t->GetSplit(4).GetMemo(), "");
    EXPECT_TRUE(t->GetSplit(4).GetLinkedTransactionId().IsNull());
}

TEST(Transaction, CopiesAndSetterFlags) {
    CTransaction source = SampleTransaction();
    EXPECT_EQ(source.Flags(), CCVItem::kModified | CCVItem::kChanged);

    CTransaction copy;
    copy.CopyFrom(source);  // the identifier too; memos duplicated
    EXPECT_EQ(copy.GetTransactionId(), source.GetTransactionId());
    source.SetSplit(9, CSplitLine{});
    EXPECT_EQ(copy.GetSplit(9).GetMemo(), std::string(255, 'x'));

    const DateTime day = 5 * kSecondsPerDay + 3600;
    const CTransaction entered(copy, day);  // a scheduled transaction entered on a day
    EXPECT_NE(entered.GetTransactionId(), copy.GetTransactionId());
    EXPECT_EQ(entered.GetDate() / kSecondsPerDay, 5u);
    EXPECT_EQ(entered.Flags(), 0);
    EXPECT_STREQ(entered.GetPayeeName(), "Corner Shop");
    EXPECT_EQ(entered.GetSplit(0).GetAmount(), 700);
}

}  // namespace
