#include "model/CCurrencyConversion.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/AmountMath.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/CTransactionEditing.h"
#include "resources/ScreenIds.h"

std::string CCurrencyConversion::RateText(std::uint8_t from, std::uint8_t to) const {
    const double rate = CAccountOperations(m_accounts).GetConversionRate(from, to);
    char text[64];
    std::snprintf(text, sizeof text, "%.9f", rate);
    return text;
}

EditOutcome CCurrencyConversion::Convert(const std::string& amountText, const std::string& rateText,
                                         Amount& converted) {
    Amount amount = 0;
    if (const EditOutcome read = CTransactionEditing::ReadAmount(amountText, amount);
        !read.IsDone()) {
        return read;
    }
    const char* begin = rateText.c_str();
    char* end = nullptr;
    const double rate = std::strtod(begin, &end);
    while (end != nullptr && *end == ' ') ++end;
    if (end == begin || end == nullptr || *end != '\0' || !std::isfinite(rate) || rate < 0) {
        return EditOutcome::Refused(res::IDS_CONVERT_RATE_INVALID);
    }
    const Amount result = ConvertAtRate(amount, rate, RateForm::kThroughUnits);
    if (result < 0 || result > kMaxAmountMagnitude) {
        return EditOutcome::Refused(res::IDS_ENTER_VALID_AMOUNT);
    }
    converted = result;
    return EditOutcome::Done();
}
