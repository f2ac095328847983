#pragma once

// A data folder in a temporary folder and account lists made the way the program makes them:
// the institution list is a CFiList, the scheduled list a CScheduledList.
#include <memory>
#include <string>

#include "model/CCVAccountList.h"
#include "model/ListMakers.h"
#include "support/TempFolder.h"

namespace account_list_fixture {

ListMakers TestListMakers();

class DataFolder {
  public:
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + name; }
    // A new list loaded from the folder; `rc` receives the load's result.
    std::unique_ptr<CCVAccountList> Load(int* rc = nullptr) const;

  private:
    testing_support::TempFolder m_temp;
    std::string m_path = m_temp.Path() + "Brightmoor/Coinvale/";
};

}  // namespace account_list_fixture
