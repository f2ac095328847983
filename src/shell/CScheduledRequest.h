#pragma once

#include <cstdint>

#include "shell/NavigationRecords.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

// Which scheduled transaction the editor opens from the scheduled and upcoming lists: the
// scheduled transaction (its template's identifier) and, for an upcoming occurrence, its date.
namespace shell {

class CScheduledRequest : public CNavigationPayload {
  public:
    explicit CScheduledRequest(const RecordKey& scheduledKey, DateTime occurrenceDate = 0)
        : m_scheduledKey(scheduledKey), m_occurrenceDate(occurrenceDate) {}
    const RecordKey& ScheduledKey() const { return m_scheduledKey; }
    DateTime OccurrenceDate() const { return m_occurrenceDate; }

  private:
    RecordKey m_scheduledKey;
    DateTime m_occurrenceDate = 0;
};

}  // namespace shell
