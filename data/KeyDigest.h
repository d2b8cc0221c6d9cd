#pragma once
// The building blocks of the key digest that makes the file key (MakeFileKey in FileCipher.h):
// the Mix128 word mixer, the digest's starting table and the 128-bit mixing cipher. Every step is
// fixed bit for bit: a different key would make the host's files unreadable.
#include <array>
#include <cstdint>
#include <span>

namespace ftb::data {

// One pass of the mixer over four 32-bit words (all arithmetic modulo 2^32).
void Mix128(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c, std::uint32_t& d);

// The digest's starting value: the first 256 bytes of the fractional part of pi in hexadecimal
// (24 3F 6A 88 ...).
extern const std::array<std::uint8_t, 256> kPiDigest;

// The mixing cipher: 128-bit blocks of four little-endian words, 8 rounds, encryption only.
class MixingCipher {
public:
    explicit MixingCipher(std::span<const std::uint8_t, 16> key);

    // Enciphers one 16-byte block in place.
    void EncryptBlock(std::span<std::uint8_t, 16> block) const;

private:
    // Subkey r (r = 0..7) is the word pair (words_[2r], words_[2r + 1]).
    std::array<std::uint32_t, 16> words_{};
};

}  // namespace ftb::data
