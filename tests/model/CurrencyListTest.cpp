// Currencies: numbering, the base currency, the stored trailer and the currency editing rules.
#include <gtest/gtest.h>

#include <vector>

#include "ModelBytes.h"
#include "model/CCurrencyList.h"
#include "support/TempFolder.h"

namespace {

using testing_support::TempFolder;

class CurrencyList : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(list.CreateDefaults(), 0); }
    CCurrencyList list;
};

struct RecordingUsers : CCurrencyList::MCurrencyUsers {
    void ResetCurrency(const CCurrencyItem& deleted) override {
        reset.push_back(deleted.GetNumber());
    }
    std::vector<int> reset;
};

TEST_F(CurrencyList, NextFreeNumber) {
    EXPECT_EQ(list.NextFreeNumber(), 9);

    CCurrencyList gaps;
    gaps.Append(new CCurrencyItem(1, "A", 1.0));
    gaps.Append(new CCurrencyItem(250, "B", 1.0));
    EXPECT_EQ(gaps.NextFreeNumber(), 2);
    // Deleted currencies keep their numbers taken.
    auto* two = new CCurrencyItem(2, "C", 1.0);
    gaps.Append(two);
    gaps.MarkDeleted(two);
    EXPECT_EQ(gaps.NextFreeNumber(), 3);

    CCurrencyList full;
    for (int n = 1; n <= 250; ++n)
        full.Append(new CCurrencyItem(static_cast<std::uint8_t>(n), "X", 1.0));
    EXPECT_EQ(full.NextFreeNumber(), 0);
    EXPECT_EQ(full.NewCurrency("NEW", "1"), EditOutcome::Refused(res::IDS_CURRENCY_LIST_FULL));

    EXPECT_EQ(CCurrencyList().NextFreeNumber(), 1);
}

TEST_F(CurrencyList, BaseAndSymbols) {
    EXPECT_EQ(list.IsBase(list.At(0)), kYes);
    EXPECT_EQ(list.IsBase(list.At(1)), kNo);
    EXPECT_EQ(list.FindByNumber(4), list.At(3));
    EXPECT_EQ(list.FindByNumber(9), nullptr);

    list.SetBase(list.At(0));
    EXPECT_FALSE(list.BaseChanged());
    list.SetBase(list.At(2));
    EXPECT_TRUE(list.BaseChanged());
    EXPECT_EQ(list.GetBase(), list.At(2));

    EXPECT_EQ(list.SymbolExists("C$"), 1);
    EXPECT_EQ(list.SymbolExists("c$"), 0);  // letter case counts

    // Setters change, and mark, only what differs.
    CCurrencyItem* dm = list.At(4);
    EXPECT_EQ(dm->SetSymbol("DM"), 0);
    dm->SetRate(1.0);
    dm->SetNumber(5);
    EXPECT_FALSE(dm->IsModified());
    EXPECT_EQ(dm->SetSymbol(nullptr), 1);
    EXPECT_EQ(dm->SetSymbol("EURO-X"), 0);
    EXPECT_STREQ(dm->GetSymbol(), "EURO");
    EXPECT_TRUE(dm->IsModified());
}

TEST_F(CurrencyList, TrailerSurvivesAReloadAndDamageKeepsTheRecords) {
    TempFolder temp;
    list.SetBase(list.At(1));
    ASSERT_EQ(list.SaveFile(temp.File("cur.lst")), 0);
    CCurrencyList loaded;
    ASSERT_EQ(loaded.LoadFile(temp.File("cur.lst")), 0);
    EXPECT_EQ(loaded.GetBaseNumber(), 2);
    EXPECT_TRUE(loaded.BaseChanged());

    CCurrencyList sample;
    sample.Append(new CCurrencyItem(1, "$", 1.0));
    sample.Append(new CCurrencyItem(2, "\xA3", 0.8));
    sample.SetBase(sample.At(1));
    ASSERT_EQ(sample.SaveFile(temp.File("small.lst")), 0);
    model_bytes::ExpectTruncationKeepsWholeRecords(
        temp.File("small.lst"), CCurrencyItem::kStoredSize, CCurrencyList::kTrailerSize,
        [] { return std::make_unique<CCurrencyList>(); },
        [](const CCVItemList& cut, std::size_t) {
            // A damaged trailer leaves the base of a new list.
            EXPECT_EQ(static_cast<const CCurrencyList&>(cut).GetBaseNumber(), 1);
        });
}

TEST_F(CurrencyList, NewAndEditRules) {
    EXPECT_EQ(list.NewCurrency("", "1"), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.NewCurrency("SEK", ""), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.NewCurrency("C$", "1"), EditOutcome::Refused(res::IDS_CURRENCY_SYMBOL_EXISTS));
    for (const char* bad : {"abc", "0", "-1.5", "1,5", "1.5x", "inf", "nan"}) {
        EXPECT_EQ(list.NewCurrency("SEK", bad),
                  EditOutcome::Refused(res::IDS_CURRENCY_RATE_INVALID))
            << bad;
    }
    EXPECT_EQ(list.Count(), 8u);

    EXPECT_EQ(list.NewCurrency("SEK", " 0.095 "), EditOutcome::Done());
    ASSERT_EQ(list.Count(), 9u);
    EXPECT_EQ(list.At(8)->GetNumber(), 9);
    EXPECT_DOUBLE_EQ(list.At(8)->GetRate(), 0.095);

    // The base currency keeps rate 1.0; the others take any rate.
    EXPECT_EQ(list.EditCurrency(0, "$", "1.5"), EditOutcome::Refused(res::IDS_BASE_RATE_NOT_ONE));
    EXPECT_EQ(list.At(0)->GetRate(), 1.0);
    EXPECT_EQ(list.EditCurrency(0, "US$", "1.0"), EditOutcome::Done());
    EXPECT_STREQ(list.At(0)->GetSymbol(), "US$");
    EXPECT_EQ(list.EditCurrency(1, "\xA3", "1.5"), EditOutcome::Done());
    EXPECT_EQ(list.At(1)->GetRate(), 1.5);

    // A changed symbol must be free; the same symbol in other letter case is not a change.
    EXPECT_EQ(list.EditCurrency(6, "AU$", "1"),
              EditOutcome::Refused(res::IDS_CURRENCY_SYMBOL_EXISTS));
    EXPECT_EQ(list.EditCurrency(6, "c$", "1"), EditOutcome::Done());
    EXPECT_STREQ(list.At(6)->GetSymbol(), "c$");
    EXPECT_EQ(list.EditCurrency(20, "X", "1"), EditOutcome::Refused(res::IDS_BAD_ITEM_INDEX));
}

TEST_F(CurrencyList, MakeBaseAndDelete) {
    list.EditCurrency(3, "\xA5", "0.007");
    EXPECT_EQ(list.MakeBase(3, false), EditOutcome::Ask(res::IDS_MAKE_BASE_QUESTION));
    EXPECT_EQ(list.GetBaseNumber(), 1);
    EXPECT_EQ(list.MakeBase(3, true), EditOutcome::Done());
    EXPECT_EQ(list.GetBaseNumber(), 4);
    EXPECT_EQ(list.At(3)->GetRate(), 1.0);
    EXPECT_EQ(list.MakeBase(3, false), EditOutcome::Done());  // already the base: nothing to ask

    RecordingUsers users;
    EXPECT_EQ(list.DeleteCurrency(3, users), EditOutcome::Refused(res::IDS_DELETE_BASE_CURRENCY));
    EXPECT_EQ(list.DeleteCurrency(4, users), EditOutcome::Done());
    EXPECT_EQ(users.reset, std::vector<int>({5}));
    EXPECT_EQ(list.FindByNumber(5), nullptr);
    EXPECT_EQ(list.NextFreeNumber(), 9);
    CCurrencyList empty;
    EXPECT_EQ(empty.DeleteCurrency(0, users), EditOutcome::Refused(res::IDS_LIST_EMPTY));
}

}  // namespace
