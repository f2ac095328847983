#include "model/CCVAccountRecord.h"

#include <cstring>

#include "storage/Coding.h"
#include "storage/RecordArchive.h"

int CCVAccountRecord::Serialize(RecordArchive& ar) {
    return ar.TransferBytes(m_bytes.data(), kSize);
}

RecordKey CCVAccountRecord::GetAccountId() const {
    RecordKey key;
    std::memcpy(key.bytes.data(), m_bytes.data() + kAccountIdAt, RecordKey::kSize);
    return key;
}

void CCVAccountRecord::SetAccountId(const RecordKey& key) {
    std::memcpy(m_bytes.data() + kAccountIdAt, key.bytes.data(), RecordKey::kSize);
}

std::uint16_t CCVAccountRecord::GetIcon() const {
    return coding::DecodeFixed16(m_bytes.data() + kIconAt);
}

void CCVAccountRecord::SetIcon(std::uint16_t icon) {
    coding::EncodeFixed16(m_bytes.data() + kIconAt, icon);
    MarkChange(kChangeIcon);
}

void CCVAccountRecord::MarkChange(int bit) {
    if (bit == kNoChangeBit) return;
    Set32(kChangeBitsAt, GetChangeBits() | (std::uint32_t{1} << bit));
}

std::uint32_t CCVAccountRecord::Get32(std::size_t at) const {
    return coding::DecodeFixed32(m_bytes.data() + at);
}

void CCVAccountRecord::Set32(std::size_t at, std::uint32_t value, int bit) {
    coding::EncodeFixed32(m_bytes.data() + at, value);
    MarkChange(bit);
}

Amount CCVAccountRecord::GetAmount(std::size_t at) const {
    return static_cast<Amount>(coding::DecodeFixed64(m_bytes.data() + at));
}

void CCVAccountRecord::SetAmount(std::size_t at, Amount value, int bit) {
    coding::EncodeFixed64(m_bytes.data() + at, static_cast<std::uint64_t>(value));
    MarkChange(bit);
}

void CCVAccountRecord::Set8(std::size_t at, std::uint8_t value, int bit) {
    m_bytes[at] = value;
    MarkChange(bit);
}

std::string CCVAccountRecord::GetText(std::size_t at, std::size_t size) const {
    const auto* field = reinterpret_cast<const char*>(m_bytes.data() + at);
    return std::string(field, ::strnlen(field, size - 1));
}

void CCVAccountRecord::SetText(std::size_t at, std::size_t size, const char* text, int bit) {
    std::memset(m_bytes.data() + at, 0, size);
    if (text != nullptr) std::memcpy(m_bytes.data() + at, text, ::strnlen(text, size - 1));
    MarkChange(bit);
}
