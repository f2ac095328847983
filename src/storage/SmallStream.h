#pragma once

#include <cstdint>

#include "storage/Stream.h"

// A stream over one block of memory. Invariant after every operation:
//   0 <= position <= length <= capacity
// The block belongs to the derived class (a read-only stream borrows it from its caller); how a
// writable stream grows its block is the derived class's Grow.
class SmallStream : public Stream {
  public:
    std::uint32_t Size() const override { return m_length; }
    bool Seek(std::uint32_t offset) override;
    bool ReadBuffer(const std::uint8_t*& data, std::uint32_t& count) override;
    bool ReadByte(std::uint8_t& byte) override;
    bool PeekByte(std::uint8_t& byte) const override;
    std::uint32_t Tell() const override { return m_position; }
    bool Write(const void* source, std::uint32_t count) override;
    bool WriteBuffer(std::uint8_t*& data, std::uint32_t& count) override;
    bool Commit(std::uint32_t count) override;

    // Makes room up to `requestedEnd` bytes for a write of `count` bytes; a requested end of 0
    // asks for the stream's own growth step. True when the block can now hold the write.
    virtual bool Grow(std::uint64_t requestedEnd, std::uint32_t count) = 0;

  protected:
    SmallStream() = default;

    std::uint8_t* m_buffer = nullptr;
    std::uint32_t m_length = 0;
    std::uint32_t m_capacity = 0;
    std::uint32_t m_position = 0;
};
