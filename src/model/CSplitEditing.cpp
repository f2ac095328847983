#include "model/CSplitEditing.h"

#include "model/TypedAmount.h"
#include "resources/ScreenIds.h"

Amount CSplitEditing::Total(const Lines& lines) {
    Amount total = 0;
    for (const CSplitLine& line : lines) total += line.GetAmount();
    return total;
}

Amount CSplitEditing::Remainder(Amount amount, const Lines& lines) {
    return amount - Total(lines);
}

void CSplitEditing::Clear(Lines& lines) {
    for (CSplitLine& line : lines) line = CSplitLine();
}

bool CSplitEditing::AnyInUse(const Lines& lines) {
    for (const CSplitLine& line : lines) {
        if (line.InUse()) return true;
    }
    return false;
}

EditOutcome CSplitEditing::ReadLine(const std::string& amountText, const RecordKey& categoryId,
                                    const RecordKey& classId, const std::string& memo,
                                    const RecordKey& ownAccountId, std::size_t memoCapacity,
                                    CSplitLine& line) {
    Amount amount = 0;
    if (const EditOutcome read = ReadEnteredAmount(amountText, AmountEntry::kOptional, amount);
        !read.IsDone()) {
        return read;
    }
    if (amount < 0) return EditOutcome::Refused(res::IDS_EDITOR_NEGATIVE_AMOUNT);
    if (categoryId == CTransaction::SplitCategoryId()) {
        return EditOutcome::Refused(res::IDS_SPLIT_LINE_SPLIT);
    }
    if (!categoryId.IsNull() && categoryId == ownAccountId) {
        return EditOutcome::Refused(res::IDS_SPLIT_LINE_OWN_ACCOUNT);
    }
    line.SetAmount(amount);
    line.SetCategoryId(categoryId);
    line.SetClassId(classId);
    line.SetMemo(memo.substr(0, memoCapacity).c_str());
    return EditOutcome::Done();
}
