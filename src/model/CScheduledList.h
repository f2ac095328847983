#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/CScheduledItem.h"
#include "model/EditOutcome.h"
#include "storage/CCVItemList.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CUpcomingTransItem;
class CUpcomingTxnList;
class MScheduleHost;

// The scheduled transactions, in the order they were added ("ScheduledTransList.lst"; there are
// no built-in ones, so a fresh file is its two count bytes). From them it builds the upcoming
// list, enters or skips occurrences, and keeps the reminder time up to date: every operation that
// moves a series on writes the earliest reminder time through the host.
class CScheduledList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0;
    static constexpr const char* kListName = "CScheduledItem";

    // The account filter that lets every scheduled transaction through (bytes 6-7 FF FF).
    static RecordKey AllAccounts();

    CScheduledList() : CCVItemList(kListName, kListVersion) {}

    CScheduledItem* At(std::int64_t index) const {
        return static_cast<CScheduledItem*>(GetAt(index));
    }

    // The scheduled transaction of an upcoming item while it is still in this list (not deleted),
    // or null.
    CScheduledItem* Find(const CUpcomingTransItem& upcoming) const;

    // Empties `upcoming` and fills it with every occurrence up to the period's horizon (see
    // GetThroughDate) of every scheduled transaction of the account (or of all accounts for
    // AllAccounts()), by date. Answers the number of occurrences listed.
    std::uint32_t BuildUpcoming(const RecordKey& accountFilter, int period,
                                CUpcomingTxnList& upcoming) const;

    // Whether some scheduled transaction has an occurrence by the end of today.
    bool AnyDue() const;

    // Enters the occurrence into its account: a copy of the template with a fresh identifier,
    // dated on the occurrence's day at the current time, with the account's next check number when
    // its type carries one; then the series moves on and the reminder time is written. 1, changing
    // nothing, when the scheduled transaction or its account is gone; the host's error when the
    // transaction could not be added (the series then stays where it was).
    int RecordOccurrence(const CUpcomingTransItem& upcoming, MScheduleHost& host);
    // Enters the occurrence as the editor changed it: `edited` gives the transaction and its
    // account, `day` its date. The series itself moves on unchanged (its template stays as it
    // was). A check number typed into `edited` stands; otherwise the account's next one.
    int RecordEdited(const CUpcomingTransItem& upcoming, const CScheduledItem& edited, DateTime day,
                     MScheduleHost& host);
    // "Record All": every occurrence of the list, in list order. 0, or 1 when one of them could
    // not be recorded (the others still are).
    int RecordAll(const CUpcomingTxnList& upcoming, MScheduleHost& host);
    // Moves the series on without entering anything and writes the reminder time. 1 when the
    // scheduled transaction is gone.
    int SkipOccurrence(const CUpcomingTransItem& upcoming, MScheduleHost& host);

    // 1 when the scheduled transaction is gone, kYes when the item is its series' next occurrence,
    // kNo for a later one.
    int GetEditState(const CUpcomingTransItem& upcoming) const;
    // The rule of the upcoming screen: only a series' next occurrence may be recorded, skipped or
    // edited; otherwise the outcome carries the message to show.
    EditOutcome CheckEditable(const CUpcomingTransItem& upcoming) const;

    // Removes and destroys every scheduled transaction that has ended; answers how many are left.
    std::uint32_t RemoveFinished();

    // The earliest reminder time over the "Remind me" transactions that have not ended; 0 when
    // there is none.
    DateTime GetNearestReminderTime() const;
    // Removes the ended transactions, then writes and answers the earliest reminder time.
    DateTime UpdateReminderTime(MScheduleHost& host);
    // The start-up step: when the stored reminder time reads 0, computes and writes it.
    void RefreshReminderTimeIfUnset(MScheduleHost& host);

    // ---- reminder companion ----
    // The "Remind me" transactions that have not ended and whose reminder time has come by
    // `moment`, by next date (then in list order): what a reminder shown at `moment` is about.
    std::vector<const CScheduledItem*> RemindersDueBy(DateTime moment) const;

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CScheduledItem>();
    }
};
