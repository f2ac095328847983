// The command line's texts: amounts and dates in and out, tables for people and CSV for
// programs, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

#include "cli/CCsvWriter.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"

namespace {

// What a writer puts on a stream.
template <typename Write>
std::string Captured(Write write) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = ::open_memstream(&buffer, &size);
    write(stream);
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

TEST(CliValues, AmountsAlwaysWithTwoDecimalsAndTheirSign) {
    EXPECT_EQ(cli::FormatAmount(0), "0.00");
    EXPECT_EQ(cli::FormatAmount(5), "0.05");
    EXPECT_EQ(cli::FormatAmount(-5), "-0.05");
    EXPECT_EQ(cli::FormatAmount(-123456), "-1234.56");
    EXPECT_EQ(cli::FormatAmount(100), "1.00");
    // The smallest amount has no positive counterpart, yet its text is whole.
    EXPECT_EQ(cli::FormatAmount(std::numeric_limits<Amount>::min()), "-92233720368547758.08");
}

TEST(CliValues, DatesInIsoFormWithinTheModelsRange) {
    DateTime date = 0;
    ASSERT_TRUE(cli::ParseDate("2027-02-28", date));
    EXPECT_EQ(cli::FormatDate(date), "2027-02-28");
    EXPECT_EQ(DateToParts(date).hour, 0);
    ASSERT_TRUE(cli::ParseDate("1904-01-01", date));
    EXPECT_EQ(date, 0u);
    const DateTime before = date;
    for (const char* bad : {"2027-02-29", "2027-13-01", "27-02-01", "2027-2-1", "2027-02-01T10:00",
                            "1903-12-31", "2040-02-07", "", "yesterday"}) {
        EXPECT_FALSE(cli::ParseDate(bad, date)) << bad;
    }
    EXPECT_EQ(date, before);
}

TEST(CliValues, NamesMatchWhateverTheirCase) {
    const std::vector<res::StringId> names{res::IDS_CLI_STATE_UNCLEARED, res::IDS_CLI_STATE_VOID};
    EXPECT_EQ(cli::FindName("void", names), 1);
    EXPECT_EQ(cli::FindName("UNCLEARED", names), 0);
    EXPECT_EQ(cli::FindName("Voi", names), -1);
    EXPECT_EQ(cli::JoinNames(names), "Uncleared, Void");
}

TEST(CsvWriter, QuotesOnlyWhatRfc4180AsksForAndEndsRecordsWithCrLf) {
    const std::string text = Captured([](std::FILE* out) {
        cli::CCsvWriter csv(out);
        csv.WriteRecord({"plain", "a,b", "say \"hi\"", "two\nlines", "", "café"});
        csv.WriteRecord({"x"});
    });
    EXPECT_EQ(text, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",,café\r\nx\r\n");
    EXPECT_EQ(cli::CCsvWriter::Field("cr\r"), "\"cr\r\"");
}

TEST(TextTable, ColumnsAsWideAsTheirWidestCellInCharacters) {
    const std::string text = Captured([](std::FILE* out) {
        cli::CTextTable table;
        table.AddColumn("Name");
        table.AddColumn("Amount", cli::CTextTable::kRight);
        table.AddColumn("Memo");
        table.AddRow({"Café", "-1.50", ""});
        table.AddRow({"Landlord", "12.00", "rent", "dropped"});
        table.Write(out);
    });
    EXPECT_EQ(text,
              "Name      Amount  Memo\n"
              "Café       -1.50\n"
              "Landlord   12.00  rent\n");
    EXPECT_EQ(cli::CTextTable::Width("£€"), 2u);
}

TEST(TextTable, AMemoOfSeveralLinesStaysOnItsRow) {
    // Fault mended: the line breaks of a memo typed on several lines broke the table.
    const std::string text = Captured([](std::FILE* out) {
        cli::CTextTable table;
        table.AddColumn("Memo");
        table.AddColumn("Amount", cli::CTextTable::kRight);
        table.AddRow({"fruit\r\nbread", "-80.00"});
        table.Write(out);
    });
    EXPECT_EQ(text,
              "Memo          Amount\n"
              "fruit  bread  -80.00\n");
}

}  // namespace
