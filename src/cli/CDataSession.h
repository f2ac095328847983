#pragma once

#include <cstdio>
#include <string>

#include "cli/CliExit.h"
#include "cli/CliValues.h"
#include "platform/sys/NamedMutex.h"

class CCVAccount;
class CCVAccountList;
class CVModel;

namespace cli {

// The data a command works on, through the model: the data folder (--data, else the one of the
// settings) loaded after the lock password when one is set. A command that only reads loads
// without changing anything on disk (the settings file included); one that changes the data
// first takes the interactive program's mutex (refusing while it runs beside it) and the data
// folder's writer's lock (waiting a few seconds for another command), never makes a data folder
// (kCreate does, for init), and saves every changed file together or none. Messages go to
// standard error.
class CDataSession {
  public:
    enum Access { kRead, kChange, kCreate };

    CDataSession(CVModel& model, std::FILE* errors) : m_model(model), m_errors(errors) {}

    // 0, or kExitRefused after saying why (the data is in use, the password is wrong, the
    // folder cannot be read). `reportProblems` lists the files a read found wrong.
    int Open(const std::string& folder, Access access, bool reportProblems = true);
    // Saves what changed; 0 when the change is on disk, or kExitRefused after saying why nothing
    // was saved (the file and the cause).
    int Save();

    CVModel& Model() { return m_model; }
    CCVAccountList& Accounts();
    // The account of that name (UTF-8; exactly, else ignoring ASCII case), or null after saying
    // that there is none.
    CCVAccount* FindAccount(const std::string& name);

    // A message of the string table on standard error; answers kExitRefused.
    template <typename... Args>
    int Refuse(res::StringId id, Args... args) {
        Say(Format(id, args...));
        return kExitRefused;
    }
    void Say(const std::string& message);

  private:
    int TakeMutex();
    bool Unlock();
    void ReportLoad(bool reportProblems);

    CVModel& m_model;
    std::FILE* m_errors;
    sys::NamedMutex m_mutex{sys::kInstanceMutexName};
};

}  // namespace cli
