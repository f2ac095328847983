// Amount texts that must say exactly one amount: typed values and banks' amounts.
#include "storage/AmountText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* text;
    AmountTextResult result;
    Amount amount;
};

void Expect(const Case& c, AmountRounding rounding) {
    Amount amount = -1;
    EXPECT_EQ(ReadAmountText(c.text, rounding, amount), c.result) << c.text;
    EXPECT_EQ(amount, c.result == AmountTextResult::kRead ? c.amount : -1) << c.text;
}

// Fault: "1,50" was read as 150.00 and "12,34" as 1234.00; "12.345" as 12.34.
TEST(ReadAmountText, GroupsOfThreeAndTwoDecimals) {
    const Case cases[] = {
        {"12", AmountTextResult::kRead, 1200},
        {"+12.5", AmountTextResult::kRead, 1250},
        {"-0.07", AmountTextResult::kRead, -7},
        {".5", AmountTextResult::kRead, 50},
        {"1,234.56", AmountTextResult::kRead, 123456},
        {"-1,234,567", AmountTextResult::kRead, -123456700},
        {"1,50", AmountTextResult::kNotAnAmount, 0},
        {"12,34", AmountTextResult::kNotAnAmount, 0},
        {"1234,567", AmountTextResult::kNotAnAmount, 0},
        {",123", AmountTextResult::kNotAnAmount, 0},
        {"1,,234", AmountTextResult::kNotAnAmount, 0},
        {"1,234,", AmountTextResult::kNotAnAmount, 0},
        {"1.234,5", AmountTextResult::kNotAnAmount, 0},
        {"12.", AmountTextResult::kNotAnAmount, 0},
        {"1.2.3", AmountTextResult::kNotAnAmount, 0},
        {"", AmountTextResult::kNotAnAmount, 0},
        {"-", AmountTextResult::kNotAnAmount, 0},
        {" 12", AmountTextResult::kNotAnAmount, 0},
        {"12abc", AmountTextResult::kNotAnAmount, 0},
        {"--5", AmountTextResult::kNotAnAmount, 0},
        {"12.345", AmountTextResult::kTooPrecise, 0},
        {"72057594037927936.99", AmountTextResult::kRead, kMaxAmountMagnitude},
        {"-72057594037927936.99", AmountTextResult::kRead, -kMaxAmountMagnitude},
        {"72057594037927937", AmountTextResult::kTooLarge, 0},
        {"99999999999999999999.99", AmountTextResult::kTooLarge, 0},
        {"123456789012345678901234567890", AmountTextResult::kTooLarge, 0},
    };
    for (const Case& c : cases) Expect(c, AmountRounding::kRefuse);
}

// Fault: the screens' check took "1,50" (then stored as 150.00) and "12.345" (12.34); it follows
// the rule above now, keeping what it accepted before.
TEST(IsValidAmountText, TheTypedAmountRule) {
    for (const char* good : {"0", "-5", "+5", ".5", "1,234.56", "72057594037927936.99"}) {
        EXPECT_TRUE(IsValidAmountText(good, true)) << good;
    }
    for (const char* bad : {"1,50", "1,2,3", "12.345", "12.", "-", "72057594037927937", "1 2"}) {
        EXPECT_FALSE(IsValidAmountText(bad, false)) << bad;
    }
    EXPECT_TRUE(IsValidAmountText("", false));
    EXPECT_FALSE(IsValidAmountText("", true));
}

// Fault: money-market and dividend amounts were cut (-995.41 for -995.4190396554627).
TEST(ReadAmountText, BanksAmountsRoundHalfAwayFromZero) {
    const Case cases[] = {
        {"-995.4190396554627", AmountTextResult::kRead, -99542},
        {"0.005", AmountTextResult::kRead, 1},
        {"-0.005", AmountTextResult::kRead, -1},
        {"0.0049999", AmountTextResult::kRead, 0},
        {"12.345", AmountTextResult::kRead, 1235},
        {"19.994", AmountTextResult::kRead, 1999},
        {"19.995", AmountTextResult::kRead, 2000},
        {"72057594037927936.994", AmountTextResult::kRead, kMaxAmountMagnitude},
        // Rounding up past what an account holds is refused, never clamped.
        {"72057594037927936.995", AmountTextResult::kTooLarge, 0},
    };
    for (const Case& c : cases) Expect(c, AmountRounding::kHalfAwayFromZero);
}

}  // namespace
