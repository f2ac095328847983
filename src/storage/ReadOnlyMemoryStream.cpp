#include "storage/ReadOnlyMemoryStream.h"

ReadOnlyMemoryStream::ReadOnlyMemoryStream(const void* data, std::uint32_t count) {
    if (data == nullptr) return;  // an empty stream
    // The block is never written through this pointer: every write operation is refused.
    m_buffer = static_cast<std::uint8_t*>(const_cast<void*>(data));
    m_length = count;
    m_capacity = count;
}

bool ReadOnlyMemoryStream::Write(const void* /*source*/, std::uint32_t /*count*/) {
    // A memory stream writes when the bytes fit before the end; these bytes are the caller's
    // and read-only, so no write is taken, also one that would fit.
    return false;
}

bool ReadOnlyMemoryStream::WriteBuffer(std::uint8_t*& data, std::uint32_t& count) {
    data = m_buffer + m_position;
    count = 0;
    return true;
}
