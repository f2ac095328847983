#pragma once

#include <cstddef>
#include <cstdint>

#include "storage/Coding.h"
#include "storage/RecordKey.h"

// Decodes fields one after another from a block of bytes its caller has checked is long enough
// (RecordArchive::Take hands out such blocks), little-endian as coding:: stores them.
//
//   ByteReader in(ar.Take(kFixedSize));
//   id = in.Key();
//   date = in.Fixed32();
class ByteReader {
  public:
    explicit ByteReader(const std::uint8_t* bytes) : m_next(bytes) {}

    std::uint8_t Byte() { return *m_next++; }
    std::uint32_t Fixed32() { return Advance(coding::DecodeFixed32(m_next), 4); }
    std::uint64_t Fixed64() { return Advance(coding::DecodeFixed64(m_next), 8); }
    std::int64_t Signed64() { return static_cast<std::int64_t>(Fixed64()); }
    RecordKey Key() { return Advance(DecodeRecordKey(m_next), RecordKey::kSize); }

  private:
    template <typename T>
    T Advance(T value, std::size_t size) {
        m_next += size;
        return value;
    }

    const std::uint8_t* m_next;
};
