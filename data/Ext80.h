#pragma once
// The 10-byte extended floating-point encoding of amounts in slots and files: a 64-bit significand
// with an explicit integer bit, then a 15-bit exponent biased by 16383 and the sign bit, little-
// endian. Encoded and decoded by arithmetic, never by copying the memory of a long double.
#include <array>
#include <cstdint>

namespace ftb::data {

using Ext80Bytes = std::array<std::uint8_t, 10>;

Ext80Bytes EncodeExt80(long double value);
long double DecodeExt80(const std::uint8_t* bytes);
inline long double DecodeExt80(const Ext80Bytes& bytes) { return DecodeExt80(bytes.data()); }

}  // namespace ftb::data
