// OFX dates and amounts as banks write them.
#include "ofx/OfxValues.h"

#include <gtest/gtest.h>

#include "ofx/COfxClient.h"
#include "storage/DateTime.h"

namespace {

using ofx::NormalizeAmount;

DateTime Date(std::uint16_t y, std::uint16_t m, std::uint16_t d, std::uint16_t h = 0,
              std::uint16_t mi = 0, std::uint16_t s = 0) {
    DateParts parts;
    parts.year = y, parts.month = m, parts.day = d, parts.hour = h, parts.minute = mi;
    parts.second = s;
    return PartsToDate(parts);
}

TEST(OfxValues, DatesWithAndWithoutZones) {
    const auto convert = COfxClient::OfxDateTimeToPalmDateTime;
    EXPECT_EQ(convert("20240115"), Date(2024, 1, 15));
    EXPECT_EQ(convert(" 202401151230 "), Date(2024, 1, 15, 12, 30));
    EXPECT_EQ(convert("20240115123045"), Date(2024, 1, 15, 12, 30, 45));
    EXPECT_EQ(convert("20240115123045.123"), Date(2024, 1, 15, 12, 30, 45));
    // The bank's wall clock is kept: the zone does not move the day.
    EXPECT_EQ(convert("20090401000000.000[-5:EST]"), Date(2009, 4, 1));
    EXPECT_EQ(convert("20240115233000[+10]"), Date(2024, 1, 15, 23, 30));
    EXPECT_EQ(convert("20240115 [0:GMT]"), Date(2024, 1, 15));
    EXPECT_EQ(convert("20180804093914:014"), Date(2018, 8, 4, 9, 39, 14));
    EXPECT_EQ(convert("19040101"), 0u);
    EXPECT_EQ(convert("20240229"), Date(2024, 2, 29));
}

TEST(OfxValues, TextsThatAreNoDateGiveZero) {
    for (const char* bad : {"", "2024011", "202401151", "20240115123", "20120231", "20231301",
                            "20240115240000", "201120000000", "18991231", "20240115x",
                            "20240115[-5:EST", "20240115.5", "2024-01-15", "abc"}) {
        EXPECT_EQ(COfxClient::OfxDateTimeToPalmDateTime(bad), 0u) << bad;
        EXPECT_FALSE(ofx::ParseDateTime(bad)) << bad;
    }
    EXPECT_EQ(COfxClient::OfxDateTimeToPalmDateTime(nullptr), 0u);
}

TEST(OfxValues, AmountsInTheFormsBanksWrite) {
    EXPECT_EQ(NormalizeAmount("-1,234.56"), "-1234.56");
    EXPECT_EQ(NormalizeAmount("+5"), "5");
    EXPECT_EQ(NormalizeAmount(" 42.5 "), "42.5");
    EXPECT_EQ(NormalizeAmount("12,50"), "12.50");  // OFX allows a comma as decimal point
    EXPECT_EQ(NormalizeAmount("1.234,56"), "1234.56");
    EXPECT_EQ(NormalizeAmount("1,234,567"), "1234567");
    EXPECT_EQ(NormalizeAmount("-.07"), "-0.07");
    EXPECT_EQ(NormalizeAmount("0"), "0");
    for (const char* bad :
         {"", " ", "-", "$120", "12 34", "1.2.3,4", "1,2,3.4.5", ".", "--5", "5-", "1e3"}) {
        EXPECT_FALSE(NormalizeAmount(bad)) << bad;
    }
}

}  // namespace
