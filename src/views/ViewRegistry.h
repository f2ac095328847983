#pragma once

namespace shell {
class CViewCatalog;
}

// Every screen the program has, by view number.
namespace views {

void RegisterViews(shell::CViewCatalog& catalog);

}  // namespace views
