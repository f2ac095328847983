#pragma once

#include <cstdint>

#include "storage/SmallStream.h"

// A stream that reads a block of bytes its caller owns and keeps alive for the stream's
// lifetime; the bytes are neither copied nor freed. Length and capacity are both the block's
// size. Nothing is ever written into the caller's bytes: Write fails, WriteBuffer hands out no
// room and Commit takes nothing.
//
//   ReadOnlyMemoryStream stream(profile.data(), static_cast<std::uint32_t>(profile.size()));
//   client.GetPasswordCriteria(stream, handler);
class ReadOnlyMemoryStream : public SmallStream {
  public:
    ReadOnlyMemoryStream(const void* data, std::uint32_t count);

    bool Write(const void* source, std::uint32_t count) override;
    bool WriteBuffer(std::uint8_t*& data, std::uint32_t& count) override;
    bool Commit(std::uint32_t count) override { return count == 0; }
    bool ExtraOperation() override { return false; }
    bool Grow(std::uint64_t /*requestedEnd*/, std::uint32_t /*count*/) override { return false; }
};
