#include "model/CScheduledList.h"

#include <algorithm>

#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CUpcomingTxnList.h"
#include "model/MScheduleHost.h"
#include "model/YesNo.h"

namespace {

constexpr std::uint16_t kAllAccountsNumber = 0xFFFF;
constexpr int kGone = 1;

}  // namespace

RecordKey CScheduledList::AllAccounts() {
    return BuiltInKey(kAllAccountsNumber);
}

CScheduledItem* CScheduledList::Find(const CUpcomingTransItem& upcoming) const {
    // The stored pointer is only compared: it is followed once it is known to be in the list, and
    // the key guards against a new item that took the place of a removed one.
    const CScheduledItem* referred = upcoming.GetScheduledItem();
    if (referred == nullptr) return nullptr;
    CScheduledItem* scheduled = At(IndexOf(referred));
    if (scheduled == nullptr || *scheduled->GetKey() != upcoming.GetScheduledKey()) return nullptr;
    return scheduled;
}

std::uint32_t CScheduledList::BuildUpcoming(const RecordKey& accountFilter, int period,
                                            CUpcomingTxnList& upcoming) const {
    upcoming.Clear(true, true);
    const DateTime horizon = GetThroughDate(period);
    const bool allAccounts = accountFilter == AllAccounts();
    std::uint32_t added = 0;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count()); ++i) {
        const CScheduledItem& item = *At(i);
        if (!allAccounts && item.GetAccountId() != accountFilter) continue;
        DateTime running = item.GetNextDate();
        for (std::uint32_t n = 1;; ++n) {
            const DateTime occurrence = running;
            if (!item.OccursBy(running, horizon, n)) break;
            upcoming.InsertByDate(std::make_unique<CUpcomingTransItem>(occurrence, item));
            ++added;
        }
    }
    return added;
}

bool CScheduledList::AnyDue() const {
    const DateTime horizon = Today(kDayEnd);
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count()); ++i) {
        DateTime running = 0;
        if (At(i)->OccursBy(running, horizon, 1)) return true;
    }
    return false;
}

int CScheduledList::RecordOccurrence(const CUpcomingTransItem& upcoming, MScheduleHost& host) {
    const CScheduledItem* scheduled = Find(upcoming);
    if (scheduled == nullptr) return kGone;
    return RecordEdited(upcoming, *scheduled, upcoming.GetOccurrenceDate(), host);
}

int CScheduledList::RecordEdited(const CUpcomingTransItem& upcoming, const CScheduledItem& edited,
                                 DateTime day, MScheduleHost& host) {
    CScheduledItem* scheduled = Find(upcoming);
    if (scheduled == nullptr) return kGone;
    CCVAccount* account = host.FindAccountById(edited.GetAccountId());
    if (account == nullptr) return kGone;

    auto transaction = std::make_unique<CTransaction>(edited.Template(), day);
    const bool numbered = transaction->CarriesCheckNumber();
    // A number typed for this occurrence stands; otherwise the account's next one.
    const std::uint32_t checkNumber = edited.Template().GetCheckNumber() != 0
                                          ? edited.Template().GetCheckNumber()
                                          : account->Record().GetLastCheckNumber() + 1;
    if (numbered) transaction->SetCheckNumber(checkNumber);
    const RecordKey transactionId = transaction->GetTransactionId();
    const int rc = host.AddTransactionWithTwins(*account, std::move(transaction));
    // The number counts as used once the transaction is in the register, even when a twin failed
    // afterwards; a transaction that was not added leaves it free.
    if (numbered && account->FindById(transactionId) != nullptr &&
        checkNumber > account->Record().GetLastCheckNumber()) {
        account->Record().SetLastCheckNumber(checkNumber);
    }
    if (rc != 0) return rc;
    scheduled->Advance();
    UpdateReminderTime(host);
    return 0;
}

int CScheduledList::RecordAll(const CUpcomingTxnList& upcoming, MScheduleHost& host) {
    int result = 0;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(upcoming.Count()); ++i) {
        if (RecordOccurrence(*upcoming.At(i), host) != 0) result = 1;
    }
    return result;
}

int CScheduledList::SkipOccurrence(const CUpcomingTransItem& upcoming, MScheduleHost& host) {
    CScheduledItem* scheduled = Find(upcoming);
    if (scheduled == nullptr) return kGone;
    scheduled->Advance();
    UpdateReminderTime(host);
    return 0;
}

int CScheduledList::GetEditState(const CUpcomingTransItem& upcoming) const {
    const CScheduledItem* scheduled = Find(upcoming);
    if (scheduled == nullptr) return kGone;
    return ToYesNo(upcoming.GetOccurrenceDate() == scheduled->GetNextDate());
}

EditOutcome CScheduledList::CheckEditable(const CUpcomingTransItem& upcoming) const {
    switch (GetEditState(upcoming)) {
        case kYes:
            return EditOutcome::Done();
        case kNo:
            return EditOutcome::Refused(res::IDS_SCHEDULE_OUT_OF_ORDER);
        default:
            return EditOutcome::Refused(res::IDS_SCHEDULE_GONE);
    }
}

std::uint32_t CScheduledList::RemoveFinished() {
    for (std::int64_t i = static_cast<std::int64_t>(Count(true)) - 1; i >= 0; --i) {
        auto* item = static_cast<CScheduledItem*>(GetAtAny(i));
        if (!item->HasEnded()) continue;
        Remove(item);
        std::unique_ptr<CScheduledItem> ended(item);
    }
    return Count();
}

DateTime CScheduledList::GetNearestReminderTime() const {
    DateTime nearest = 0;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count()); ++i) {
        const CScheduledItem& item = *At(i);
        if (item.GetEnterMode() != CScheduledItem::kRemindMe || item.HasEnded()) continue;
        const DateTime time = item.GetReminderTime();
        nearest = nearest == 0 ? time : std::min(nearest, time);
    }
    return nearest;
}

DateTime CScheduledList::UpdateReminderTime(MScheduleHost& host) {
    RemoveFinished();
    const DateTime nearest = GetNearestReminderTime();
    host.WriteNearestDateTime(nearest);
    return nearest;
}

void CScheduledList::RefreshReminderTimeIfUnset(MScheduleHost& host) {
    if (host.ReadNearestDateTime() == 0) UpdateReminderTime(host);
}

// ---- reminder companion ----
std::vector<const CScheduledItem*> CScheduledList::RemindersDueBy(DateTime moment) const {
    std::vector<const CScheduledItem*> due;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count()); ++i) {
        const CScheduledItem& item = *At(i);
        if (item.GetEnterMode() != CScheduledItem::kRemindMe || item.HasEnded()) continue;
        if (item.GetReminderTime() <= moment) due.push_back(&item);
    }
    std::stable_sort(due.begin(), due.end(), [](const CScheduledItem* a, const CScheduledItem* b) {
        return a->GetNextDate() < b->GetNextDate();
    });
    return due;
}
