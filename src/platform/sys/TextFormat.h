#pragma once

#include <cstdio>
#include <string>

namespace sys {

// A printf format filled with its arguments (C strings and numbers), into a string of whatever
// length it takes. The format itself when it cannot be filled.
template <typename... Args>
std::string FormatText(const std::string& format, Args... args) {
    if constexpr (sizeof...(Args) == 0) {
        return format;
    } else {
        const int size = std::snprintf(nullptr, 0, format.c_str(), args...);
        if (size <= 0) return format;
        std::string text(static_cast<std::size_t>(size) + 1, '\0');
        std::snprintf(text.data(), text.size(), format.c_str(), args...);
        text.resize(static_cast<std::size_t>(size));
        return text;
    }
}

}  // namespace sys
