#include "assessment/Currency.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace ftb::assessment {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
// Ten trillion dollars: far above any real amount, far enough below the count's range that
// the products and sums of the rules cannot overflow it.
constexpr long double kBoundUnits = 1e17L;

std::int64_t Saturate(bool overflowed, std::int64_t value, bool towardsMax) {
    if (!overflowed) return value;
    return towardsMax ? kMax : kMin;
}

// numerator / divisor rounded to the nearest whole number, halves to even; divisor > 0.
std::int64_t DivideHalfToEven(std::int64_t numerator, std::int64_t divisor) {
    std::int64_t quotient = numerator / divisor;
    std::int64_t remainder = numerator % divisor;
    if (remainder < 0) {  // floor division, so the remainder lies in [0, divisor)
        quotient -= 1;
        remainder += divisor;
    }
    const std::int64_t twice = remainder * 2;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0)) quotient += 1;
    return quotient;
}

// The count of units rounded to a multiple of `step` (halves to even), saturating at the bounds.
std::int64_t RoundToMultiple(std::int64_t units, std::int64_t step) {
    std::int64_t rounded = 0;
    const std::int64_t quotient = DivideHalfToEven(units, step);
    const bool overflowed = __builtin_mul_overflow(quotient, step, &rounded);
    return Saturate(overflowed, rounded, quotient > 0);
}

}  // namespace

Currency Currency::FromValue(long double value) {
    if (std::isnan(value)) return Currency();
    const long double units = value * kUnitsPerDollar;
    if (units >= kBoundUnits) return Currency(static_cast<std::int64_t>(kBoundUnits));
    if (units <= -kBoundUnits) return Currency(-static_cast<std::int64_t>(kBoundUnits));
    return Currency(static_cast<std::int64_t>(std::nearbyint(units)));
}

Currency Currency::RoundedToCents() const {
    return Currency(RoundToMultiple(units_, kUnitsPerDollar / 100));
}

Currency Currency::RoundedToDollars() const {
    return Currency(RoundToMultiple(units_, kUnitsPerDollar));
}

Currency Currency::TimesHundredths(std::int64_t hundredths) const {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(units_, hundredths, &product))
        return Currency((units_ < 0) == (hundredths < 0) ? kMax : kMin);
    return Currency(DivideHalfToEven(product, 100));
}

Currency Currency::operator+(Currency other) const {
    std::int64_t sum = 0;
    const bool overflowed = __builtin_add_overflow(units_, other.units_, &sum);
    return Currency(Saturate(overflowed, sum, other.units_ > 0));
}

Currency Currency::operator-(Currency other) const {
    std::int64_t difference = 0;
    const bool overflowed = __builtin_sub_overflow(units_, other.units_, &difference);
    return Currency(Saturate(overflowed, difference, other.units_ < 0));
}

std::string Currency::ToText() const {
    // Unsigned arithmetic so that the lowest count has a magnitude as well.
    const bool negative = units_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%llu.%04llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / kUnitsPerDollar),
                  static_cast<unsigned long long>(magnitude % kUnitsPerDollar));
    return buffer;
}

}  // namespace ftb::assessment
