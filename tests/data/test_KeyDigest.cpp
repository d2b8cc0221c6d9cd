#include "data/KeyDigest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <string>

#include "data/FileCipher.h"

namespace ftb::data {
namespace {

// 16^exponent mod modulus, exactly.
std::uint64_t PowerOf16Mod(std::uint64_t exponent, std::uint64_t modulus) {
    std::uint64_t result = 1 % modulus, base = 16 % modulus;
    for (; exponent > 0; exponent >>= 1) {
        if (exponent & 1) result = result * base % modulus;
        base = base * base % modulus;
    }
    return result;
}

// frac(16^n * sum over k of 1 / (16^k (8k + j))), the digit-extraction series for pi.
long double SeriesFraction(std::uint64_t n, std::uint64_t j) {
    long double sum = 0;
    for (std::uint64_t k = 0; k <= n; ++k) {
        const std::uint64_t m = 8 * k + j;
        sum += static_cast<long double>(PowerOf16Mod(n - k, m)) / m;
        sum -= std::floor(sum);
    }
    for (std::uint64_t k = n + 1; k <= n + 20; ++k)
        sum += std::pow(16.0L, static_cast<long double>(n) - k) / (8 * k + j);
    return sum - std::floor(sum);
}

// The hex digit of pi at position n after the point.
unsigned PiHexDigit(std::uint64_t n) {
    long double x = 4 * SeriesFraction(n, 1) - 2 * SeriesFraction(n, 4) - SeriesFraction(n, 5) -
                    SeriesFraction(n, 6);
    x -= std::floor(x);
    return static_cast<unsigned>(16 * x);
}

TEST(KeyDigest, StartsFromTheHexDigitsOfPi) {
    for (std::size_t i = 0; i < kPiDigest.size(); ++i) {
        const unsigned expected = PiHexDigit(2 * i) << 4 | PiHexDigit(2 * i + 1);
        ASSERT_EQ(kPiDigest[i], expected) << "byte " << i;
    }
}

TEST(KeyDigest, Mix128MatchesAPassWorkedByHand) {
    std::uint32_t a = 1, b = 0, c = 0, d = 0;
    Mix128(a, b, c, d);
    // 1: a = 1, d = 1.  2: b = 0x2001, a = 2.  3: c = 0x2001, b = 0x4002.
    // 4: d = 0x2002 ^ 0x400400 = 0x402402, c = 0x4003.
    // 5: a = 0x402404 ^ 0x80480 = 0x482084, d = 0x804806.
    // 6: b = 0x486086 ^ 0x24304300 = 0x24782386, a = 0x90810A.
    // 7: c = 0x24786389 ^ (d >> 15 = 0x100) = 0x24786289, b = 0x48F0870F.
    // 8: d = 0x24F8AA8F ^ 0xC5547800 = 0xE1ACD28F, c = 0x49710D18.
    EXPECT_EQ(a, 0x0090810Au);
    EXPECT_EQ(b, 0x48F0870Fu);
    EXPECT_EQ(c, 0x49710D18u);
    EXPECT_EQ(d, 0xE1ACD28Fu);
}

std::string Hex(const FileKey& key) {
    std::string text;
    char pair[3];
    for (std::uint8_t byte : key) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        text += pair;
    }
    return text;
}

std::string Digits(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char>('0' + i % 10);
    return text;
}

// Keys that files already on disk depend on. They were computed once and agree with a separate
// implementation written independently from the same rules.
TEST(KeyDigest, KeysOfKnownTextsStayTheSame) {
    struct Case {
        std::string text;
        const char* key;
    } cases[] = {
        {"", "0BD132AA831C56AC1F92E61084A342D2"},
        {"123", "8BE043B89B17FADBED7E90416728FD22"},
        {"0123", "2F4145F171F86B34E41D73EFC6BE5CA2"},   // a leading zero counts
        {"1234567", "24FC3CDB60455598E1015696707CC139"},  // finishing adds one byte
        {"12345678", "B71BCCFC7A8C64AAE7E3B7C6716AD7D6"},  // finishing adds eight bytes
        {Digits(300), "4AC0B58C13A556EA0F3ECE69A0C73EFA"},  // the digest index wraps
    };
    std::set<std::string> distinct;
    for (const auto& c : cases) {
        EXPECT_EQ(Hex(MakeFileKey(c.text)), c.key) << '"' << c.text << '"';
        distinct.insert(Hex(MakeFileKey(c.text)));
    }
    EXPECT_EQ(distinct.size(), std::size(cases));
}

TEST(KeyDigest, MixingCipherOfAZeroBlockUnderAZeroKey) {
    const std::array<std::uint8_t, 16> key{};
    std::array<std::uint8_t, 16> block{};
    MixingCipher(key).EncryptBlock(block);
    const std::array<std::uint8_t, 16> expected = {0x53, 0x56, 0x82, 0xDC, 0xA9, 0x9B, 0x48, 0xD4,
                                                   0x1B, 0x9C, 0x7D, 0x19, 0xD0, 0xD2, 0xB3, 0x83};
    EXPECT_EQ(block, expected);
}

}  // namespace
}  // namespace ftb::data
