#pragma once

#include <string>

#include "model/CTransactionEditing.h"
#include "model/EditOutcome.h"
#include "storage/DateTime.h"

class CCVAccountList;
class CScheduledItem;
class CScheduledList;
class CUpcomingTransItem;
class MScheduleHost;

// The transaction editor's rules for scheduled transactions: reading its fields into the working
// copy of a scheduled transaction, and what "Done" (a new or an edited scheduled transaction) and
// "Record" (an upcoming occurrence) do with it. After each change the reminder time is worked out
// again, so the reminder follows the schedule.
class CScheduledEditing {
  public:
    CScheduledEditing(CCVAccountList& accounts, CScheduledList& scheduled, MScheduleHost& host)
        : m_accounts(accounts), m_scheduled(scheduled), m_host(host) {}

    // The fields as CTransactionEditing reads them into the template, and the account named by
    // `accountName` (none when no account has that name).
    EditOutcome ReadFields(const CTransactionEditing::Fields& fields,
                           const std::string& accountName, CScheduledItem& working) const;

    // "Done" of a new scheduled transaction: an account is needed
    // (IDS_SCHEDULE_NEEDS_ACCOUNT), a transfer to that account itself is refused, and so is a
    // counted repeat of 0 times (IDS_REPEAT_NEEDS_TIMES). A working copy whose repeat was never
    // set (next date 0) occurs once, on `day`. The copy joins the scheduled list.
    EditOutcome SaveNew(CScheduledItem& working, DateTime day);
    // "Done" of an edit: the same checks; the scheduled transaction takes the working copy.
    EditOutcome SaveEdit(CScheduledItem& stored, const CScheduledItem& working);
    // "Record" of an upcoming occurrence: the same-account check, then the occurrence enters its
    // account as edited, dated `day`, and the series moves on with its template unchanged.
    EditOutcome Record(const CUpcomingTransItem& upcoming, const CScheduledItem& working,
                       DateTime day);

    // Deletes a scheduled transaction (the scheduled list's "Delete"); 1 when it is not in the
    // list. The reminder time follows.
    int Delete(CScheduledItem& stored);

  private:
    EditOutcome Check(const CScheduledItem& working) const;

    CCVAccountList& m_accounts;
    CScheduledList& m_scheduled;
    MScheduleHost& m_host;
};
