#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "resources/StringIds.h"

// A bank's rules for a new online password: the 6-byte record of its profile.
//   byte 0  minimum length
//   byte 1  maximum length
//   byte 2  characters: 0 letters only, 1 digits only, 3 letters and digits both required;
//           any other value imposes nothing
//   byte 3  not examined
//   byte 4  special characters allowed (0 = not allowed)
//   byte 5  spaces allowed (0 = not allowed)
// A character is a letter (A-Z, a-z), a digit (0-9), a space, or special (anything else).
class CPasswordCriteria {
  public:
    static constexpr std::size_t kSize = 6;
    using Bytes = std::array<std::uint8_t, kSize>;

    enum : std::uint8_t { kLettersOnly = 0, kDigitsOnly = 1, kLettersAndDigits = 3 };

    // Why a new password is refused: the message and its numbers (lengths); IDS_NONE when the
    // password may be sent.
    struct Refusal {
        res::StringId message = res::IDS_NONE;
        int first = 0;
        int second = 0;
        bool Refused() const { return message != res::IDS_NONE; }
    };

    // The checks of the new password, in order: new and confirmation equal (exactly), the
    // length, a character the bank would receive differently from what was typed (one outside
    // the data files' code page, Windows-1252), the character rule, special characters, spaces.
    static Refusal Check(const Bytes& criteria, std::wstring_view newPassword,
                         std::wstring_view confirmation);
};
