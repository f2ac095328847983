#include "storage/CCVPassword.h"

#include <algorithm>
#include <cstring>

namespace {

// The block every crib enciphers: 39 characters and a terminator. Changing it makes every stored
// crib fail.
constexpr char kCribText[] = "Coinvale password crib, fixed: 40 bytes";
static_assert(sizeof kCribText == CCVPassword::kCribSize);

}  // namespace

CCVPassword::CCVPassword(CribReader reader, CribWriter writer)
    : m_reader(std::move(reader)), m_writer(std::move(writer)) {}

std::optional<CCVPassword::Crib> CCVPassword::MakeCrib(std::string_view password) {
    const std::unique_ptr<CBlowfish> cipher = CBlowfish::Create(password);
    if (!cipher) return std::nullopt;
    Crib crib;
    std::memcpy(crib.data(), kCribText, kCribSize);
    cipher->EncipherBuffer(crib.data(), kCribSize);
    return crib;
}

CCVPassword::Crib CCVPassword::ReadCrib() const {
    Crib crib{};
    if (!m_reader(crib)) crib.fill(0);
    return crib;
}

int CCVPassword::WriteCrib(const Crib& crib) const {
    return m_writer(crib) == 0 ? 0 : 1;
}

bool CCVPassword::IsSet(const Crib& crib) {
    return std::any_of(crib.begin(), crib.end(), [](std::uint8_t b) { return b != 0; });
}

int CCVPassword::PasswordState() const {
    return IsSet(ReadCrib()) ? kPasswordSet : kNoPassword;
}

int CCVPassword::CheckPassword(std::string_view password) {
    const std::optional<Crib> crib = MakeCrib(password);
    if (!crib || *crib != ReadCrib()) return kWrong;
    m_cipher = CBlowfish::Create(password);
    return kRight;
}

int CCVPassword::ChangePassword(std::string_view newPassword, std::string_view currentPassword) {
    const Crib stored = ReadCrib();
    if (IsSet(stored) && MakeCrib(currentPassword) != stored) return kWrong;
    const std::optional<Crib> crib = MakeCrib(newPassword);
    if (WriteCrib(crib.value_or(Crib{})) != 0) return kNotStored;
    m_cipher = CBlowfish::Create(newPassword);  // null for the empty password
    return kRight;
}
