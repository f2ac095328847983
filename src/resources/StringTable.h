#pragma once

#include <string_view>

#include "resources/StringIds.h"

// The string table: every text a user sees, by id. Texts are Unicode; stored narrow text is made
// from them with the code-page conversion at the boundary (sys::WideToAnsi).
namespace res {

// The text of an id, or the empty text for an id the table does not hold.
std::wstring_view LoadString(StringId id);

}  // namespace res
