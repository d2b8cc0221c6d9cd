#pragma once
// Exact decimal amounts: a count of ten-thousandths of a dollar. Amounts are taken from fields
// once, rounded to four places (halves to even), and from then on added, subtracted and compared
// without binary rounding, so 20000.49 + 34470.51 is exactly 54471.
#include <cstdint>
#include <ostream>
#include <string>

namespace ftb::assessment {

class Currency {
public:
    static constexpr std::int64_t kUnitsPerDollar = 10000;

    constexpr Currency() = default;

    // A stored amount rounded to four places, halves to even. Not a number counts 0; amounts
    // beyond ten trillion dollars (only a damaged return holds them) are held at that bound.
    static Currency FromValue(long double value);
    static constexpr Currency FromDollars(std::int64_t dollars) {
        return Currency(dollars * kUnitsPerDollar);
    }
    static constexpr Currency FromUnits(std::int64_t units) { return Currency(units); }

    constexpr std::int64_t Units() const { return units_; }

    // Halves to even.
    Currency RoundedToCents() const;
    Currency RoundedToDollars() const;
    // The amount times hundredths/100, rounded to four places, halves to even.
    Currency TimesHundredths(std::int64_t hundredths) const;

    bool IsNegative() const { return units_ < 0; }

    // Sums saturate at the bounds of the count instead of wrapping.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }
    Currency operator-() const { return Currency() - *this; }

    friend constexpr auto operator<=>(Currency, Currency) = default;

    // "-1234.5600": the sign, the dollars and always four places.
    std::string ToText() const;

private:
    constexpr explicit Currency(std::int64_t units) : units_(units) {}

    std::int64_t units_ = 0;
};

inline std::ostream& operator<<(std::ostream& out, Currency amount) {
    return out << amount.ToText();
}

}  // namespace ftb::assessment
