#include "model/CUpcomingTransItem.h"

#include "model/CScheduledItem.h"

CUpcomingTransItem::CUpcomingTransItem(DateTime occurrenceDate, const CScheduledItem& scheduled)
    : m_occurrenceDate(occurrenceDate),
      m_scheduled(&scheduled),
      m_scheduledKey(*scheduled.GetKey()) {}
