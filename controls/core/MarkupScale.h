#pragma once
// The ratio by which the screen holding a label was scaled, and the rounding the label applies
// with it: positions are rounded (halves to even), font sizes truncated.
#include <algorithm>
#include <cmath>

namespace ftb::controls {

// Every pen position and size the layout computes is kept within this bound, so that no text,
// however long or odd its numbers, can overflow the arithmetic.
constexpr long long kMarkupCoordinateLimit = 1LL << 30;

inline int ClampCoordinate(long long value) {
    return static_cast<int>(std::clamp(value, -kMarkupCoordinateLimit, kMarkupCoordinateLimit));
}

// Rounds to a whole pixel, halves to the even neighbour (the default rounding mode), within
// the coordinate bound.
inline int RoundCoordinate(double value) {
    const double limit = static_cast<double>(kMarkupCoordinateLimit);
    return static_cast<int>(std::nearbyint(std::clamp(value, -limit, limit)));
}

class TMarkupScale {
public:
    TMarkupScale() = default;
    // A ratio with a zero or negative term is no scale at all and leaves the identity.
    TMarkupScale(int multiplier, int divisor) {
        if (multiplier > 0 && divisor > 0) {
            multiplier_ = multiplier;
            divisor_ = divisor;
        }
    }

    bool IsIdentity() const { return multiplier_ == divisor_; }
    double Factor() const { return static_cast<double>(multiplier_) / divisor_; }
    // The ratio truncated to hundredths, as the font sizes use it.
    double FontFactor() const { return static_cast<double>(FontPercent()) / 100; }

    // Round(value × ratio).
    int Position(int value) const {
        return RoundCoordinate(static_cast<double>(value * multiplier_) / divisor_);
    }
    // Trunc(size × ratio truncated to hundredths), in integers so that a ratio such as 29/100
    // gives 0.29 exactly rather than a binary fraction just below it.
    int FontSize(int size) const { return ClampCoordinate(size * FontPercent() / 100); }

private:
    long long FontPercent() const { return multiplier_ * 100 / divisor_; }

    long long multiplier_ = 1;
    long long divisor_ = 1;
};

}  // namespace ftb::controls
