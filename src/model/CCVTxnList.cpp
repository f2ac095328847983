#include "model/CCVTxnList.h"

#include <algorithm>
#include <ranges>
#include <vector>

#include "model/CTxnSortOrder.h"

int CCVTxnList::InsertInOrder(CTransaction* transaction, const CTxnSortOrder& order) {
    if (transaction == nullptr) return 1;
    const auto positions = std::views::iota(std::int64_t{0}, static_cast<std::int64_t>(Count()));
    const auto place = std::ranges::upper_bound(
        positions, *transaction,
        [&order](const CTransaction& added, const CTransaction& present) {
            return order.Before(added, present);
        },
        [this](std::int64_t index) -> const CTransaction& { return *At(index); });
    InsertAt(std::ranges::distance(positions.begin(), place), transaction);
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
    const auto positions = std::views::iota(std::int64_t{0}, static_cast<std::int64_t>(Count()));
    const auto projection = [this](std::int64_t index) -> const CTransaction& {
        return *At(index);
    };
    const auto before = [&order](const CTransaction& a, const CTransaction& b) {
        return order.Before(a, b);
    };
    const std::int64_t lower = std::ranges::distance(
        positions.begin(), std::ranges::lower_bound(positions, *transaction, before, projection));
    const std::int64_t upper = std::ranges::distance(
        positions.begin(), std::ranges::upper_bound(positions, *transaction, before, projection));
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
