#include "model/CountedText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "storage/RecordArchive.h"

namespace {

int WriteCounted(RecordArchive& ar, const char* text, std::size_t length) {
    auto n = static_cast<std::uint8_t>(length);
    if (const int rc = ar.Transfer(n); rc != 0) return rc;
    return ar.WriteBytes(text, n);
}

// Reads a length byte and its bytes; `text` receives at most `capacity` of them, up to a zero.
int ReadCounted(RecordArchive& ar, std::size_t capacity, std::string& text) {
    std::uint8_t n = 0;
    char bytes[kMaxCountedLength] = {};
    if (ar.Transfer(n) != 0 || ar.ReadBytes(bytes, n) != 0) return 1;
    const std::size_t kept = std::min<std::size_t>(n, capacity);
    text.assign(bytes, ::strnlen(bytes, kept));
    return 0;
}

}  // namespace

void SetBoundedText(std::string& text, const char* value, std::size_t capacity) {
    if (value == nullptr) {
        text.clear();
        return;
    }
    text.assign(value, ::strnlen(value, capacity));
}

int TransferCountedText(RecordArchive& ar, char* field, std::size_t capacity) {
    capacity = std::min(capacity, kMaxCountedLength);
    if (!ar.IsLoading()) return WriteCounted(ar, field, ::strnlen(field, capacity));
    std::string text;
    if (ReadCounted(ar, capacity, text) != 0) return 1;
    std::memset(field, 0, capacity + 1);
    std::memcpy(field, text.data(), text.size());
    return 0;
}

int TransferCountedText(RecordArchive& ar, std::string& text, std::size_t capacity) {
    capacity = std::min(capacity, kMaxCountedLength);
    if (!ar.IsLoading()) {
        return WriteCounted(ar, text.c_str(), ::strnlen(text.c_str(), capacity));
    }
    return ReadCounted(ar, capacity, text);
}
