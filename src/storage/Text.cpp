#include "storage/Text.h"

#include <cstring>

#include "platform/sys/Files.h"

namespace {

unsigned char FoldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

}  // namespace

void CopyBounded(char* destination, const char* source, std::size_t size) {
    if (destination == nullptr || size == 0) return;
    std::size_t i = 0;
    if (source != nullptr) {
        for (; i + 1 < size && source[i] != '\0'; ++i) destination[i] = source[i];
    }
    destination[i] = '\0';
    destination[size - 1] = '\0';
}

bool ContainsNoCase(const char* text, const char* part) {
    if (text == nullptr || part == nullptr) return false;
    const std::size_t textLength = std::strlen(text);
    const std::size_t partLength = std::strlen(part);
    if (partLength > textLength) return false;
    for (std::size_t start = 0; start + partLength <= textLength; ++start) {
        std::size_t i = 0;
        while (i < partLength && FoldCase(text[start + i]) == FoldCase(part[i])) ++i;
        if (i == partLength) return true;
    }
    return false;
}

int CompareNoCase(const char* a, const char* b) {
    if (a == nullptr) a = "";
    if (b == nullptr) b = "";
    for (;; ++a, ++b) {
        const unsigned char ca = FoldCase(*a);
        const unsigned char cb = FoldCase(*b);
        if (ca != cb || ca == '\0') return static_cast<int>(ca) - static_cast<int>(cb);
    }
}

void SetOwnedText(std::string& slot, const char* text) { slot = text != nullptr ? text : ""; }

bool FileExists(const std::string& path) { return sys::PathExists(path); }
