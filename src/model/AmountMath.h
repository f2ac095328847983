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
