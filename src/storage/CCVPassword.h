#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "storage/CBlowfish.h"

// The lock password. The password itself is never stored: the registry keeps a 40-byte crib, a
// fixed block of text enciphered with the password as key, and a password is right when
// enciphering the same block with it gives the stored crib. A stored crib of 40 zero bytes (or
// none at all) means that no password is set.
//
// The object reaches the stored crib through the two functions it is given (the preferences'
// "Password Crib"), and holds the cipher keyed with the password once it has been entered or
// set, for the account files' protected bytes.
class CCVPassword {
  public:
    static constexpr std::size_t kCribSize = 40;
    using Crib = std::array<std::uint8_t, kCribSize>;

    // Reads the stored crib into a zero-filled buffer; false when it is missing or unreadable.
    using CribReader = std::function<bool(Crib& crib)>;
    // Stores the crib; 0 on success.
    using CribWriter = std::function<int(const Crib& crib)>;

    // PasswordState results, numbered as the model's status codes.
    static constexpr int kNoPassword = 9;
    static constexpr int kPasswordSet = 10;

    // CheckPassword and ChangePassword results.
    static constexpr int kRight = 0;
    static constexpr int kWrong = 1;
    static constexpr int kNotStored = 2;  // the new crib could not be written; nothing changed

    CCVPassword(CribReader reader, CribWriter writer);

    // The crib of a password: the crib text enciphered with the password's bytes as key. None for
    // the empty password, which cannot key the cipher.
    static std::optional<Crib> MakeCrib(std::string_view password);

    // The stored crib; 40 zero bytes when it is missing or cannot be read.
    Crib ReadCrib() const;
    int WriteCrib(const Crib& crib) const;

    // kPasswordSet when any byte of the stored crib is non-zero, else kNoPassword.
    int PasswordState() const;

    // kRight when the password's crib equals the stored one, and the cipher is then keyed with
    // it; kWrong otherwise (always for the empty password, and when no password is set).
    int CheckPassword(std::string_view password);

    // Sets a new password, or removes it when `newPassword` is empty (40 zero bytes are stored and
    // the cipher is emptied). When a password is set, `currentPassword` must be right, else
    // kWrong and nothing changes; with none set it is not looked at. kNotStored when the crib
    // could not be written.
    int ChangePassword(std::string_view newPassword, std::string_view currentPassword);

    // The cipher keyed with the password, or null when no password has been entered or set.
    const CBlowfish* Cipher() const { return m_cipher.get(); }

  private:
    static bool IsSet(const Crib& crib);

    CribReader m_reader;
    CribWriter m_writer;
    std::unique_ptr<CBlowfish> m_cipher;
};
