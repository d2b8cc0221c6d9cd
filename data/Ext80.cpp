// The 10-byte extended encoding by arithmetic: frexp/ldexp on long double, the significand as a
// 64-bit integer. Exact for every value of the x87 80-bit type; on a platform whose long double
// is wider (quad) the significand is rounded to 64 bits, on one where it is narrower (double)
// every value still encodes exactly.
#include "data/Ext80.h"

#include <cmath>
#include <limits>

namespace ftb::data {
namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
// A denormal is significand * 2^kDenormalScale (exponent field 0, no integer bit).
constexpr int kDenormalScale = 1 - kBias - 63;  // -16445
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietNaN = kIntegerBit | (std::uint64_t{1} << 62);

void Put(Ext80Bytes& out, bool negative, int exponent, std::uint64_t significand) {
    for (int i = 0; i < 8; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(significand >> (8 * i));
    const unsigned se = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
    out[8] = static_cast<std::uint8_t>(se & 0xFF);
    out[9] = static_cast<std::uint8_t>(se >> 8);
}

// `s` is a non-negative whole number below 2^64 (on a type wider than 64 significand bits it may
// have a fraction; it is then rounded to nearest, and 2^64 after rounding is reported through
// `carry`). llrint converts in the current rounding mode without switching it, which makes it
// much cheaper than a truncating cast on x87; for a whole number the mode does not matter.
std::uint64_t ToU64(long double s, bool& carry) {
    carry = false;
    if (s >= 0x1p63L) {
        const long double low = s - 0x1p63L;  // exact
        const auto rounded = static_cast<std::uint64_t>(std::llrint(low));
        if (rounded >= kIntegerBit) {  // rounded up to 2^64
            carry = true;
            return kIntegerBit;
        }
        return rounded | kIntegerBit;
    }
    const auto rounded = static_cast<std::uint64_t>(std::llrint(s));
    return rounded;  // at most 2^63: the caller sees the integer bit
}

}  // namespace

Ext80Bytes EncodeExt80(long double value) {
    Ext80Bytes out{};
    const bool negative = std::signbit(value);
    const long double magnitude = std::fabs(value);
    if (!(magnitude <= std::numeric_limits<long double>::max())) {  // infinity or not a number
        Put(out, negative, kMaxExponent, magnitude != magnitude ? kQuietNaN : kIntegerBit);
        return out;
    }
    if (magnitude == 0.0L) {
        Put(out, negative, 0, 0);
        return out;
    }
    int e = 0;
    const long double m = std::frexp(magnitude, &e);  // magnitude = m * 2^e, 0.5 <= m < 1
    int biased = e - 1 + kBias;                       // magnitude = 2m * 2^(e-1)
    bool carry = false;
    std::uint64_t significand = 0;
    if (biased <= 0) {
        // Below the smallest normal: significand * 2^-16445, exponent field 0.
        significand = ToU64(std::ldexp(magnitude, -kDenormalScale), carry);
        biased = (carry || (significand & kIntegerBit) != 0) ? 1 : 0;
    } else {
        significand = ToU64(m * 0x1p64L, carry);  // exact: a power-of-two scaling
        if (carry) ++biased;
    }
    if (biased >= kMaxExponent) {  // only reachable when long double is wider than 80 bits
        Put(out, negative, kMaxExponent, kIntegerBit);
        return out;
    }
    Put(out, negative, biased, significand);
    return out;
}

long double DecodeExt80(const std::uint8_t* bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) significand = (significand << 8) | bytes[i];
    const unsigned se = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (se & 0x8000u) != 0;
    const int exponent = static_cast<int>(se & 0x7FFFu);
    long double magnitude;
    if (exponent == kMaxExponent) {
        // Fraction bits (below the integer bit) zero: infinity; anything else: not a number.
        magnitude = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                            : std::numeric_limits<long double>::quiet_NaN();
    } else if (exponent == 0) {
        magnitude = std::ldexp(static_cast<long double>(significand), kDenormalScale);
    } else {
        // Also reads an "unnormal" (integer bit clear) by its arithmetic value.
        magnitude = std::ldexp(static_cast<long double>(significand), exponent - kBias - 63);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace ftb::data
