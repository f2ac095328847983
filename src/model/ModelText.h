#pragma once

#include <cstddef>
#include <string>

#include "resources/StringIds.h"
#include "storage/FixedText.h"

// Narrow text of the data model's records.

// A record's name field: 32 characters and a terminator.
constexpr std::size_t kNameFieldSize = 33;
using NameField = FixedText<kNameFieldSize>;

// A text of the string table as stored narrow (Windows-1252) text.
std::string LoadNarrowString(res::StringId id);

// The name as a name field would store it: at most 32 characters; null gives the empty text.
// Look-ups compare this form, so that a longer text finds the record made from it.
std::string StoredName(const char* name);

// True for a missing or empty text.
inline bool IsEmptyText(const char* text) {
    return text == nullptr || text[0] == '\0';
}
