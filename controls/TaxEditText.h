#pragma once
// The number rules of the entry field, as plain text functions: reading a typed amount, the
// fraction adjustment before display, and the fixed and general number forms.
#include <optional>
#include <string>
#include <string_view>

namespace ftb::controls {

// Decimal places beyond what an extended value can hold change nothing; more are not shown.
constexpr int kMaxShownDecimals = 18;

// The value of an entry text already reduced to "-", digits and ".": 0 for an empty text or "-"
// alone, the explicit zero for a zero in any typed form ("0", "0.00", "-0", "000.00"), nothing
// when the text cannot be read as a number (two decimal separators, a lone ".").
std::optional<long double> ReadEntryNumber(std::string_view filtered);

// The integer part of value plus its fraction rounded half to even at the given places, or the
// integer part alone without rounding.
long double AdjustFraction(long double value, int decimals, bool useRounding);

// Fixed notation with the given places ("0" and "0.00" patterns alike): the value is taken to 18
// significant digits and halves are rounded away from zero; no "-" in front of a zero result.
std::string FormatFixed(long double value, int decimals);

// The shortest general form with up to 15 significant digits, as in "Value must be between 1
// and 999".
std::string FormatGeneral(long double value);

}  // namespace ftb::controls
