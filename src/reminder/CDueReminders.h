#pragma once

#include <string>
#include <vector>

#include "storage/Amount.h"
#include "storage/DateTime.h"

class CCVAccountList;

namespace reminder {

// What a reminder is about: the "Remind me" scheduled transactions whose reminder time has come,
// read from the data folder without its writer's lock and without writing anything (the
// interactive program or a command may be changing it meanwhile). With a lock password set the
// data is not read: a reminder then only says that something is due.
class CDueReminders {
  public:
    enum class Source {
        kData,        // read: Entries() lists what is due (possibly nothing)
        kLocked,      // a lock password is set; the data was left unread
        kUnreadable,  // the folder could not be read (Error() says how)
    };

    struct Entry {
        DateTime date = 0;    // the occurrence the reminder is for
        std::string payee;    // UTF-8, empty when the scheduled transaction has none
        Amount amount = 0;    // signed: negative when money leaves the account
        std::string account;  // UTF-8
    };

    // Reads `folder` (the data folder of the settings when empty) and keeps the reminders due by
    // `moment`.
    static CDueReminders Read(const std::string& folder, DateTime moment);
    // The reminders due by `moment` in data already loaded.
    static CDueReminders FromAccounts(CCVAccountList& accounts, DateTime moment);

    Source GetSource() const { return m_source; }
    const std::vector<Entry>& Entries() const { return m_entries; }
    const std::string& Folder() const { return m_folder; }
    int Error() const { return m_error; }

  private:
    Source m_source = Source::kData;
    std::vector<Entry> m_entries;
    std::string m_folder;
    int m_error = 0;
};

}  // namespace reminder
