// Conversion at a currency's rate: truncation toward zero on both sides of zero, the two forms
// that callers rely on giving different hundredths, and the limits of Amount.
#include "model/AmountMath.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ConvertAtRate, TruncatesTowardZeroInBothForms) {
    for (const RateForm form : {RateForm::kThroughUnits, RateForm::kInHundredths}) {
        EXPECT_EQ(ConvertAtRate(1001, 1.5, form), 1501);
        EXPECT_EQ(ConvertAtRate(-1001, 1.5, form), -1501);
        EXPECT_EQ(ConvertAtRate(1001, 0.5, form), 500);
        EXPECT_EQ(ConvertAtRate(-1001, 0.5, form), -500);
        EXPECT_EQ(ConvertAtRate(1001, 0.0, form), 0);
    }
}

TEST(ConvertAtRate, TheFormsDifferInTheLastHundredth) {
    // 0.29 has no exact double: through units 29 comes back as 28.999..., in hundredths as 29.
    // Twins and reports take the first, the accounts' total the second; merging the two would
    // move one of them.
    EXPECT_EQ(ConvertAtRate(29, 1.0, RateForm::kThroughUnits), 28);
    EXPECT_EQ(ConvertAtRate(29, 1.0, RateForm::kInHundredths), 29);
    EXPECT_EQ(ConvertAtRate(-29, 1.0, RateForm::kThroughUnits), -28);
}

TEST(ConvertAtRate, StopsAtTheLimitsOfAmount) {
    constexpr Amount kMax = std::numeric_limits<Amount>::max();
    constexpr Amount kMin = std::numeric_limits<Amount>::min();
    for (const RateForm form : {RateForm::kThroughUnits, RateForm::kInHundredths}) {
        EXPECT_EQ(ConvertAtRate(1001, 1e300, form), kMax);
        EXPECT_EQ(ConvertAtRate(-1001, 1e300, form), kMin);
        EXPECT_EQ(ConvertAtRate(kMax, 2.0, form), kMax);
        EXPECT_EQ(ConvertAtRate(1001, std::numeric_limits<double>::quiet_NaN(), form), 0);
    }
}

}  // namespace
