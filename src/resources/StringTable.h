#pragma once

#include <string_view>

#include "resources/StringIds.h"

// The string table: every text a user sees, by id. Texts are Unicode; stored narrow text is made
// from them with the code-page conversion at the boundary (sys::WideToAnsi).
namespace res {

// The text of an id, or the empty text for an id the table does not hold.
std::wstring_view LoadString(StringId id);

// The id of entry `index` of a list whose names have consecutive ids from `first` (the periods of
// a report, the register's filters, ...); IDS_NONE outside 0 to count - 1.
constexpr StringId NthStringId(StringId first, int index, int count) {
    return index >= 0 && index < count ? static_cast<StringId>(first + index) : IDS_NONE;
}

}  // namespace res
