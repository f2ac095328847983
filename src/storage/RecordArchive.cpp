#include "storage/RecordArchive.h"

#include <cstring>

#include "platform/sys/AtomicFile.h"
#include "storage/Coding.h"

RecordArchive::RecordArchive(std::string fileName, int loading)
    : m_fileName(std::move(fileName)), m_loading(loading != 0) {}

RecordArchive::RecordArchive(std::vector<std::uint8_t>& sink) : m_loading(false), m_sink(&sink) {}

RecordArchive::~RecordArchive() = default;

int RecordArchive::Open() {
    if (m_loading) {
        m_position = 0;
        const int rc = m_file.Open(m_fileName);
        m_remaining = m_file.Size();
        return rc;
    }
    if (m_sink != nullptr) {
        m_sink->clear();
        return 0;
    }
    m_output = std::make_unique<sys::AtomicFile>();
    m_writeFailed = m_output->Open(m_fileName) != 0;
    return m_writeFailed ? 1 : 0;
}

int RecordArchive::ReadBytes(void* destination, std::size_t n) {
    if (n > m_remaining) return 1;
    if (n > 0) std::memcpy(destination, Take(n), n);
    return 0;
}

int RecordArchive::WriteBytes(const void* source, std::size_t n) {
    if (m_loading || source == nullptr) return 0;
    if (m_sink != nullptr) {
        const auto* bytes = static_cast<const std::uint8_t*>(source);
        m_sink->insert(m_sink->end(), bytes, bytes + n);
        return 0;
    }
    if (m_writeFailed || !m_output || m_output->Write(source, n) != 0) {
        m_writeFailed = true;
        return 1;
    }
    return 0;
}

int RecordArchive::Close() {
    int rc = 0;
    if (m_output) {
        rc = (!m_writeFailed && m_output->Commit() == 0) ? 0 : 1;
        m_output.reset();
    }
    m_file.Close();
    m_position = 0;
    m_remaining = 0;
    return rc;
}

int RecordArchive::TransferBytes(void* data, std::size_t n) {
    return m_loading ? ReadBytes(data, n) : WriteBytes(data, n);
}

namespace {

template <typename T, std::size_t N, typename Encode, typename Decode>
int TransferFixed(RecordArchive& ar, T& value, Encode encode, Decode decode) {
    std::uint8_t bytes[N];
    if (ar.IsLoading()) {
        if (ar.ReadBytes(bytes, N) != 0) return 1;
        value = static_cast<T>(decode(bytes));
        return 0;
    }
    encode(bytes, value);
    return ar.WriteBytes(bytes, N);
}

}  // namespace

int RecordArchive::Transfer(std::uint8_t& value) { return TransferBytes(&value, 1); }

int RecordArchive::Transfer(std::uint16_t& value) {
    return TransferFixed<std::uint16_t, 2>(*this, value, coding::EncodeFixed16,
                                           coding::DecodeFixed16);
}

int RecordArchive::Transfer(std::uint32_t& value) {
    return TransferFixed<std::uint32_t, 4>(*this, value, coding::EncodeFixed32,
                                           coding::DecodeFixed32);
}

int RecordArchive::Transfer(std::uint64_t& value) {
    return TransferFixed<std::uint64_t, 8>(*this, value, coding::EncodeFixed64,
                                           coding::DecodeFixed64);
}

int RecordArchive::Transfer(std::int64_t& value) {
    return TransferFixed<std::int64_t, 8>(
        *this, value,
        [](std::uint8_t* dst, std::int64_t v) {
            coding::EncodeFixed64(dst, static_cast<std::uint64_t>(v));
        },
        coding::DecodeFixed64);
}

int RecordArchive::Transfer(double& value) {
    return TransferFixed<double, 8>(*this, value, coding::EncodeDouble, coding::DecodeDouble);
}

int RecordArchive::Transfer(RecordKey& key) {
    return TransferBytes(key.bytes.data(), RecordKey::kSize);
}

bool RecordArchive::PeekFixed16(std::uint16_t& value) const {
    if (!m_loading || m_remaining < 2) return false;
    value = coding::DecodeFixed16(m_file.Data() + m_position);
    return true;
}

void RecordArchive::Seek(std::size_t position) {
    if (!m_loading || position > m_file.Size()) return;
    m_position = position;
    m_remaining = m_file.Size() - m_position;
}
