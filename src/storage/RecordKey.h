#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <cstring>

// Identifier of a stored record, 8 bytes: a value drawn once per run (bytes 0-1), a counter
// (bytes 2-3) and the tick count at generation (bytes 4-7), each little-endian. All zero means
// none. Keys compare as byte blocks.
struct RecordKey {
    static constexpr std::size_t kSize = 8;

    std::array<std::uint8_t, kSize> bytes{};

    bool IsNull() const;
    bool operator==(const RecordKey&) const = default;
    std::strong_ordering operator<=>(const RecordKey&) const = default;
};

// The key stored in the kSize bytes at `src`.
inline RecordKey DecodeRecordKey(const std::uint8_t* src) {
    RecordKey key;
    std::memcpy(key.bytes.data(), src, RecordKey::kSize);
    return key;
}

// A new key, unique within this run and very likely across runs.
RecordKey NewRecordKey();
