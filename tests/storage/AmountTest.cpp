#include "storage/Amount.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ParseAmount, ExamplesAndEdges) {
    const struct {
        const char* text;
        Amount expected;
    } cases[] = {
        {"12", 1200},         {"12.5", 1250},     {"1,234.56", 123456}, {"-0.07", -7},
        {"12.345", 1234},     {"1.2.3", 123},     {"", 0},              {"abc", 0},
        {"+5", 500},          {"-", 0},           {".", 0},             {"-.5", -50},
        {".05", 5},           {"0", 0},           {"-0", 0},            {"1,,2", 1200},
        {"12x34", 1200},      {"--5", 0},         {"12.", 1200},        {"7.1,5", 715},
        {"99999999999.99", 9999999999999},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseAmount(c.text), c.expected) << c.text;
}

// A character that ends the number in the fraction does not shift the decimal point:
// "12.5 " is twelve and a half, not one and a quarter.
TEST(ParseAmount, TrailingTextAfterOneFractionDigit) {
    EXPECT_EQ(ParseAmount("12.5 "), 1250);
    EXPECT_EQ(ParseAmount("12.5x9"), 1250);
}

TEST(ParseAmount, OtherSeparators) {
    EXPECT_EQ(ParseAmount("1.234,5", ',', '.'), 123450);
    EXPECT_EQ(ParseAmount("1 234,56", ',', ' '), 123456);
}

// A number too large for 64 bits saturates instead of wrapping into a small or negative amount,
// so range checks on the result still refuse it.
TEST(ParseAmount, SaturatesInsteadOfWrapping) {
    EXPECT_EQ(ParseAmount("9999999999999999999"), std::numeric_limits<Amount>::max());
    EXPECT_EQ(ParseAmount("-9999999999999999999"), std::numeric_limits<Amount>::min());
    EXPECT_EQ(ParseAmount("92233720368547758.07"), std::numeric_limits<Amount>::max());
    EXPECT_EQ(ParseAmount("-92233720368547758.08"), std::numeric_limits<Amount>::min());
    EXPECT_EQ(ParseAmount("92233720368547758.06"), std::numeric_limits<Amount>::max() - 1);
    EXPECT_EQ(ParseAmount("72057594037927936.99"), 7205759403792793699);
}

TEST(FormatAmount, PlainMode) {
    const struct {
        Amount amount;
        const char* expected;
    } cases[] = {
        {0, "0"},        {5, ".05"},       {-5, "-.05"},     {9, ".09"},          {-9, "-.09"},
        {10, ".10"},     {-10, "-.10"},    {99, ".99"},      {100, "1.00"},       {-100, "-1.00"},
        {1234, "12.34"}, {-123456, "-1234.56"},
        {std::numeric_limits<Amount>::max(), "92233720368547758.07"},
        {std::numeric_limits<Amount>::min(), "-92233720368547758.08"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatAmount(c.amount), c.expected) << c.amount;
    EXPECT_EQ(FormatAmount(1234, kAmountPlain, ','), "12,34");
}

TEST(FormatAmount, WholeUnitsMode) {
    EXPECT_EQ(FormatAmount(1234, kAmountWholeUnits), "12");
    EXPECT_EQ(FormatAmount(5, kAmountWholeUnits), "");
    EXPECT_EQ(FormatAmount(-5, kAmountWholeUnits), "-");
    EXPECT_EQ(FormatAmount(-123456, kAmountWholeUnits), "-1234");
    EXPECT_EQ(FormatAmount(0, kAmountWholeUnits), "0");
}

TEST(FormatAmount, TrimZerosMode) {
    const struct {
        Amount amount;
        const char* expected;
    } cases[] = {
        {100, "1"},     {150, "1.5"},  {105, "1.05"},  {0, "0"},      {10, ".1"},
        {-10, "-.1"},   {5, ".05"},    {-100, "-1"},   {1000, "10"},  {1010, "10.1"},
        {50, ".5"},     {-1050, "-10.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatAmount(c.amount, kAmountTrimZeros), c.expected) << c.amount;
}

TEST(FormatAmount, ParseReadsBackWhatFormatWrites) {
    for (Amount a : {0LL, 1LL, -1LL, 9LL, 10LL, 99LL, 100LL, 12345LL, -987654321LL}) {
        EXPECT_EQ(ParseAmount(FormatAmount(a)), a);
        EXPECT_EQ(ParseAmount(FormatAmount(a, kAmountTrimZeros)), a);
    }
}

}  // namespace
