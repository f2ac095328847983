#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// Blowfish as published by its author: 64-bit blocks, 16 rounds, an 18-word P-array and four
// 256-word S-boxes that start as the hexadecimal digits of pi and are then mixed with the key.
//
// Byte order: an 8-byte block is two 32-bit words, each with its first byte most significant,
// and the enciphered words are written back the same way. The buffer operations work in
// electronic-codebook mode, in place, over the whole 8-byte blocks from the start; a trailing
// part shorter than a block is left as it is.
class CBlowfish {
  public:
    static constexpr std::size_t kBlockSize = 8;
    static constexpr std::size_t kRounds = 16;
    static constexpr std::size_t kPWords = kRounds + 2;
    static constexpr std::size_t kBoxes = 4;
    static constexpr std::size_t kBoxWords = 256;

    // A context keyed with the bytes of `key`, taken cyclically. None for the empty key, which
    // the key schedule cannot use.
    static std::unique_ptr<CBlowfish> Create(std::string_view key);

    void Encipher(std::uint32_t& left, std::uint32_t& right) const;
    void Decipher(std::uint32_t& left, std::uint32_t& right) const;

    // In place over the whole blocks of the first `length` bytes.
    void EncipherBuffer(std::uint8_t* data, std::uint16_t length) const;
    void DecipherBuffer(std::uint8_t* data, std::uint16_t length) const;

  private:
    explicit CBlowfish(std::string_view key);
    std::uint32_t Mix(std::uint32_t half) const;

    std::array<std::uint32_t, kPWords> m_p;
    std::array<std::uint32_t, kBoxes * kBoxWords> m_s;  // the four S-boxes one after the other
};
