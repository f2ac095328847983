#pragma once

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace testing_support {

// A throw-away registry and documents folder for one test.
class PreferencesHome {
  public:
    const TempFolder& Folder() const { return m_temp; }
    std::string Documents() const { return m_temp.Path() + "Documents/"; }

  private:
    TempFolder m_temp;
    ScopedEnvironment m_home{"COINVALE_HOME", m_temp.Path()};
    ScopedEnvironment m_documents{"XDG_DOCUMENTS_DIR", m_temp.Path() + "Documents/"};
};

}  // namespace testing_support
