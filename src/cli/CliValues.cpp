#include "cli/CliValues.h"

#include <cstdint>
#include <optional>

#include "platform/sys/AnsiText.h"
#include "platform/sys/Clock.h"
#include "platform/sys/CodePage.h"
#include "resources/StringTable.h"
#include "storage/AmountText.h"

namespace cli {
namespace {

constexpr Amount kCentsPerUnit = 100;
constexpr std::size_t kIsoDateLength = 10;

}  // namespace

std::string Utf8(std::string_view stored) {
    return sys::WideToUtf8(sys::WithoutControls(sys::AnsiToWide(stored)));
}

std::string Stored(std::string_view utf8) {
    return sys::Utf8ToAnsi(utf8);
}

std::string Text(res::StringId id) {
    return sys::WideToUtf8(res::LoadString(id));
}

std::string FormatAmount(Amount amount) {
    // The magnitude as unsigned, so that the smallest Amount has one too.
    const bool negative = amount < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    const std::uint64_t cents = magnitude % kCentsPerUnit;
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / kCentsPerUnit);
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

std::string FormatDate(DateTime date) {
    const DateParts parts = DateToParts(date);
    char text[32];  // room for any 16-bit fields
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{parts.year}, unsigned{parts.month},
                  unsigned{parts.day});
    return text;
}

bool ParseDate(std::string_view text, DateTime& date) {
    if (text.size() != kIsoDateLength) return false;
    const std::optional<sys::SystemTime> time = sys::ParseTestTime(text);
    if (!time) return false;
    // Outside the model's range the conversion stops at its ends: such a date is not taken.
    const DateTime converted = SystemTimeToDate(*time);
    const DateParts parts = DateToParts(converted);
    if (parts.year != time->year || parts.month != time->month || parts.day != time->day) {
        return false;
    }
    date = DayBoundary(converted, kDayStart);
    return true;
}

res::StringId ReadTypedAmount(std::string_view text, Amount& amount) {
    switch (ReadAmountText(text, AmountRounding::kRefuse, amount)) {
        case AmountTextResult::kRead:
            return res::IDS_NONE;
        case AmountTextResult::kTooPrecise:
            return res::IDS_CLI_AMOUNT_TOO_PRECISE;
        case AmountTextResult::kTooLarge:
            return res::IDS_CLI_AMOUNT_TOO_LARGE;
        case AmountTextResult::kNotAnAmount:
            break;
    }
    return res::IDS_CLI_AMOUNT_NOT_AN_AMOUNT;
}

res::StringId ReadTypedText(std::string_view utf8, std::size_t capacity, std::string& stored,
                            std::string& offending) {
    const std::wstring composed = sys::ComposeAccents(sys::Utf8ToWide(utf8));
    for (const wchar_t ch : composed) {
        if (sys::IsControlChar(ch)) return res::IDS_CLI_TEXT_CONTROL;
    }
    if (const wchar_t lacking = sys::FirstNonAnsi(composed); lacking != 0) {
        offending = sys::WideToUtf8(std::wstring(1, lacking));
        return res::IDS_CLI_TEXT_CODE_PAGE;
    }
    if (composed.size() > capacity) return res::IDS_CLI_TEXT_TOO_LONG;
    stored = sys::WideToAnsi(composed);
    return res::IDS_NONE;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

int FindName(std::string_view text, const std::vector<res::StringId>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (SameText(text, Text(names[i]))) return static_cast<int>(i);
    }
    return -1;
}

std::string JoinNames(const std::vector<res::StringId>& names) {
    std::string joined;
    for (const res::StringId id : names) {
        if (!joined.empty()) joined += ", ";
        joined += Text(id);
    }
    return joined;
}

}  // namespace cli
