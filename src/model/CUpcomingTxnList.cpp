#include "model/CUpcomingTxnList.h"

void CUpcomingTxnList::InsertByDate(std::unique_ptr<CUpcomingTransItem> item) {
    const DateTime date = item->GetOccurrenceDate();
    // Bisection for the first item dated at or after `date`.
    std::int64_t low = 0;
    std::int64_t high = Count();
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (At(middle)->GetOccurrenceDate() < date) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    InsertAt(low, item.release());
}
