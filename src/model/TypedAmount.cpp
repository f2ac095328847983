#include "model/TypedAmount.h"

#include "resources/ScreenIds.h"
#include "storage/AmountText.h"

EditOutcome ReadEnteredAmount(std::string_view text, AmountEntry entry, Amount& amount) {
    if (text.empty()) {
        if (entry == AmountEntry::kRequired) {
            return EditOutcome::Refused(res::IDS_ENTER_VALID_AMOUNT);
        }
        amount = 0;
        return EditOutcome::Done();
    }
    switch (ReadAmountText(text, AmountRounding::kRefuse, amount)) {
        case AmountTextResult::kRead:
            return EditOutcome::Done();
        case AmountTextResult::kTooPrecise:
            return EditOutcome::Refused(res::IDS_AMOUNT_TOO_PRECISE);
        case AmountTextResult::kTooLarge:
            return EditOutcome::Refused(res::IDS_AMOUNT_TOO_LARGE);
        case AmountTextResult::kNotAnAmount:
            break;
    }
    return EditOutcome::Refused(res::IDS_ENTER_VALID_AMOUNT);
}
