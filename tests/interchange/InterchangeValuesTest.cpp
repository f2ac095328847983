#include "interchange/InterchangeValues.h"

#include <gtest/gtest.h>

namespace {

using interchange::DateOrder;
using interchange::ParseDatePattern;
using interchange::ParseFileAmount;
using interchange::ParseFileDate;

std::string Iso(std::optional<DateTime> date) {
    return date ? interchange::FormatIsoDate(*date, '-') : std::string("none");
}

TEST(InterchangeValuesTest, DatesInTheCommonForms) {
    EXPECT_EQ(Iso(ParseFileDate("12/31/2024", DateOrder::kMonthDayYear)), "2024-12-31");
    EXPECT_EQ(Iso(ParseFileDate("1/ 2/98", DateOrder::kMonthDayYear)), "1998-01-02");
    EXPECT_EQ(Iso(ParseFileDate("1/2/39", DateOrder::kMonthDayYear)), "2039-01-02");
    EXPECT_EQ(Iso(ParseFileDate("1/2/40", DateOrder::kMonthDayYear)), "1940-01-02");
    // The apostrophe marks a year of this century.
    EXPECT_EQ(Iso(ParseFileDate("1/2'38", DateOrder::kMonthDayYear)), "2038-01-02");
    EXPECT_EQ(Iso(ParseFileDate(" 3/ 4' 5", DateOrder::kMonthDayYear)), "2005-03-04");
    EXPECT_EQ(Iso(ParseFileDate("2024-02-29", DateOrder::kMonthDayYear)), "2024-02-29");
    EXPECT_EQ(Iso(ParseFileDate("31.12.2024", DateOrder::kDayMonthYear)), "2024-12-31");
    EXPECT_EQ(Iso(ParseFileDate("02-03-2024", DateOrder::kDayMonthYear)), "2024-03-02");
    EXPECT_EQ(Iso(ParseFileDate("02-03-2024", DateOrder::kMonthDayYear)), "2024-02-03");
}

TEST(InterchangeValuesTest, DatesThatDoNotExistAreRefused) {
    for (const char* text : {"02/30/2024", "13/01/2024", "00/10/2024", "2023-02-29", "1/2",
                             "1/2/3/4", "12/31/20245", "abc", "", "12/31'2024x", "1'2/24",
                             "01/01/1850", "99999/1/1", "12/31/2040", "1/2'98", "02/07/2040"}) {
        EXPECT_EQ(Iso(ParseFileDate(text, DateOrder::kMonthDayYear)), "none") << text;
    }
}

TEST(InterchangeValuesTest, DatePatterns) {
    EXPECT_EQ(Iso(ParseDatePattern("31.12.2024", "DD.MM.YYYY")), "2024-12-31");
    EXPECT_EQ(Iso(ParseDatePattern("20240105", "YYYYMMDD")), "2024-01-05");
    EXPECT_EQ(Iso(ParseDatePattern("1/5/24", "M/D/YY")), "2024-01-05");
    EXPECT_EQ(Iso(ParseDatePattern("12/5/24", "M/D/YY")), "2024-12-05");
    EXPECT_EQ(Iso(ParseDatePattern("31.12.2024", "MM.DD.YYYY")), "none");
    EXPECT_EQ(Iso(ParseDatePattern("31-12-2024", "DD.MM.YYYY")), "none");
    EXPECT_EQ(Iso(ParseDatePattern("31.12.2024x", "DD.MM.YYYY")), "none");
    EXPECT_EQ(Iso(ParseDatePattern("1.12.2024", "DD.MM.YYYY")), "none");
}

TEST(InterchangeValuesTest, AmountsWithGroupingAndEitherDecimalMark) {
    EXPECT_EQ(ParseFileAmount("-1,234.56"), -123456);
    EXPECT_EQ(ParseFileAmount("1,234"), 123400);  // three digits after a comma: grouping
    EXPECT_EQ(ParseFileAmount("12,5"), 1250);     // one or two: the decimal mark
    EXPECT_EQ(ParseFileAmount("1.234,56"), 123456);
    EXPECT_EQ(ParseFileAmount("1 234,56"), 123456);
    EXPECT_EQ(ParseFileAmount("1'234.50"), 123450);
    EXPECT_EQ(ParseFileAmount("(12.00)"), -1200);
    EXPECT_EQ(ParseFileAmount("12.00-"), -1200);
    EXPECT_EQ(ParseFileAmount("$-5"), -500);
    EXPECT_EQ(ParseFileAmount("-$5"), -500);
    EXPECT_EQ(ParseFileAmount("EUR 7.10"), 710);
    EXPECT_EQ(ParseFileAmount("7.10 EUR"), 710);
    EXPECT_EQ(ParseFileAmount(".05"), 5);
    EXPECT_EQ(ParseFileAmount("1.500"), 150);  // a third decimal of 0 loses nothing
    EXPECT_EQ(ParseFileAmount("1,23", ','), 123);
    EXPECT_FALSE(ParseFileAmount("1,234", ',').has_value());
    EXPECT_EQ(ParseFileAmount("1.234", ','), 123400);
}

TEST(InterchangeValuesTest, TextsThatAreNotAmountsAreRefused) {
    for (const char* text : {"", "-", "abc", "12a3", "1.2.3", "12.345", "1,2,3.4,5", "--",
                             "99999999999999999999", "12 34x", "1.5.0", "12x", "12EUR"}) {
        EXPECT_FALSE(ParseFileAmount(text).has_value()) << text;
    }
}

TEST(InterchangeValuesTest, AmountsAreWrittenWithTwoDecimals) {
    EXPECT_EQ(interchange::FormatFileAmount(-5), "-0.05");
    EXPECT_EQ(interchange::FormatFileAmount(123456), "1234.56");
    EXPECT_EQ(interchange::FormatFileAmount(0), "0.00");
}

TEST(InterchangeValuesTest, TextIsStoredInTheCodePage) {
    EXPECT_EQ(interchange::ToStored("Caf\xC3\xA9"), "Caf\xE9");  // UTF-8 converted
    EXPECT_EQ(interchange::ToStored("Caf\xE9"), "Caf\xE9");      // already Windows-1252
    EXPECT_EQ(interchange::ToStored("a\tb"), "a b");
    EXPECT_EQ(interchange::ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
}

}  // namespace
