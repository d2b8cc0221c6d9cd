#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "data/Ext80.h"
#include "data/FieldStore.h"

namespace ftb::data {
namespace {

std::string Hex(const Ext80Bytes& bytes) {
    std::string out;
    char buffer[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02x ", b);
        out += buffer;
    }
    out.pop_back();
    return out;
}

Ext80Bytes FromHex(const char* hex) {
    Ext80Bytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        unsigned v = 0;
        std::sscanf(hex + 3 * i, "%2x", &v);
        bytes[i] = static_cast<std::uint8_t>(v);
    }
    return bytes;
}

// Bit-for-bit equality of two values through their encodings (NaN == NaN, -0 != +0).
bool SameBits(long double a, long double b) { return EncodeExt80(a) == EncodeExt80(b); }

TEST(Ext80, EncodesKnownValues) {
    struct Case {
        long double value;
        const char* bytes;
    } cases[] = {
        {kExplicitZero, "8e 75 71 1b 0d e0 2d 90 f5 3f"},
        {1.0L, "00 00 00 00 00 00 00 80 ff 3f"},
        {-1.0L, "00 00 00 00 00 00 00 80 ff bf"},
        {2.0L, "00 00 00 00 00 00 00 80 00 40"},
        {0.5L, "00 00 00 00 00 00 00 80 fe 3f"},
        {3.0L, "00 00 00 00 00 00 00 c0 00 40"},
        {1234.56L, "ec 51 b8 1e 85 eb 51 9a 09 40"},
        {-0.004L, "3b df 4f 8d 97 6e 12 83 f7 bf"},
        {0.0L, "00 00 00 00 00 00 00 00 00 00"},
        {-0.0L, "00 00 00 00 00 00 00 00 00 80"},
        {std::numeric_limits<long double>::infinity(), "00 00 00 00 00 00 00 80 ff 7f"},
        {-std::numeric_limits<long double>::infinity(), "00 00 00 00 00 00 00 80 ff ff"},
        {std::numeric_limits<long double>::quiet_NaN(), "00 00 00 00 00 00 00 c0 ff 7f"},
#if LDBL_MANT_DIG == 64
        {std::numeric_limits<long double>::max(), "ff ff ff ff ff ff ff ff fe 7f"},
        {std::numeric_limits<long double>::min(), "00 00 00 00 00 00 00 80 01 00"},
        {std::numeric_limits<long double>::denorm_min(), "01 00 00 00 00 00 00 00 00 00"},
        {-std::numeric_limits<long double>::denorm_min(), "01 00 00 00 00 00 00 00 00 80"},
        {std::numeric_limits<long double>::min() * 0.75L, "00 00 00 00 00 00 00 60 00 00"},
        {std::numeric_limits<long double>::min() - std::numeric_limits<long double>::denorm_min(),
         "ff ff ff ff ff ff ff 7f 00 00"},
#endif
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Hex(EncodeExt80(c.value)), c.bytes) << static_cast<double>(c.value);
        if (!std::isnan(c.value)) {
            EXPECT_TRUE(SameBits(DecodeExt80(FromHex(c.bytes)), c.value)) << c.bytes;
        }
    }
}

TEST(Ext80, DecodesKnownImages) {
    EXPECT_EQ(DecodeExt80(FromHex("8e 75 71 1b 0d e0 2d 90 f5 3f")), kExplicitZero);
    EXPECT_EQ(DecodeExt80(FromHex("00 00 00 00 00 00 00 80 ff 3f")), 1.0L);
    EXPECT_EQ(DecodeExt80(FromHex("00 00 00 00 00 00 00 a0 02 40")), 10.0L);
    const long double negativeZero = DecodeExt80(FromHex("00 00 00 00 00 00 00 00 00 80"));
    EXPECT_EQ(negativeZero, 0.0L);
    EXPECT_TRUE(std::signbit(negativeZero));
    EXPECT_TRUE(std::isinf(DecodeExt80(FromHex("00 00 00 00 00 00 00 80 ff 7f"))));
    EXPECT_TRUE(std::signbit(DecodeExt80(FromHex("00 00 00 00 00 00 00 80 ff ff"))));
    // Every other image with the maximum exponent is not a number (quiet, signalling, pseudo).
    for (const char* nan : {"00 00 00 00 00 00 00 c0 ff 7f", "01 00 00 00 00 00 00 80 ff 7f",
                            "00 00 00 00 00 00 00 40 ff ff", "ff ff ff ff ff ff ff ff ff 7f"})
        EXPECT_TRUE(std::isnan(DecodeExt80(FromHex(nan)))) << nan;
    // Infinity's image without the integer bit is read as infinity too (fraction zero).
    EXPECT_TRUE(std::isinf(DecodeExt80(FromHex("00 00 00 00 00 00 00 00 ff 7f"))));
    // A pseudo-denormal (exponent 0, integer bit set) has the value of the smallest normal.
    EXPECT_EQ(DecodeExt80(FromHex("00 00 00 00 00 00 00 80 00 00")), std::ldexp(1.0L, -16382));
    // An unnormal (exponent set, integer bit clear) is read by its arithmetic value: 0.5 * 2^1.
    EXPECT_EQ(DecodeExt80(FromHex("00 00 00 00 00 00 00 40 00 40")), 1.0L);
}

TEST(Ext80, NaNKeepsItsSign) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const Ext80Bytes positive = EncodeExt80(nan);
    const Ext80Bytes negative = EncodeExt80(-nan);
    EXPECT_EQ(positive[9] & 0x80, 0);
    EXPECT_EQ(negative[9] & 0x80, 0x80);
    EXPECT_TRUE(std::isnan(DecodeExt80(negative)));
    EXPECT_TRUE(std::signbit(DecodeExt80(negative)));
}

TEST(Ext80, RoundTripsExactly) {
    const long double values[] = {kExplicitZero,
                                  1234.56L,
                                  -0.004L,
                                  0.004L,
                                  0.005L,
                                  0.001L,
                                  1.0L / 3.0L,
                                  -2.0L / 3.0L,
                                  123456789012.34L,
                                  1e18L,
                                  -1e18L,
                                  9223372036854775807.0L,
                                  18446744073709551615.0L,
                                  1e300L,
                                  1e-300L,
                                  1e4000L,
                                  1e-4000L,
                                  1e4931L,
                                  1e-4940L /* denormal */,
                                  std::numeric_limits<long double>::max(),
                                  -std::numeric_limits<long double>::max(),
                                  std::numeric_limits<long double>::min(),
                                  std::numeric_limits<long double>::denorm_min(),
                                  std::numeric_limits<long double>::min() / 3.0L,
                                  std::numeric_limits<long double>::epsilon(),
                                  1.0L + std::numeric_limits<long double>::epsilon(),
                                  0.1L,
                                  -0.0L,
                                  0.0L,
                                  std::numeric_limits<long double>::infinity(),
                                  -std::numeric_limits<long double>::infinity(),
                                  2147483647.0L,
                                  -2147483648.0L,
                                  65535.0L,
                                  0.5L,
                                  99999999.5L};
    for (long double v : values)
        EXPECT_TRUE(SameBits(DecodeExt80(EncodeExt80(v)), v)) << static_cast<double>(v);
}

TEST(Ext80, RoundTripsManyRandomValues) {
    std::mt19937_64 random(20020630);
    std::uniform_int_distribution<int> exponent(-16470, 16383);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        long double m = static_cast<long double>(bits) / 0x1p64L;  // [0, 1)
        if (i & 1) m = -m;
        const long double v = std::ldexp(m, exponent(random));
        const long double back = DecodeExt80(EncodeExt80(v));
        ASSERT_TRUE(SameBits(back, v)) << i;
        ASSERT_EQ(back, v) << i;
    }
}

TEST(Ext80, CanonicalImagesSurviveDecodeThenEncode) {
    // Every canonical image (normal with integer bit, or exponent 0 without it) comes back as the
    // same 10 bytes.
    std::mt19937_64 random(1999);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t significand = random();
        unsigned se = static_cast<unsigned>(random() & 0xFFFF);
        const unsigned exponent = se & 0x7FFF;
        if (exponent == 0x7FFF) continue;
        if (exponent == 0)
            significand &= ~(std::uint64_t{1} << 63);
        else
            significand |= std::uint64_t{1} << 63;
        Ext80Bytes image{};
        for (int b = 0; b < 8; ++b)
            image[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(significand >> (8 * b));
        image[8] = static_cast<std::uint8_t>(se & 0xFF);
        image[9] = static_cast<std::uint8_t>(se >> 8);
        ASSERT_EQ(Hex(EncodeExt80(DecodeExt80(image))), Hex(image)) << i;
    }
}

#if LDBL_MANT_DIG == 64 && defined(__x86_64__)
// Test oracle only (the codec itself never looks at memory): on x86-64 the first 10 bytes of a
// long double are the extended image, so the arithmetic codec must agree with them.
TEST(Ext80, AgreesWithTheNativeX87Image) {
    std::mt19937_64 random(7803);
    std::uniform_int_distribution<int> exponent(-16450, 16380);
    for (int i = 0; i < 100000; ++i) {
        long double v = std::ldexp(static_cast<long double>(random()) / 0x1p64L, exponent(random));
        if (i % 3 == 0) v = -v;
        unsigned char native[sizeof(long double)] = {};
        std::memcpy(native, &v, sizeof v);
        const Ext80Bytes image = EncodeExt80(v);
        ASSERT_EQ(std::memcmp(native, image.data(), 10), 0) << i;
    }
}
#endif

}  // namespace
}  // namespace ftb::data
