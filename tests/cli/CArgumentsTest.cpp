// The words of a command line: options anywhere, values in both forms, negative amounts as
// arguments, and the mistakes that make a usage error.
#include "cli/CArguments.h"

#include <gtest/gtest.h>

namespace {

using cli::CArguments;

TEST(Arguments, OptionsStandAnywhereAndNegativeNumbersAreArguments) {
    CArguments arguments;
    ASSERT_EQ(arguments.Parse({"--data", "/d", "transfer", "Checking", "--cleared", "Savings",
                               "-12.50", "--date=2027-03-01"}),
              CArguments::kParsed);
    EXPECT_EQ(arguments.Command(), "transfer");
    EXPECT_EQ(arguments.Arguments(), (std::vector<std::string>{"Checking", "Savings", "-12.50"}));
    EXPECT_EQ(*arguments.Value("--data"), "/d");
    EXPECT_EQ(*arguments.Value("--date"), "2027-03-01");
    EXPECT_TRUE(arguments.Has("--cleared"));
    EXPECT_EQ(arguments.Value("--json"), nullptr);
    EXPECT_EQ(arguments.Options(), (std::vector<std::string>{"--cleared", "--data", "--date"}));
}

TEST(Arguments, ValuesMayLookLikeOptionsAndDoubleDashEndsOptions) {
    CArguments arguments;
    ASSERT_EQ(arguments.Parse({"add", "Cash", "--amount", "-5", "--memo", "--not an option", "-h",
                               "--", "--json"}),
              CArguments::kParsed);
    EXPECT_EQ(*arguments.Value("--amount"), "-5");
    EXPECT_EQ(*arguments.Value("--memo"), "--not an option");
    EXPECT_TRUE(arguments.Has("--help"));
    EXPECT_FALSE(arguments.Has("--json"));
    EXPECT_EQ(arguments.Arguments(), (std::vector<std::string>{"Cash", "--json"}));
}

TEST(Arguments, MissingValuesAndRepeatedOptionsAreRefused) {
    CArguments last;
    EXPECT_EQ(last.Parse({"register", "Cash", "--filter"}), CArguments::kMissingValue);
    EXPECT_EQ(last.Offending(), "--filter");
    CArguments empty;
    EXPECT_EQ(empty.Parse({"register", "Cash", "--filter="}), CArguments::kMissingValue);
    CArguments twice;
    EXPECT_EQ(twice.Parse({"accounts", "--json", "--json"}), CArguments::kRepeated);
    EXPECT_EQ(twice.Offending(), "--json");
    // An unknown option is a switch here; the command refuses it.
    CArguments unknown;
    ASSERT_EQ(unknown.Parse({"accounts", "--colour", "red"}), CArguments::kParsed);
    EXPECT_TRUE(unknown.Has("--colour"));
    EXPECT_EQ(unknown.Arguments(), (std::vector<std::string>{"red"}));
}

}  // namespace
