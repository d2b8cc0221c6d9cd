#pragma once
// Numbers of the return as decimal text, converted straight between the text and the 80-bit
// value (never through a double), and the hex form of bytes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/Ext80.h"

namespace ftb::ftbfile {

// The shortest decimal text that reads back (by ScanDecimal) to exactly these bytes; nothing
// when they hold no number that can travel as decimal: not a number, an infinity, a value below
// the normal range, or an encoding the 80-bit type never produces itself (an "unnormal").
std::optional<std::string> DecimalText(const data::Ext80Bytes& bytes);

// The 80-bit value nearest to a JSON number text; nothing when the text is not a number or its
// value lies beyond the normal range of the type (overflow, or so small it would lose digits).
std::optional<long double> ScanDecimal(std::string_view text);

// A JSON number text that is a whole number; nothing for a fraction, an exponent or an overflow.
std::optional<std::int64_t> ScanWholeNumber(std::string_view text);

// Bytes as lower-case hex digits, two a byte, in the order given.
std::string HexText(std::span<const std::uint8_t> bytes);

// The 10 bytes of a 20-digit hex text (either case); nothing for any other text.
std::optional<data::Ext80Bytes> ScanHexExt80(std::string_view text);

}  // namespace ftb::ftbfile
