#include "data/KeyDigest.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <utility>

#include "data/FileCipher.h"

namespace ftb::data {
namespace {

std::uint32_t LoadWord(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void StoreWord(std::uint32_t word, std::uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(word >> (8 * i));
}

// The state of one key digest: the digest bytes being built and the key words K0..K3, whose
// bytes 0..7 take the input bytes in turn and are mixed after every eighth byte.
class KeyDigest {
public:
    void Update(std::uint8_t byte) {
        digest_[digestIndex_] ^= byte;
        digestIndex_ = (digestIndex_ + 1) % digest_.size();
        key_[keyIndex_ / 4] ^= static_cast<std::uint32_t>(byte) << (8 * (keyIndex_ % 4));
        if (++keyIndex_ == 8) {
            std::uint32_t a = key_[3], b = key_[2], c = key_[1], d = key_[0];
            for (int pass = 0; pass < 4; ++pass) Mix128(a, b, c, d);
            key_ = {a, b, c, d};
            keyIndex_ = 0;
        }
    }

    FileKey Finish() {
        // The bytes 1, 0, 0, ... up to the next multiple of eight: always at least the 1.
        Update(1);
        while (keyIndex_ != 0) Update(0);

        std::array<std::uint8_t, 16> keyBytes{};
        for (std::size_t i = 0; i < key_.size(); ++i) StoreWord(key_[i], &keyBytes[4 * i]);
        const MixingCipher cipher(keyBytes);
        for (std::size_t offset = 0; offset < digest_.size(); offset += 16)
            cipher.EncryptBlock(std::span<std::uint8_t, 16>(&digest_[offset], 16));

        FileKey result{};
        std::copy_n(digest_.begin(), result.size(), result.begin());
        return result;
    }

private:
    std::array<std::uint8_t, 256> digest_ = kPiDigest;
    std::size_t digestIndex_ = 0;
    std::array<std::uint32_t, 4> key_ = {0x55555555, 0x55555555, 0x55555555, 0x55555555};
    std::size_t keyIndex_ = 0;
};

}  // namespace

// clang-format off
void Mix128(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c, std::uint32_t& d) {
    a += d; d += a; a ^= a >> 7;
    b += a; a += b; b ^= b << 13;
    c += b; b += c; c ^= c >> 17;
    d += c; c += d; d ^= d << 9;
    a += d; d += a; a ^= a >> 3;
    b += a; a += b; b ^= b << 7;
    c += b; b += c; c ^= d >> 15;  // d, not c: existing keys depend on it
    d += c; c += d; d ^= d << 11;
}
// clang-format on

const std::array<std::uint8_t, 256> kPiDigest = {
    0x24, 0x3F, 0x6A, 0x88, 0x85, 0xA3, 0x08, 0xD3, 0x13, 0x19, 0x8A, 0x2E, 0x03, 0x70, 0x73, 0x44,
    0xA4, 0x09, 0x38, 0x22, 0x29, 0x9F, 0x31, 0xD0, 0x08, 0x2E, 0xFA, 0x98, 0xEC, 0x4E, 0x6C, 0x89,
    0x45, 0x28, 0x21, 0xE6, 0x38, 0xD0, 0x13, 0x77, 0xBE, 0x54, 0x66, 0xCF, 0x34, 0xE9, 0x0C, 0x6C,
    0xC0, 0xAC, 0x29, 0xB7, 0xC9, 0x7C, 0x50, 0xDD, 0x3F, 0x84, 0xD5, 0xB5, 0xB5, 0x47, 0x09, 0x17,
    0x92, 0x16, 0xD5, 0xD9, 0x89, 0x79, 0xFB, 0x1B, 0xD1, 0x31, 0x0B, 0xA6, 0x98, 0xDF, 0xB5, 0xAC,
    0x2F, 0xFD, 0x72, 0xDB, 0xD0, 0x1A, 0xDF, 0xB7, 0xB8, 0xE1, 0xAF, 0xED, 0x6A, 0x26, 0x7E, 0x96,
    0xBA, 0x7C, 0x90, 0x45, 0xF1, 0x2C, 0x7F, 0x99, 0x24, 0xA1, 0x99, 0x47, 0xB3, 0x91, 0x6C, 0xF7,
    0x08, 0x01, 0xF2, 0xE2, 0x85, 0x8E, 0xFC, 0x16, 0x63, 0x69, 0x20, 0xD8, 0x71, 0x57, 0x4E, 0x69,
    0xA4, 0x58, 0xFE, 0xA3, 0xF4, 0x93, 0x3D, 0x7E, 0x0D, 0x95, 0x74, 0x8F, 0x72, 0x8E, 0xB6, 0x58,
    0x71, 0x8B, 0xCD, 0x58, 0x82, 0x15, 0x4A, 0xEE, 0x7B, 0x54, 0xA4, 0x1D, 0xC2, 0x5A, 0x59, 0xB5,
    0x9C, 0x30, 0xD5, 0x39, 0x2A, 0xF2, 0x60, 0x13, 0xC5, 0xD1, 0xB0, 0x23, 0x28, 0x60, 0x85, 0xF0,
    0xCA, 0x41, 0x79, 0x18, 0xB8, 0xDB, 0x38, 0xEF, 0x8E, 0x79, 0xDC, 0xB0, 0x60, 0x3A, 0x18, 0x0E,
    0x6C, 0x9E, 0x0E, 0x8B, 0xB0, 0x1E, 0x8A, 0x3E, 0xD7, 0x15, 0x77, 0xC1, 0xBD, 0x31, 0x4B, 0x27,
    0x78, 0xAF, 0x2F, 0xDA, 0x55, 0x60, 0x5C, 0x60, 0xE6, 0x55, 0x25, 0xF3, 0xAA, 0x55, 0xAB, 0x94,
    0x57, 0x48, 0x98, 0x62, 0x63, 0xE8, 0x14, 0x40, 0x55, 0xCA, 0x39, 0x6A, 0x2A, 0xAB, 0x10, 0xB6,
    0xB4, 0xCC, 0x5C, 0x34, 0x11, 0x41, 0xE8, 0xCE, 0xA1, 0x54, 0x86, 0xAF, 0x7C, 0x72, 0xE9, 0x93,
};

MixingCipher::MixingCipher(std::span<const std::uint8_t, 16> key) {
    const std::uint32_t k0 = LoadWord(&key[0]), k1 = LoadWord(&key[4]), k2 = LoadWord(&key[8]),
                        k3 = LoadWord(&key[12]);
    // The schedule defines four groups of eight words (seeds 55.., AA.., 33.., CC..), each
    // restarting from the key; the eight rounds use subkeys 0..7, the words of the first two.
    constexpr std::uint32_t kSeeds[] = {0x55555555, 0xAAAAAAAA};
    for (std::size_t group = 0; group < 2; ++group) {
        const std::uint32_t s = kSeeds[group];
        std::uint32_t a = k0, b = s, c = k1, d = s, e = k2, f = s, g = k3, h = s;
        // clang-format off
        for (int step = 0; step < 8; ++step) {
            a ^= b << 11; d += a; b += c;
            b ^= c >> 2;  e += b; c += d;
            c ^= d << 8;  f += c; d += e;
            d ^= e >> 16; g += d; e += f;
            e ^= f << 10; h += e; f += g;
            f ^= g >> 4;  a += f; g += h;
            g ^= h << 8;  b += g; h += a;
            h ^= a >> 9;  c += h; a += b;
        }
        // clang-format on
        const std::uint32_t groupWords[] = {a, b, c, d, e, f, g, h};
        std::copy(std::begin(groupWords), std::end(groupWords), &words_[8 * group]);
    }
}

void MixingCipher::EncryptBlock(std::span<std::uint8_t, 16> block) const {
    std::uint32_t x0 = LoadWord(&block[0]), x1 = LoadWord(&block[4]), x2 = LoadWord(&block[8]),
                  x3 = LoadWord(&block[12]);
    for (std::size_t round = 0; round < 8; ++round) {
        std::uint32_t a = x0, b = words_[2 * round], c = x1, d = words_[2 * round + 1];
        Mix128(a, b, c, d);
        std::swap(a, c);
        std::swap(b, d);
        Mix128(a, b, c, d);
        const std::uint32_t t0 = b ^ a ^ x2;
        const std::uint32_t t1 = d ^ c ^ x3;
        x2 = x0;
        x3 = x1;
        x0 = t0;
        x1 = t1;
    }
    // The halves leave swapped.
    StoreWord(x2, &block[0]);
    StoreWord(x3, &block[4]);
    StoreWord(x0, &block[8]);
    StoreWord(x1, &block[12]);
}

FileKey MakeFileKey(std::string_view keyText) {
    KeyDigest digest;
    for (char c : keyText) digest.Update(static_cast<std::uint8_t>(c));
    return digest.Finish();
}

}  // namespace ftb::data
