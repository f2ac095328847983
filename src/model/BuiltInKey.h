#pragma once

#include <cstdint>

#include "storage/RecordKey.h"

// The fixed key of a built-in record: bytes 0-5 zero, bytes 6-7 the number, most significant
// byte first. For a transaction type byte 6 is its flag byte, so 0xC001 is "Check #".
inline RecordKey BuiltInKey(std::uint16_t number) {
    RecordKey key;
    key.bytes[6] = static_cast<std::uint8_t>(number >> 8);
    key.bytes[7] = static_cast<std::uint8_t>(number);
    return key;
}
