#pragma once

#include <cstddef>
#include <cstdint>

// The byte-stream interface through which the online-banking library reads raw bytes handed to it
// by the program (an institution's profile text). The library calls the operations by their
// position, so the order of the virtual operations below is part of the contract:
//   destructor, Size, Seek, ReadBuffer, ReadByte, PeekByte, Tell, Write, WriteBuffer, Commit,
//   ExtraOperation, CopyString.
// Every operation answers false rather than reading or writing outside the stream's bytes.
class Stream {
  public:
    Stream() = default;
    virtual ~Stream();
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    // Number of valid bytes.
    virtual std::uint32_t Size() const = 0;

    // Moves the position to `offset`; past the end it stops at the end and answers false.
    virtual bool Seek(std::uint32_t offset) = 0;

    // Hands out every byte from the position to the end and moves the position to the end;
    // true when at least one byte was handed out.
    virtual bool ReadBuffer(const std::uint8_t*& data, std::uint32_t& count) = 0;

    // The byte at the position, moving past it; false at the end.
    virtual bool ReadByte(std::uint8_t& byte) = 0;

    // The byte at the position without moving; false at the end.
    virtual bool PeekByte(std::uint8_t& byte) const = 0;

    // The position: offset of the next byte to read or write.
    virtual std::uint32_t Tell() const = 0;

    // Copies `count` bytes in at the position; false, changing nothing, when there is no room.
    virtual bool Write(const void* source, std::uint32_t count) = 0;

    // Hands out the free room from the position on; the caller fills some of it and then calls
    // Commit with the number of bytes it filled.
    virtual bool WriteBuffer(std::uint8_t*& data, std::uint32_t& count) = 0;

    // Takes `count` bytes filled through WriteBuffer.
    virtual bool Commit(std::uint32_t count) = 0;

    // Reserved for the library; the program never calls it.
    virtual bool ExtraOperation() = 0;

    // Copies the zero-terminated source text into a destination of `size` bytes, cut to fit and
    // always terminated (nothing when size is 0; a null source copies the empty text). Returns
    // the destination.
    virtual char* CopyString(const char* source, char* destination, std::size_t size);
};
