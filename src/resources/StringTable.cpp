#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace res {
namespace {

struct Entry {
    StringId id;
    std::wstring_view text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {IDS_APP_NAME, L"Coinvale"},
};

constexpr bool IsSorted() {
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id) return false;
    }
    return true;
}
static_assert(IsSorted(), "the string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadString(StringId id) {
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const Entry& e, StringId value) { return e.id < value; });
    return (it != end && it->id == id) ? it->text : std::wstring_view{};
}

}  // namespace res
