#include "model/CScheduledEditing.h"

#include <memory>

#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "resources/ScreenIds.h"

EditOutcome CScheduledEditing::ReadFields(const CTransactionEditing::Fields& fields,
                                          const std::string& accountName,
                                          CScheduledItem& working) const {
    CTransaction& templ = working.Template();
    const bool mark = templ.GetReconcileMark();
    if (const EditOutcome read = CTransactionEditing(m_accounts).ReadFields(fields, templ);
        !read.IsDone()) {
        return read;
    }
    // The template keeps its reconcile mark, as its own state setter does.
    templ.SetReconcileMark(mark);
    working.MarkModified();
    const CCVAccount* account =
        accountName.empty() ? nullptr : m_accounts.FindAccountByName(accountName.c_str());
    working.SetAccountId(account != nullptr ? account->GetAccountId() : RecordKey());
    return EditOutcome::Done();
}

EditOutcome CScheduledEditing::Check(const CScheduledItem& working) const {
    const CCVAccount* account = m_accounts.FindAccountById(working.GetAccountId());
    if (account == nullptr) return EditOutcome::Refused(res::IDS_SCHEDULE_NEEDS_ACCOUNT);
    if (const EditOutcome same =
            CAccountOperations::CheckNewTransaction(*account, working.Template());
        !same.IsDone()) {
        return same;
    }
    if (!working.HasEnded() && working.GetNextDate() != 0 && working.GetRemainingCount() == 0) {
        return EditOutcome::Refused(res::IDS_REPEAT_NEEDS_TIMES);
    }
    return EditOutcome::Done();
}

EditOutcome CScheduledEditing::SaveNew(CScheduledItem& working, DateTime day) {
    if (working.GetNextDate() == 0) {
        // Never set on the repeat screen: once, on the editor's day.
        working.SetNextDate(day);
        working.SetFrequency(kFrequencyOnce);
        working.SetRemainingCount(1);
    }
    if (const EditOutcome check = Check(working); !check.IsDone()) return check;
    auto item = std::make_unique<CScheduledItem>(working);
    if (m_scheduled.Append(item.get()) != 0) return EditOutcome::Refused(res::IDS_DATA_NOT_SAVED);
    item.release();  // the list owns it now
    m_scheduled.UpdateReminderTime(m_host);
    return EditOutcome::Done();
}

EditOutcome CScheduledEditing::SaveEdit(CScheduledItem& stored, const CScheduledItem& working) {
    if (const EditOutcome check = Check(working); !check.IsDone()) return check;
    stored = working;
    stored.MarkModified();
    m_scheduled.UpdateReminderTime(m_host);
    return EditOutcome::Done();
}

EditOutcome CScheduledEditing::Record(const CUpcomingTransItem& upcoming,
                                      const CScheduledItem& working, DateTime day) {
    const CCVAccount* account = m_accounts.FindAccountById(working.GetAccountId());
    if (account == nullptr) return EditOutcome::Refused(res::IDS_SCHEDULE_NEEDS_ACCOUNT);
    if (const EditOutcome same =
            CAccountOperations::CheckNewTransaction(*account, working.Template());
        !same.IsDone()) {
        return same;
    }
    if (const EditOutcome editable = m_scheduled.CheckEditable(upcoming); !editable.IsDone()) {
        return editable;
    }
    if (m_scheduled.RecordEdited(upcoming, working, day, m_host) != 0) {
        return EditOutcome::Refused(res::IDS_SCHEDULE_GONE);
    }
    return EditOutcome::Done();
}

int CScheduledEditing::Delete(CScheduledItem& stored) {
    if (m_scheduled.IndexOf(&stored) < 0) return 1;
    if (m_scheduled.MarkDeleted(&stored) != 0) return 1;
    m_scheduled.UpdateReminderTime(m_host);
    return 0;
}
