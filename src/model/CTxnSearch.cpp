#include "model/CTxnSearch.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "model/CTransaction.h"

namespace {

constexpr std::size_t kAmountTextSize = 32;
constexpr std::uint64_t kHundredths = 100;
constexpr std::uint64_t kTens = 10;

unsigned char FoldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// A stored amount is a magnitude, so the text has no sign.
std::string_view AmountText(Amount amount, char (&buffer)[kAmountTextSize]) {
    const std::uint64_t magnitude =
        amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    const std::uint64_t hundredths = magnitude % kHundredths;
    char* end = std::to_chars(buffer, buffer + kAmountTextSize, magnitude / kHundredths).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + hundredths / kTens);
    *end++ = static_cast<char>('0' + hundredths % kTens);
    return std::string_view(buffer, static_cast<std::size_t>(end - buffer));
}

}  // namespace

bool CTxnSearch::Contains(std::string_view text) const {
    return std::search(text.begin(), text.end(), m_searchText.begin(), m_searchText.end(),
                       [](char a, char b) { return FoldCase(a) == FoldCase(b); }) != text.end();
}

bool CTxnSearch::Matches(const CTransaction& transaction) const {
    char amountText[kAmountTextSize];
    if (Contains(transaction.GetPayeeName()) ||
        Contains(AmountText(transaction.GetAmount(), amountText)) ||
        Contains(transaction.GetMemo())) {
        return true;
    }
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        if (Contains(transaction.GetSplit(line).GetMemo())) return true;
    }
    return false;
}
