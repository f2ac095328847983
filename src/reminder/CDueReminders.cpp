#include "reminder/CDueReminders.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "platform/sys/AnsiText.h"
#include "platform/sys/CodePage.h"
#include "startup/ModelWiring.h"
#include "storage/CCVPassword.h"

namespace reminder {
namespace {

// Stored text as UTF-8, control characters shown as blanks would be: never sent to a terminal.
std::string Readable(std::string_view stored) {
    return sys::WideToUtf8(sys::WithoutControls(sys::AnsiToWide(stored)));
}

}  // namespace

CDueReminders CDueReminders::Read(const std::string& folder, DateTime moment) {
    // A model of its own: the program's model is not this one's to load or release.
    CVModel model;
    startup::WireModel(model);
    CDueReminders due;
    if (model.PasswordState() == CCVPassword::kPasswordSet) {
        due.m_source = Source::kLocked;
        return due;
    }
    const int rc = model.InitForCommand(folder, CVModel::kReadOnly);
    CCVAccountList* accounts = model.GetAccountList();
    if (rc != 0 || accounts == nullptr) {
        due.m_source = Source::kUnreadable;
        due.m_folder = model.GetDataFolder();
        due.m_error = rc != 0 ? rc : 1;
        return due;
    }
    due = FromAccounts(*accounts, moment);
    due.m_folder = model.GetDataFolder();
    return due;
}

CDueReminders CDueReminders::FromAccounts(CCVAccountList& accounts, DateTime moment) {
    CDueReminders due;
    const CScheduledList* scheduled = accounts.GetScheduledTransactions();
    if (scheduled == nullptr) return due;
    for (const CScheduledItem* item : scheduled->RemindersDueBy(moment)) {
        Entry entry;
        entry.date = item->GetNextDate();
        entry.payee = Readable(item->Template().GetPayeeName());
        entry.amount = item->Template().GetSignedAmount();
        if (const CCVAccount* account = accounts.FindAccountById(item->GetAccountId())) {
            entry.account = Readable(account->GetName());
        }
        due.m_entries.push_back(std::move(entry));
    }
    return due;
}

}  // namespace reminder
