#pragma once

#include "model/CTransaction.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CScheduledItem;

// One occurrence of a scheduled transaction in the upcoming list: its date and the scheduled
// transaction it belongs to. Its own transaction fields stay empty.
//
// The scheduled transaction is referred to, not owned, and may be gone by the time the item is
// used: CScheduledList::Find answers it only while it is still in the list.
class CUpcomingTransItem : public CTransaction {
  public:
    CUpcomingTransItem() = default;
    CUpcomingTransItem(DateTime occurrenceDate, const CScheduledItem& scheduled);

    DateTime GetOccurrenceDate() const { return m_occurrenceDate; }
    // The scheduled transaction as it was when the item was made; compare, never follow.
    const CScheduledItem* GetScheduledItem() const { return m_scheduled; }
    // Its identifier at that time (the template's).
    const RecordKey& GetScheduledKey() const { return m_scheduledKey; }

  private:
    DateTime m_occurrenceDate = 0;
    const CScheduledItem* m_scheduled = nullptr;
    RecordKey m_scheduledKey;
};
