#include "storage/SmallStream.h"

#include <cstring>

bool SmallStream::Seek(std::uint32_t offset) {
    if (offset > m_length) {
        m_position = m_length;
        return false;
    }
    m_position = offset;
    return true;
}

bool SmallStream::ReadBuffer(const std::uint8_t*& data, std::uint32_t& count) {
    data = m_buffer + m_position;
    count = m_length - m_position;
    m_position = m_length;
    return count > 0;
}

bool SmallStream::ReadByte(std::uint8_t& byte) {
    if (!PeekByte(byte)) return false;
    ++m_position;
    return true;
}

bool SmallStream::PeekByte(std::uint8_t& byte) const {
    if (m_position >= m_length) return false;
    byte = m_buffer[m_position];
    return true;
}

bool SmallStream::Write(const void* source, std::uint32_t count) {
    // The end is computed in 64 bits so that a huge count cannot wrap around past the check.
    const std::uint64_t end = std::uint64_t{m_position} + count;
    if (end >= m_capacity && !Grow(end, count)) return false;
    if (end > m_capacity) return false;  // a Grow that answered true without making room
    if (count > 0) std::memmove(m_buffer + m_position, source, count);
    m_position = static_cast<std::uint32_t>(end);
    if (m_position > m_length) m_length = m_position;
    return true;
}

bool SmallStream::WriteBuffer(std::uint8_t*& data, std::uint32_t& count) {
    if (m_position == m_capacity) Grow(0, 0);
    data = m_buffer + m_position;
    count = m_capacity - m_position;
    return true;
}

bool SmallStream::Commit(std::uint32_t count) {
    // Only bytes that WriteBuffer handed out can be taken: a larger count would move the length
    // past the block and let later reads run outside it.
    if (count > m_capacity - m_position) return false;
    m_position += count;
    if (m_position > m_length) m_length = m_position;
    return true;
}
