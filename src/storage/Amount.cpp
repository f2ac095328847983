#include "storage/Amount.h"

#include <limits>

#include "storage/AmountText.h"

namespace {
constexpr int kMaxFractionDigits = 2;
}  // namespace

bool IsValidAmountText(std::string_view text, bool required) {
    if (text.empty()) return !required;
    Amount amount = 0;
    return ReadAmountText(text, AmountRounding::kRefuse, amount) == AmountTextResult::kRead;
}

Amount ParseAmount(std::string_view text, char decimalSeparator, char groupSeparator) {
    if (text.empty()) return 0;
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    // The magnitude may reach one more than the largest Amount: that of the smallest one.
    constexpr auto kLimit = static_cast<std::uint64_t>(std::numeric_limits<Amount>::max()) + 1;
    std::uint64_t value = 0;
    bool inFraction = false;
    bool saturated = false;
    int places = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == decimalSeparator) {
            inFraction = true;
        } else if (c == groupSeparator) {
            // Adds no digit.
        } else if (c >= '0' && c <= '9') {
            if (inFraction && places == kMaxFractionDigits) break;
            if (inFraction) ++places;
            const auto digit = static_cast<std::uint64_t>(c - '0');
            if (value > (kLimit - digit) / 10) {
                saturated = true;
            } else {
                value = value * 10 + digit;
            }
        } else {
            break;
        }
    }
    for (int scale = places; scale < kMaxFractionDigits && !saturated; ++scale) {
        if (value > kLimit / 10) {
            saturated = true;
        } else {
            value *= 10;
        }
    }
    if (saturated) value = kLimit;
    if (negative)
        return value == kLimit ? std::numeric_limits<Amount>::min() : -static_cast<Amount>(value);
    return value >= kLimit ? std::numeric_limits<Amount>::max() : static_cast<Amount>(value);
}

std::string FormatAmount(Amount amount, int mode, char decimalSeparator) {
    std::string text;
    if (amount >= -9 && amount <= 9 && amount != 0) {
        if (amount < 0) text.push_back('-');
        text.push_back(decimalSeparator);
        text.push_back('0');
        text.push_back(static_cast<char>('0' + (amount < 0 ? -amount : amount)));
    } else {
        std::uint64_t magnitude = amount < 0 ? 0 - static_cast<std::uint64_t>(amount)
                                             : static_cast<std::uint64_t>(amount);
        std::string digits;
        do {
            digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
            magnitude /= 10;
        } while (magnitude != 0);
        if (amount < 0) text.push_back('-');
        text += digits;
        if (text.size() >= 2) text.insert(text.size() - 2, 1, decimalSeparator);
    }

    if (mode == kAmountWholeUnits) {
        const std::size_t separator = text.find(decimalSeparator);
        if (separator != std::string::npos) text.erase(separator);
    } else if (mode == kAmountTrimZeros && text.size() >= 2 && text.back() == '0') {
        text.pop_back();
        const std::size_t last = text.size() - 1;
        if (text.back() == '0' && last >= 1 && text[last - 1] == decimalSeparator) {
            text.erase(last - 1);
        }
    }
    return text;
}
