#pragma once

#include <algorithm>
#include <array>
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

// The entries put in id order when compiled, so that a table can be written in blocks by area;
// IsSortedById on the result then checks that no id is used twice.
template <class Entry, std::size_t N>
constexpr std::array<Entry, N> SortById(const Entry (&entries)[N]) {
    std::array<Entry, N> sorted{};
    std::copy(std::begin(entries), std::end(entries), sorted.begin());
    std::sort(sorted.begin(), sorted.end(),
              [](const Entry& a, const Entry& b) { return a.id < b.id; });
    return sorted;
}

template <class Entry, std::size_t N>
constexpr bool IsSortedById(const std::array<Entry, N>& entries) {
    for (std::size_t i = 1; i < N; ++i) {
        if (!(entries[i - 1].id < entries[i].id)) return false;
    }
    return true;
}

// The entry with that id, or null.
template <class Range, class Id>
auto FindById(const Range& entries, Id id) -> decltype(&*std::begin(entries)) {
    const auto end = std::end(entries);
    const auto it = std::lower_bound(std::begin(entries), end, id,
                                     [](const auto& e, Id value) { return e.id < value; });
    return (it != end && it->id == id) ? &*it : nullptr;
}

}  // namespace res
