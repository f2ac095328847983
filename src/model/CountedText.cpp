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

// Takes a length byte and its bytes in place; `kept` receives how many of them the field keeps
// (at most `capacity`, up to a zero). Null when fewer bytes remain than the length asks for.
const char* TakeCounted(RecordArchive& ar, std::size_t capacity, std::size_t& kept) {
    const std::uint8_t* length = ar.Take(1);
    if (length == nullptr) return nullptr;
    kept = 0;
    if (*length == 0) return "";
    const auto* bytes = reinterpret_cast<const char*>(ar.Take(*length));
    if (bytes != nullptr) kept = ::strnlen(bytes, std::min<std::size_t>(*length, capacity));
    return bytes;
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
    std::size_t kept = 0;
    const char* bytes = TakeCounted(ar, capacity, kept);
    if (bytes == nullptr) return 1;
    std::memset(field, 0, capacity + 1);
    std::memcpy(field, bytes, kept);
    return 0;
}

int TransferCountedText(RecordArchive& ar, std::string& text, std::size_t capacity) {
    capacity = std::min(capacity, kMaxCountedLength);
    if (!ar.IsLoading()) {
        return WriteCounted(ar, text.c_str(), ::strnlen(text.c_str(), capacity));
    }
    std::size_t kept = 0;
    const char* bytes = TakeCounted(ar, capacity, kept);
    if (bytes == nullptr) return 1;
    text.assign(bytes, kept);
    return 0;
}
