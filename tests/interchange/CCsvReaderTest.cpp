#include "interchange/CCsvReader.h"
#include "interchange/InterchangeValues.h"

#include <gtest/gtest.h>

namespace {

CCsvMapping Mapping(std::initializer_list<std::pair<const char*, const char*>> settings) {
    CCsvMapping mapping;
    std::string error;
    for (const auto& [key, value] : settings) {
        EXPECT_TRUE(mapping.Set(key, value, error)) << key << ": " << error;
    }
    return mapping;
}

std::string Iso(DateTime date) {
    return interchange::FormatIsoDate(date, '-');
}

TEST(CCsvReaderTest, SignedAmountColumnWithQuotedFields) {
    const CCsvMapping mapping =
        Mapping({{"columns", "date, payee, memo, amount, category, state"}, {"header-lines", "1"}});
    const ImportedFile file = CCsvReader(mapping, "bank.csv")
                                  .Read(
                                      "Date,Payee,Memo,Amount,Category,State\r\n"
                                      "2024-01-02,\"Shop, Inc.\",\"said \"\"hi\"\"\",-1,234.56,\n"
                                      "\n"
                                      "01/03/2024,Employer,\"two\nlines\",\"2,500.00\","
                                      "Salary/Business,c\n"
                                      "2024-01-04,Bank,,-5,,R\n");
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.lines.size(), 3u);
    EXPECT_EQ(file.lines[0].lineNumber, 2u);
    EXPECT_EQ(file.lines[0].payee, "Shop, Inc.");
    EXPECT_EQ(file.lines[0].memo, "said \"hi\"");
    // The unquoted amount was cut at its comma: the category column holds "234.56".
    EXPECT_EQ(file.lines[0].amount, -100);
    EXPECT_EQ(file.lines[0].category, "234.56");
    EXPECT_EQ(file.lines[1].lineNumber, 4u);
    EXPECT_EQ(Iso(file.lines[1].date), "2024-01-03");
    EXPECT_EQ(file.lines[1].memo, "two lines");  // a line break is no stored text
    EXPECT_EQ(file.lines[1].amount, 250000);
    EXPECT_EQ(file.lines[1].category, "Salary");
    EXPECT_EQ(file.lines[1].className, "Business");
    EXPECT_EQ(file.lines[1].state, CTransaction::kCleared);
    EXPECT_EQ(file.lines[2].lineNumber, 6u);
    EXPECT_EQ(file.lines[2].state, CTransaction::kReconciled);
}

TEST(CCsvReaderTest, DebitAndCreditColumnsSemicolonsAndDecimalComma) {
    CCsvMapping mapping;
    std::string error;
    ASSERT_TRUE(
        mapping.ReadRules("# Example Bank\n"
                          "columns = date, payee, -, debit, credit, number\n"
                          "date-format = DD.MM.YYYY\n"
                          "header-lines = 2\n"
                          "separator = ;\n"
                          "decimal = ,\n",
                          "bank.rules", error))
        << error;
    const ImportedFile file = CCsvReader(mapping, "bank.csv")
                                  .Read(
                                      "Example Bank statement\n"
                                      "Date;Text;Ref;Out;In;No\n"
                                      "31.01.2024;Rent;x;1.234,50;;1001\n"
                                      "01.02.2024;Salary;y;;2.500,00;\n"
                                      "02.02.2024;Refund;z;-3,00;;\n");
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.lines.size(), 3u);
    EXPECT_EQ(Iso(file.lines[0].date), "2024-01-31");
    EXPECT_EQ(file.lines[0].amount, -123450);
    EXPECT_EQ(file.lines[0].number, "1001");
    EXPECT_EQ(file.lines[1].amount, 250000);
    EXPECT_EQ(file.lines[2].amount, -300);  // a debit column counts money out, signed or not
}

TEST(CCsvReaderTest, TabSeparatorAndOptionsOverTheRulesFile) {
    CCsvMapping mapping;
    std::string error;
    ASSERT_TRUE(mapping.ReadRules("columns = date, amount\nseparator = ,\n", "r", error));
    ASSERT_TRUE(mapping.Set("separator", "tab", error));
    ASSERT_TRUE(mapping.Set("columns", "amount, date", error));
    const ImportedFile file = CCsvReader(mapping, "t.csv").Read("-7.50\t2024-05-06\n");
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(file.lines[0].amount, -750);
}

TEST(CCsvReaderTest, BadInputIsRefusedWithTheLine) {
    const CCsvMapping mapping = Mapping({{"columns", "date, payee, amount"}});
    const auto error = [&](std::string_view text) {
        return CCsvReader(mapping, "bank.csv").Read(text).error;
    };
    EXPECT_EQ(error("2024-01-01,Shop,1\n2024-01-02,Shop\n"),
              "bank.csv, line 2: the line has no column 3.");
    EXPECT_EQ(error("2024-13-01,Shop,1\n"), "bank.csv, line 1: \"2024-13-01\" is not a date.");
    EXPECT_EQ(error("2024-01-01,Shop,ten\n"), "bank.csv, line 1: \"ten\" is not an amount.");
    EXPECT_EQ(error("2024-01-01,Shop,\n"), "bank.csv, line 1: \"\" is not an amount.");
    EXPECT_EQ(error("2024-01-01,Shop,1\n2024-01-02,\"Shop,1\n2024-01-03,Shop,1\n"),
              "bank.csv, line 2: a quoted field is not closed.");
    EXPECT_EQ(error(std::string_view("2024-01-01,Sh\0p,1\n", 18)),
              "bank.csv, line 1: the file holds bytes that are not text.");

    const CCsvMapping incomplete = Mapping({{"columns", "date, payee, debit"}});
    EXPECT_EQ(CCsvReader(incomplete, "bank.csv").Read("").error,
              "The CSV columns need a date column and an amount column (or a debit and a credit "
              "column); see --columns.");
}

TEST(CCsvReaderTest, MappingSettingsAreChecked) {
    CCsvMapping mapping;
    std::string error;
    EXPECT_FALSE(mapping.Set("columns", "date, amount, amount", error));
    EXPECT_EQ(error, "\"date, amount, amount\" is not a value for columns.");
    EXPECT_FALSE(mapping.Set("columns", "date, money", error));
    EXPECT_EQ(error,
              "\"money\" is not a column (date, amount, debit, credit, payee, memo, "
              "category, class, number, state or -).");
    EXPECT_FALSE(mapping.Set("separator", "::", error));
    EXPECT_FALSE(mapping.Set("decimal", ";", error));
    EXPECT_FALSE(mapping.Set("header-lines", "-1", error));
    EXPECT_FALSE(mapping.Set("header-lines", "100000", error));
    EXPECT_FALSE(mapping.Set("date-format", "DD.MM", error));
    EXPECT_FALSE(mapping.Set("colour", "red", error));
    EXPECT_FALSE(mapping.ReadRules("columns = date, amount\n\nnonsense\n", "bank.rules", error));
    EXPECT_EQ(error,
              "bank.rules, line 3: \"nonsense\" is not a rule (columns, date-format, "
              "header-lines, separator, decimal).");
}

}  // namespace
