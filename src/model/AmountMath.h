#pragma once

#include <limits>

#include "storage/Amount.h"

// Sums of amounts in the register. A damaged or hostile file can hold amounts near the limits of
// Amount; the sums then stop at the limit instead of overflowing.

inline Amount AddAmounts(Amount a, Amount b) {
    Amount sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<Amount>::max() : std::numeric_limits<Amount>::min();
}

inline Amount SubtractAmounts(Amount a, Amount b) {
    Amount difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference)) return difference;
    return b < 0 ? std::numeric_limits<Amount>::max() : std::numeric_limits<Amount>::min();
}

inline Amount NegateAmount(Amount a) {
    return SubtractAmounts(0, a);
}

// A product computed in double precision back to an Amount, truncated toward zero; beyond the
// range of Amount it stops at the limit, and a result that is not a number gives 0.
inline Amount TruncateToAmount(double value) {
    constexpr double kLimit = 9223372036854775807.0;  // 2^63, the first double past the range
    if (value != value) return 0;
    if (value >= kLimit) return std::numeric_limits<Amount>::max();
    if (value <= -kLimit) return std::numeric_limits<Amount>::min();
    return static_cast<Amount>(value);
}

// An amount converted at a currency's rate, truncated toward zero (1001 at 1.5 is 1501, -1001 is
// -1501) and stopping at the limits of Amount. Every conversion goes through here, in one of two
// forms that give different results for some amounts, since 0.01 has no exact double (29 at rate
// 1.0 is 28 through units, 29 in hundredths):
//   kThroughUnits  amount x 0.01 (whole units) x rate x 100: transfers and their twins, and the
//                  reports. Twins already in the data files were made this way, so a new twin
//                  must be too.
//   kInHundredths  amount x rate: the accounts' total, which has always been worked out this
//                  way; the other form would move some totals people know by a hundredth.
enum class RateForm { kThroughUnits, kInHundredths };

inline Amount ConvertAtRate(Amount amount, double rate, RateForm form) {
    constexpr double kHundredth = 0.01;
    constexpr double kHundred = 100.0;
    const double value = static_cast<double>(amount);
    return TruncateToAmount(form == RateForm::kThroughUnits ? value * kHundredth * rate * kHundred
                                                            : value * rate);
}
