// The amount and date parsers: typed values, banks' amounts and dates.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "cli/CliValues.h"
#include "ofx/COfxClient.h"
#include "ofx/OfxValues.h"
#include "storage/Amount.h"
#include "storage/AmountText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    ParseAmount(text);
    IsValidAmountText(text, true);
    Amount amount = 0;
    if (ReadAmountText(text, AmountRounding::kRefuse, amount) == AmountTextResult::kRead) {
        fuzz::Require(amount >= -kMaxAmountMagnitude && amount <= kMaxAmountMagnitude,
                      "within what an account holds");
        // What the command line writes reads back as the same amount.
        Amount again = 0;
        fuzz::Require(ReadAmountText(cli::FormatAmount(amount), AmountRounding::kRefuse, again) ==
                              AmountTextResult::kRead &&
                          again == amount,
                      "an amount written reads back");
    }
    Amount rounded = 0;
    if (ReadAmountText(text, AmountRounding::kHalfAwayFromZero, rounded) ==
        AmountTextResult::kRead) {
        fuzz::Require(rounded >= -kMaxAmountMagnitude && rounded <= kMaxAmountMagnitude,
                      "rounded within what an account holds");
    }
    if (const auto normalized = ofx::NormalizeAmount(text)) {
        ReadAmountText(*normalized, AmountRounding::kHalfAwayFromZero, rounded);
    }
    if (const auto time = ofx::ParseDateTime(text)) {
        fuzz::Require(time->month >= 1 && time->month <= 12, "a month");
        fuzz::Require(time->day >= 1 && time->day <= 31, "a day");
        ofx::FormatDateTime(*time);
    }
    const std::string terminated(text);
    COfxClient::OfxDateTimeToPalmDateTime(terminated.c_str());
    DateTime date = 0;
    if (cli::ParseDate(text, date)) {
        fuzz::Require(cli::FormatDate(date) == text, "a date written reads back");
    }
    std::string stored;
    std::string offending;
    cli::ReadTypedText(text, 160, stored, offending);
    cli::Utf8(text);
    return 0;
}
