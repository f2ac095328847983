#pragma once

#include <functional>
#include <map>
#include <memory>

// The screens the program has: a maker per view number. The program registers its views at
// start-up (the shell knows no view); navigation asks the catalogue whether a target exists and
// makes a fresh view object for it.
namespace shell {

class CCVView;

class CViewCatalog {
  public:
    using Factory = std::function<std::unique_ptr<CCVView>()>;

    // Registers (or replaces) the maker of a view number in 1-76; false outside that range.
    bool Register(int view, Factory factory);
    bool Has(int view) const;
    // A new view object, or null for a view the catalogue does not hold.
    std::unique_ptr<CCVView> Make(int view) const;
    void Clear() { m_factories.clear(); }
    // Forgets one view number (a build without that screen).
    void Remove(int view) { m_factories.erase(view); }

  private:
    std::map<int, Factory> m_factories;
};

}  // namespace shell
