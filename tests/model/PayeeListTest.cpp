// Payees: the stored record, payee memory, budgets by name and the payee editing rules; payee
// look-ups.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ModelBytes.h"
#include "model/BuiltInKey.h"
#include "model/CCVPayeeList.h"
#include "model/CCVPayeeLookUpList.h"
#include "support/TempFolder.h"

namespace {

using namespace model_bytes;
using testing_support::ReadBytes;
using testing_support::TempFolder;

// A register entry as the payee sees it. Split lines also carry a link and a memo, which the
// pre-fill must clear.
struct FakeTransaction : PayeeMemoryFields {
    struct Line {
        SplitLine remembered;
        std::string link = "linked";
        std::string memo = "line memo";
    };
    std::string payee;
    Amount amount = 0;
    RecordKey type, category, klass;
    std::string memo;
    std::array<Line, kSplitLines> lines;

    const char* GetPayeeName() const override { return payee.c_str(); }
    Amount GetAmount() const override { return amount; }
    RecordKey GetTypeId() const override { return type; }
    RecordKey GetCategoryId() const override { return category; }
    RecordKey GetClassId() const override { return klass; }
    const char* GetMemo() const override { return memo.c_str(); }
    SplitLine GetSplitLine(int line) const override { return lines.at(line).remembered; }
    void SetAmount(Amount value) override { amount = value; }
    void SetTypeId(const RecordKey& key) override { type = key; }
    void SetCategoryId(const RecordKey& key) override { category = key; }
    void SetClassId(const RecordKey& key) override { klass = key; }
    void SetMemo(const char* text) override { memo = text; }
    void SetSplitLine(int line, const SplitLine& value) override {
        lines.at(line) = {value, "", ""};
    }
};

FakeTransaction SampleTransaction() {
    FakeTransaction t;
    t.payee = "Corner Shop";
    t.amount = 1050;
    t.type = BuiltInKey(0x8002);
    t.category = BuiltInKey(119);
    t.klass = BuiltInKey(102);
    t.memo = "weekly";
    t.lines[0].remembered = {BuiltInKey(119), BuiltInKey(101), 700};
    t.lines[9].remembered = {BuiltInKey(120), RecordKey{}, 350};
    return t;
}

TEST(PayeeList, RememberedTransactionIsStoredByteForByte) {
    CCVPayeeList list;
    auto* payee = new CCVPayeeItem("corner shop");
    list.AddPayee(payee);
    payee->RememberTransaction(SampleTransaction());
    payee->SetBudget(-20000);
    EXPECT_STREQ(payee->GetName(), "Corner Shop");
    EXPECT_TRUE(payee->IsModified());

    Bytes lines;
    for (int i = 0; i < 10; ++i) {
        if (i == 0) {
            lines = Concat({lines, Key(0, 119), Key(0, 101), Le64(700)});
        } else if (i == 9) {
            lines = Concat({lines, Key(0, 120), Zeros(8), Le64(350)});
        } else {
            lines = Concat({lines, Zeros(24)});
        }
    }
    const Bytes record =
        Concat({ItemPart(0x40), Zeros(8), Text("Corner Shop", 33), Zeros(1), Le64(1050),
                Key(0x80, 2), Key(0, 119), Key(0, 102), Le64(static_cast<std::uint64_t>(-20000)),
                Text("weekly", 162), lines, Zeros(4)});
    ASSERT_EQ(record.size(), CCVPayeeItem::kStoredSize);

    TempFolder temp;
    ASSERT_EQ(list.SaveFile(temp.File("p.lst")), 0);
    EXPECT_EQ(ReadBytes(temp.File("p.lst")), ListFile(0x0100, "CPayeeItem", {record}));

    CCVPayeeList loaded;
    ASSERT_EQ(loaded.LoadFile(temp.File("p.lst")), 0);
    ASSERT_EQ(loaded.Count(), 1u);
    const CCVPayeeItem* back = loaded.At(0);
    EXPECT_EQ(back->GetAmount(), 1050);
    EXPECT_EQ(back->GetBudget(), -20000);
    EXPECT_EQ(back->GetSplitLine(9).amount, 350);
    EXPECT_STREQ(back->GetMemo(), "weekly");
}

TEST(PayeeList, ApplyToTransactionPrefillsAndClearsTheLines) {
    CCVPayeeItem payee("Corner Shop");
    payee.RememberTransaction(SampleTransaction());

    FakeTransaction fresh;
    fresh.payee = "Corner Shop";
    fresh.memo = "old";
    payee.ApplyToTransaction(fresh);
    EXPECT_EQ(fresh.amount, 1050);
    EXPECT_EQ(fresh.type, BuiltInKey(0x8002));
    EXPECT_EQ(fresh.category, BuiltInKey(119));
    EXPECT_EQ(fresh.klass, BuiltInKey(102));
    EXPECT_EQ(fresh.memo, "weekly");
    EXPECT_EQ(fresh.lines[0].remembered.amount, 700);
    EXPECT_EQ(fresh.lines[0].link, "");
    EXPECT_EQ(fresh.lines[5].memo, "");

    FakeTransaction scheduled;
    payee.ApplyToScheduled(scheduled);
    EXPECT_EQ(scheduled.lines[9].remembered,
              (PayeeMemoryFields::SplitLine{BuiltInKey(120), {}, 350}));

    // A memo longer than the payee's field is cut to 161 characters.
    FakeTransaction longMemo = SampleTransaction();
    longMemo.memo = std::string(200, 'm');
    payee.RememberTransaction(longMemo);
    EXPECT_EQ(std::string(payee.GetMemo()), std::string(161, 'm'));
}

TEST(PayeeList, BudgetsByNameAndDeletion) {
    CCVPayeeList list;
    EXPECT_EQ(list.GetBudgetByName("Rent"), 0);
    EXPECT_EQ(list.SetBudgetByName("Rent", 90000), 0);
    EXPECT_EQ(list.SetBudgetByName("Bakery", 3000), 0);
    EXPECT_EQ(list.SetBudgetByName("rent", 95000), 0);
    EXPECT_EQ(list.SetBudgetByName("", 1), 1);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_STREQ(list.At(0)->GetName(), "Bakery");
    EXPECT_EQ(list.GetBudgetByName("RENT"), 95000);

    EXPECT_EQ(list.DeletePayeeAt(2), 1);
    EXPECT_EQ(list.DeletePayeeAt(0), 0);
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.GetBudgetByName("Bakery"), 0);
}

TEST(PayeeList, EditingRules) {
    CCVPayeeList list;
    EXPECT_EQ(list.RenamePayee(0, "X"), EditOutcome::Refused(res::IDS_LIST_EMPTY));
    EXPECT_EQ(list.NewPayee("Acme"), EditOutcome::Done());
    EXPECT_EQ(list.NewPayee("Bakery"), EditOutcome::Done());
    EXPECT_EQ(list.NewPayee("Zoo"), EditOutcome::Done());
    EXPECT_EQ(list.NewPayee(""), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.NewPayee("ACME"), EditOutcome::Refused(res::IDS_PAYEE_NAME_EXISTS));
    EXPECT_EQ(list.RenamePayee(0, "bakery"), EditOutcome::Refused(res::IDS_PAYEE_NAME_EXISTS));
    EXPECT_EQ(list.RenamePayee(0, ""), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.RenamePayee(3, "Q"), EditOutcome::Refused(res::IDS_BAD_ITEM_INDEX));
    EXPECT_EQ(list.DeletePayee(3), EditOutcome::Refused(res::IDS_BAD_ITEM_INDEX));

    // Its own name in other letter case is accepted.
    EXPECT_EQ(list.RenamePayee(0, "ACME"), EditOutcome::Done());
    EXPECT_STREQ(list.At(0)->GetName(), "ACME");
    // A renamed payee moves to its place, so the list stays in name order.
    EXPECT_EQ(list.RenamePayee(0, "Market"), EditOutcome::Done());
    EXPECT_STREQ(list.At(0)->GetName(), "Bakery");
    EXPECT_STREQ(list.At(1)->GetName(), "Market");
    EXPECT_STREQ(list.At(2)->GetName(), "Zoo");

    EXPECT_EQ(list.DeletePayee(1), EditOutcome::Done());
    EXPECT_EQ(list.FindPayee("Market"), nullptr);
    EXPECT_EQ(list.NewPayee("market"), EditOutcome::Done());
}

TEST(PayeeList, TruncatedFileKeepsTheRecordsBeforeTheDamage) {
    TempFolder temp;
    CCVPayeeList sample;
    for (const char* name : {"Alpha", "Beta"}) sample.NewPayee(name);
    sample.At(1)->RememberTransaction(SampleTransaction());
    ASSERT_EQ(sample.SaveFile(temp.File("p.lst")), 0);
    model_bytes::ExpectTruncationKeepsWholeRecords(temp.File("p.lst"), CCVPayeeItem::kStoredSize, 0,
                                                   [] { return std::make_unique<CCVPayeeList>(); });
}

TEST(PayeeLookUpList, FindAddAndStore) {
    CCVPayeeLookUpList list;
    CCVPayeeLookUpItem* first = list.AddLookUp("ACME CORP 1234", "Acme");
    CCVPayeeLookUpItem* second = list.AddLookUp("CORNER SHOP", "");
    EXPECT_NE(*first->GetKey(), *second->GetKey());
    EXPECT_FALSE(first->GetKey()->IsNull());
    EXPECT_EQ(list.At(1), second);  // appended

    EXPECT_EQ(list.FindByBankName("ACME CORP 1234"), first);
    EXPECT_EQ(list.FindByBankName("Acme Corp 1234"), nullptr);  // letter case counts
    EXPECT_EQ(list.FindByBankName(nullptr), nullptr);
    EXPECT_STREQ(CCVPayeeLookUpList::GetPayeeName(first), "Acme");
    EXPECT_STREQ(CCVPayeeLookUpList::GetPayeeName(nullptr), "");

    // A bank text longer than the field finds the look-up made from it.
    const std::string longText(40, 'B');
    CCVPayeeLookUpItem* longOne = list.AddLookUp(longText.c_str(), "");
    EXPECT_EQ(list.FindByBankName(longText.c_str()), longOne);

    CCVPayeeLookUpList one;
    CCVPayeeLookUpItem* item = one.AddLookUp("BANK TEXT", "Mine");
    TempFolder temp;
    ASSERT_EQ(one.SaveFile(temp.File("l.lst")), 0);
    const Bytes record =
        Concat({ItemPart(0x40), Bytes(item->GetKey()->bytes.begin(), item->GetKey()->bytes.end()),
                Text("BANK TEXT", 33), Text("Mine", 33), Zeros(4)});
    EXPECT_EQ(ReadBytes(temp.File("l.lst")), ListFile(0x0100, "CPayeeLookupItem", {record}));
    CCVPayeeLookUpList loaded;
    ASSERT_EQ(loaded.LoadFile(temp.File("l.lst")), 0);
    EXPECT_STREQ(loaded.FindByBankName("BANK TEXT")->GetPayeeName(), "Mine");
}

}  // namespace
