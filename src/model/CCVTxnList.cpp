#include "model/CCVTxnList.h"

#include <algorithm>
#include <vector>

#include "model/CTxnSortOrder.h"

// The first position in [0, Count()) whose transaction `transaction` does not come after
// (`upper` false: a lower bound) or comes before (`upper` true: an upper bound). Written out
// rather than over a ranges view, which the fuzzing build's clang cannot compile.
std::int64_t CCVTxnList::Bound(const CTransaction& transaction, const CTxnSortOrder& order,
                               bool upper) const {
    std::int64_t low = 0;
    std::int64_t high = static_cast<std::int64_t>(Count());
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        const bool goesLeft = upper ? order.Before(transaction, *At(middle))
                                    : !order.Before(*At(middle), transaction);
        if (goesLeft) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

int CCVTxnList::InsertInOrder(CTransaction* transaction, const CTxnSortOrder& order) {
    if (transaction == nullptr) return 1;
    InsertAt(Bound(*transaction, order, true), transaction);
    return 0;
}

int CCVTxnList::Reposition(CTransaction* transaction, const CTxnSortOrder& order) {
    const std::int64_t former = transaction != nullptr ? IndexOf(transaction) : -1;
    if (former < 0) return 1;
    const bool afterPrevious = former == 0 || !order.Before(*transaction, *At(former - 1));
    const bool beforeNext =
        former + 1 >= static_cast<std::int64_t>(Count()) || !order.Before(*At(former + 1), *transaction);
    if (afterPrevious && beforeNext) return 0;
    Remove(transaction);
    const std::int64_t lower = Bound(*transaction, order, false);
    const std::int64_t upper = Bound(*transaction, order, true);
    // Among its equals it keeps its former place, as a stable sort keeps it.
    InsertAt(std::clamp(former, lower, upper), transaction);
    return 0;
}

void CCVTxnList::Resort(const CTxnSortOrder& order) {
    const auto live = static_cast<std::int64_t>(Count());
    const auto all = static_cast<std::int64_t>(Count(true));
    std::vector<CTransaction*> records;
    records.reserve(static_cast<std::size_t>(all));
    for (std::int64_t i = 0; i < live; ++i) records.push_back(At(i));
    order.StableSort(records);
    for (std::int64_t i = live; i < all; ++i) {
        records.push_back(static_cast<CTransaction*>(GetAtAny(i)));  // the deleted tail
    }
    Clear(true, false);
    for (std::size_t i = 0; i < records.size(); ++i) {
        InsertAt(static_cast<std::int64_t>(i), records[i]);
    }
}
