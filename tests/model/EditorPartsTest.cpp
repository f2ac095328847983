// The parts of the editor that have screens of their own: the split lines (total, remainder,
// Adjust, Clear, what a line may hold), multi-line memos (stored with the handheld's line breaks,
// never cut unseen) and the currency conversion.
#include <gtest/gtest.h>

#include "AccountListFixture.h"
#include "model/BuiltInKey.h"
#include "model/CCurrencyConversion.h"
#include "model/CMemoText.h"
#include "model/CSplitEditing.h"
#include "resources/ScreenIds.h"

namespace {

CSplitLine Line(Amount amount, const RecordKey& category = RecordKey()) {
    CSplitLine line;
    line.SetAmount(amount);
    line.SetCategoryId(category);
    return line;
}

TEST(SplitEditing, TotalRemainderAdjustAndClear) {
    CSplitEditing::Lines lines{};
    lines[0] = Line(5000);
    lines[4] = Line(3000);
    lines[9] = Line(0, BuiltInKey(77));
    EXPECT_EQ(CSplitEditing::Total(lines), 8000);
    // A transaction of 100.00 whose lines add up to 80.00.
    EXPECT_EQ(CSplitEditing::Remainder(10000, lines), 2000);
    EXPECT_EQ(CSplitEditing::Remainder(CSplitEditing::Adjust(lines), lines), 0);
    EXPECT_EQ(CSplitEditing::Adjust(lines), 8000);
    EXPECT_TRUE(CSplitEditing::AnyInUse(lines));
    lines[0].SetMemo("kept until cleared");
    CSplitEditing::Clear(lines);
    EXPECT_FALSE(CSplitEditing::AnyInUse(lines));
    for (const CSplitLine& line : lines) {
        EXPECT_EQ(line, CSplitLine());
    }
}

TEST(SplitEditing, ALineIsNeverSplitNorItsOwnAccount) {
    const RecordKey own = BuiltInKey(1234);
    const RecordKey other = BuiltInKey(5678);
    CSplitLine line;
    line.SetLinkedTransactionId(BuiltInKey(9));
    EXPECT_EQ(CSplitEditing::ReadLine("10", CTransaction::SplitCategoryId(), {}, "", own, 255, line)
                  .message,
              res::IDS_SPLIT_LINE_SPLIT);
    EXPECT_EQ(CSplitEditing::ReadLine("10", own, {}, "", own, 255, line).message,
              res::IDS_SPLIT_LINE_OWN_ACCOUNT);
    EXPECT_EQ(CSplitEditing::ReadLine("-10", other, {}, "", own, 255, line).message,
              res::IDS_EDITOR_NEGATIVE_AMOUNT);
    EXPECT_EQ(CSplitEditing::ReadLine("1..0", other, {}, "", own, 255, line).message,
              res::IDS_ENTER_VALID_AMOUNT);
    // Fault: a line of "1,2,3" was stored as 123.00, and "0.125" as 0.12.
    EXPECT_EQ(CSplitEditing::ReadLine("1,2,3", other, {}, "", own, 255, line).message,
              res::IDS_ENTER_VALID_AMOUNT);
    EXPECT_EQ(CSplitEditing::ReadLine("0.125", other, {}, "", own, 255, line).message,
              res::IDS_AMOUNT_TOO_PRECISE);
    EXPECT_EQ(line.GetAmount(), 0);  // the refusals changed nothing

    ASSERT_TRUE(CSplitEditing::ReadLine("12.34", other, {}, std::string(300, 'm'), own, 161, line)
                    .IsDone());
    EXPECT_EQ(line.GetAmount(), 1234);
    EXPECT_EQ(line.GetCategoryId(), other);
    EXPECT_EQ(std::string(line.GetMemo()).size(), 161u);
    // The link to the line's twin stays, so the twin follows the edit.
    EXPECT_EQ(line.GetLinkedTransactionId(), BuiltInKey(9));
    // An empty amount is a line of 0 (only a category).
    ASSERT_TRUE(CSplitEditing::ReadLine("", other, {}, "", own, 255, line).IsDone());
    EXPECT_EQ(line.GetAmount(), 0);
}

TEST(MemoText, LineBreaksAreStoredAsTheHandheldWritesThem) {
    const std::string field = "one\ntwo\n\nthree";
    EXPECT_EQ(CMemoText::ToStored(field), "one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(CMemoText::ToStored("already\r\nstored"), "already\r\nstored");
    EXPECT_EQ(CMemoText::ToField("one\r\ntwo\rthree"), "one\ntwo\nthree");
    EXPECT_EQ(CMemoText::ToField(CMemoText::ToStored("a\nb")), "a\nb");
}

TEST(MemoText, AMemoThatWouldNotFitIsRefusedNotCut) {
    EXPECT_TRUE(CMemoText::Check(std::string(160, 'x'), 160).IsDone());
    EXPECT_EQ(CMemoText::Check(std::string(161, 'x'), 160).message, res::IDS_MEMO_TOO_LONG);
    // 159 characters with one line break take 160 stored characters; two take 161.
    std::string oneBreak(159, 'x');
    oneBreak[79] = '\n';
    EXPECT_TRUE(CMemoText::Check(oneBreak, 160).IsDone());
    std::string twoBreaks = oneBreak;
    twoBreaks[80] = '\n';
    EXPECT_EQ(CMemoText::Check(twoBreaks, 160).message, res::IDS_MEMO_TOO_LONG);
}

TEST(CurrencyConversion, RateTextAndConversion) {
    account_list_fixture::DataFolder folder;
    auto list = folder.Load();
    CCurrencyList& currencies = list->GetCurrencies();
    const std::uint8_t home = currencies.GetBaseNumber();
    std::uint8_t other = 0;
    for (std::uint32_t i = 0; i < currencies.Count() && other == 0; ++i) {
        if (currencies.At(i)->GetNumber() != home) other = currencies.At(i)->GetNumber();
    }
    ASSERT_NE(other, 0);
    currencies.FindByNumber(other)->SetRate(2.0);
    CCurrencyConversion conversion(*list);
    EXPECT_EQ(conversion.RateText(other, home), "2.000000000");
    EXPECT_EQ(conversion.RateText(home, other), "0.500000000");

    Amount converted = -1;
    ASSERT_TRUE(CCurrencyConversion::Convert("10.00", "0.5", converted).IsDone());
    EXPECT_EQ(converted, 500);
    ASSERT_TRUE(CCurrencyConversion::Convert("0.29", "1", converted).IsDone());
    EXPECT_EQ(converted, 28);  // through units, truncated, as twins are converted
    converted = -1;
    for (const char* rate : {"", "abc", "-1", "1.5x", "nan"}) {
        EXPECT_EQ(CCurrencyConversion::Convert("10", rate, converted).message,
                  res::IDS_CONVERT_RATE_INVALID)
            << rate;
    }
    EXPECT_EQ(CCurrencyConversion::Convert("-10", "1", converted).message,
              res::IDS_EDITOR_NEGATIVE_AMOUNT);
    EXPECT_EQ(CCurrencyConversion::Convert("", "1", converted).message,
              res::IDS_ENTER_VALID_AMOUNT);
    // A result beyond what an amount holds is refused, not wrapped.
    EXPECT_EQ(CCurrencyConversion::Convert("70000000000000000", "1000", converted).message,
              res::IDS_ENTER_VALID_AMOUNT);
    EXPECT_EQ(converted, -1);
}

}  // namespace
