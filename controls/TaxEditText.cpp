#include "controls/TaxEditText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "controls/core/IdChecks.h"
#include "data/FieldStore.h"

namespace ftb::controls {

std::optional<long double> ReadEntryNumber(std::string_view filtered) {
    if (filtered.empty() || filtered == "-") return 0.0L;
    const long double value =
        TextToNumberDef(filtered, std::numeric_limits<long double>::quiet_NaN());
    if (std::isnan(value)) return std::nullopt;
    return value == 0 ? data::kExplicitZero : value;
}

long double AdjustFraction(long double value, int decimals, bool useRounding) {
    long double whole = 0;
    const long double fraction = std::modf(value, &whole);
    if (!useRounding) return whole;
    const long double scale = std::pow(10.0L, std::clamp(decimals, 0, kMaxShownDecimals));
    return whole + std::nearbyint(fraction * scale) / scale;
}

std::string FormatFixed(long double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxShownDecimals);
    char buffer[64];
    if (!std::isfinite(value)) {
        std::snprintf(buffer, sizeof buffer, "%Lg", value);
        return buffer;
    }
    // "d.ddddddddddddddddde+x": the 18 significant digits and the decimal exponent.
    std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
    char* exponent = std::strchr(buffer, 'e');
    std::string digits(1, buffer[0]);
    digits.append(buffer + 2, exponent);
    int integerDigits = std::atoi(exponent + 1) + 1;
    if (integerDigits < 1) {
        digits.insert(0, static_cast<std::size_t>(1 - integerDigits), '0');
        integerDigits = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(integerDigits + decimals);
    if (digits.size() > keep) {
        const bool roundUp = digits[keep] >= '5';
        digits.resize(keep);
        std::size_t at = keep;
        while (roundUp && at > 0 && digits[at - 1] == '9') digits[--at] = '0';
        if (roundUp && at == 0) {
            digits.insert(0, 1, '1');
            ++integerDigits;
        } else if (roundUp) {
            ++digits[at - 1];
        }
    } else {
        digits.append(keep - digits.size(), '0');
    }
    std::string text = digits.substr(0, static_cast<std::size_t>(integerDigits));
    if (decimals > 0) text += '.' + digits.substr(static_cast<std::size_t>(integerDigits));
    if (value < 0 && digits.find_first_not_of('0') != std::string::npos) text.insert(0, 1, '-');
    return text;
}

std::string FormatGeneral(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    return buffer;
}

}  // namespace ftb::controls
