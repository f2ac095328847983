#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

// Sets (or, with no value, unsets) an environment variable for the guard's lifetime, then puts
// back what was there. Tests use it to point the program's folders (COINVALE_HOME,
// XDG_DOCUMENTS_DIR) at temporary folders; set it before starting threads.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_previous = old;
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(m_previous); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }

    std::string m_name;
    std::optional<std::string> m_previous;
};

}  // namespace testing_support
