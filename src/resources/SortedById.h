#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

// The resource tables are arrays of entries with an `id`, sorted by it: checked when compiled,
// searched by bisection.
namespace res {

template <class Entry, std::size_t N>
constexpr bool IsSortedById(const Entry (&entries)[N]) {
    for (std::size_t i = 1; i < N; ++i) {
        if (!(entries[i - 1].id < entries[i].id)) return false;
    }
    return true;
}

// The entry with that id, or null.
template <class Entry, std::size_t N, class Id>
const Entry* FindById(const Entry (&entries)[N], Id id) {
    const Entry* end = std::end(entries);
    const Entry* it = std::lower_bound(std::begin(entries), end, id,
                                       [](const Entry& e, Id value) { return e.id < value; });
    return (it != end && it->id == id) ? it : nullptr;
}

}  // namespace res
