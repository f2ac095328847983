#include "storage/AmountText.h"

#include <cstdint>

namespace {

constexpr char kPoint = '.';
constexpr char kGroup = ',';
constexpr std::size_t kGroupDigits = 3;
constexpr std::size_t kCentDigits = 2;
constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(kMaxAmountMagnitude);

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of the whole part without its group separators; false when a separator does not
// stand between groups of three.
bool WholeDigits(std::string_view whole, std::string& digits) {
    const std::size_t firstGroup = whole.find(kGroup);
    if (firstGroup == std::string_view::npos) {
        digits = whole;
        return true;
    }
    if (firstGroup == 0 || firstGroup > kGroupDigits) return false;
    digits = whole.substr(0, firstGroup);
    for (std::size_t at = firstGroup; at < whole.size(); at += kGroupDigits + 1) {
        if (whole[at] != kGroup || whole.size() - at - 1 < kGroupDigits) return false;
        const std::string_view group = whole.substr(at + 1, kGroupDigits);
        if (group.find(kGroup) != std::string_view::npos) return false;
        digits += group;
    }
    return true;
}

// value * 10 + digit, false past the limit.
bool Append(std::uint64_t& value, char digit) {
    const auto d = static_cast<std::uint64_t>(digit - '0');
    if (value > (kLimit - d) / 10) return false;
    value = value * 10 + d;
    return true;
}

}  // namespace

AmountTextResult ReadAmountText(std::string_view text, AmountRounding rounding, Amount& amount) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find(kPoint);
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return AmountTextResult::kNotAnAmount;
    if (point != std::string_view::npos && fraction.empty()) return AmountTextResult::kNotAnAmount;
    for (const char c : whole) {
        if (!IsDigit(c) && c != kGroup) return AmountTextResult::kNotAnAmount;
    }
    for (const char c : fraction) {
        if (!IsDigit(c)) return AmountTextResult::kNotAnAmount;
    }
    std::string digits;
    if (!WholeDigits(whole, digits)) return AmountTextResult::kNotAnAmount;
    if (fraction.size() > kCentDigits && rounding == AmountRounding::kRefuse) {
        return AmountTextResult::kTooPrecise;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (!Append(value, c)) return AmountTextResult::kTooLarge;
    }
    for (std::size_t i = 0; i < kCentDigits; ++i) {
        if (!Append(value, i < fraction.size() ? fraction[i] : '0')) {
            return AmountTextResult::kTooLarge;
        }
    }
    // Half away from zero: the magnitude goes up when the first digit dropped is 5 or more.
    if (fraction.size() > kCentDigits && fraction[kCentDigits] >= '5') {
        if (value == kLimit) return AmountTextResult::kTooLarge;
        ++value;
    }
    amount = negative ? -static_cast<Amount>(value) : static_cast<Amount>(value);
    return AmountTextResult::kRead;
}
