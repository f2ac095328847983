#pragma once

#include <string_view>

#include "resources/StringIds.h"

// The texts of the program's screens (ids from IDS_SCREEN_FIRST on); LoadString answers them too.
namespace res {

std::wstring_view LoadScreenString(StringId id);

}  // namespace res
