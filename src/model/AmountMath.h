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
