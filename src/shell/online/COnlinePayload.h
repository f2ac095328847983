#pragma once

#include <utility>

#include "shell/NavigationRecords.h"

// A value handed to the online screen that opens next (the bank's password rules, the accounts
// a bank reported, the set-up's working copy), owned by the navigation until that screen takes
// it.
namespace shell {

template <class T>
class COnlinePayload : public CNavigationPayload {
  public:
    explicit COnlinePayload(T value) : m_value(std::move(value)) {}
    T& Value() { return m_value; }
    const T& Value() const { return m_value; }

  private:
    T m_value;
};

}  // namespace shell
