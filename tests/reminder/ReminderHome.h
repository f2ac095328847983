#pragma once

#include <cstdint>
#include <string>

#include "model/CTransactionTypeList.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace reminder_test {

// A throw-away home for one test: settings, documents and runtime folders of its own, and a data
// folder with its first accounts, made as `coinvale init` makes it.
class ReminderHome {
  public:
    ReminderHome();

    const testing_support::TempFolder& Folder() const { return m_temp; }
    std::string Runtime() const { return m_temp.Path() + "run/"; }
    const std::string& DataFolder() const { return m_data; }

    // Adds a scheduled transaction to the data folder, and writes the nearest reminder time as
    // Coinvale does after every change of the schedule.
    void AddScheduled(const char* payee, Amount amount, DateTime next, std::uint8_t daysAhead,
                      std::uint8_t enterMode,
                      std::uint16_t type = CTransactionTypeList::kTypeWithdrawal,
                      const char* account = "Checking");

  private:
    testing_support::TempFolder m_temp;
    testing_support::ScopedEnvironment m_home{"COINVALE_HOME", m_temp.Path()};
    testing_support::ScopedEnvironment m_documents{"XDG_DOCUMENTS_DIR",
                                                   m_temp.Path() + "Documents/"};
    testing_support::ScopedEnvironment m_runtime{"XDG_RUNTIME_DIR", m_temp.Path() + "run/"};
    std::string m_data;
};

// Midnight of a day, in the model's time.
DateTime Day(int year, int month, int day, int hour = 0);

}  // namespace reminder_test
