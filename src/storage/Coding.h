#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// The one place where stored numbers become bytes: every stored integer is little-endian
// (least significant byte first), every stored double an 8-byte IEEE-754 value in the same order.
namespace coding {

inline void EncodeFixed16(std::uint8_t* dst, std::uint16_t v) {
    dst[0] = static_cast<std::uint8_t>(v);
    dst[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void EncodeFixed32(std::uint8_t* dst, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) dst[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void EncodeFixed64(std::uint8_t* dst, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) dst[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::uint16_t DecodeFixed16(const std::uint8_t* src) {
    return static_cast<std::uint16_t>(src[0] | (src[1] << 8));
}

inline std::uint32_t DecodeFixed32(const std::uint8_t* src) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | src[i];
    return v;
}

inline std::uint64_t DecodeFixed64(const std::uint8_t* src) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | src[i];
    return v;
}

inline void EncodeDouble(std::uint8_t* dst, double v) {
    EncodeFixed64(dst, std::bit_cast<std::uint64_t>(v));
}

inline double DecodeDouble(const std::uint8_t* src) {
    return std::bit_cast<double>(DecodeFixed64(src));
}

}  // namespace coding
