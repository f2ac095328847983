#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "storage/Text.h"

// A stored text field: N bytes of zero-filled narrow text whose last byte is always zero, so it
// holds at most N - 1 characters. A record's name is FixedText<33>.
template <std::size_t N>
struct FixedText {
    static_assert(N >= 1);
    char text[N] = {};

    // Copies at most N - 1 characters; null stores the empty text. The bytes after the text are
    // zeroed so stored fields carry no leftovers.
    void Set(const char* value) {
        std::memset(text, 0, N);
        CopyBounded(text, value, N);
    }
    void Set(std::string_view value) {
        std::memset(text, 0, N);
        std::memcpy(text, value.data(), value.size() < N ? value.size() : N - 1);
    }
    const char* c_str() const { return text; }
    bool empty() const { return text[0] == '\0'; }
};
