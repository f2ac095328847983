#pragma once

#include <cstddef>
#include <string>

#include "model/CTransaction.h"
#include "model/EditOutcome.h"
#include "storage/Amount.h"
#include "storage/RecordKey.h"

// The rules of the split screens: the ten lines of a transaction (or of a scheduled one) being
// edited, their total and the remainder, "Adjust", "Clear", and what one line may hold. The lines
// reach the model only with the transaction editor's own save.
class CSplitEditing {
  public:
    using Lines = CTransaction::SplitLines;

    // The sum of the ten line amounts.
    static Amount Total(const Lines& lines);
    // The transaction's amount less the lines' total.
    static Amount Remainder(Amount amount, const Lines& lines);
    // "Adjust": the amount the transaction takes, the lines' total.
    static Amount Adjust(const Lines& lines) { return Total(lines); }
    // "Clear": every line empty (no category, class, memo, link; amount 0). The transaction's
    // amount becomes 0.
    static void Clear(Lines& lines);
    static bool AnyInUse(const Lines& lines);

    // One line as the line editor gives it: the amount text (empty for 0, otherwise read by
    // ReadEnteredAmount; a negative amount is refused, since the transaction's type gives the
    // direction), the category (never the split value, nor the transaction's own account:
    // IDS_SPLIT_LINE_SPLIT, IDS_SPLIT_LINE_OWN_ACCOUNT),
    // the class and the memo, cut to `memoCapacity`. The line keeps its link to a twin.
    static EditOutcome ReadLine(const std::string& amountText, const RecordKey& categoryId,
                                const RecordKey& classId, const std::string& memo,
                                const RecordKey& ownAccountId, std::size_t memoCapacity,
                                CSplitLine& line);
};
