#include "tools/ftbfile/NumberText.h"

#include <charconv>
#include <cmath>

namespace ftb::ftbfile {

std::optional<std::string> DecimalText(const data::Ext80Bytes& bytes) {
    const long double value = data::DecodeExt80(bytes);
    char buffer[64];
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (printed.ec != std::errc()) return std::nullopt;
    std::string text(buffer, printed.ptr);
    // Infinities, NaNs, subnormals and unnormals fail this round trip and travel as raw bytes.
    const auto back = ScanDecimal(text);
    if (!back || data::EncodeExt80(*back) != bytes) return std::nullopt;
    return text;
}

std::optional<long double> ScanDecimal(std::string_view text) {
    long double value = 0;
    const char* end = text.data() + text.size();
    const auto scanned = std::from_chars(text.data(), end, value);
    // from_chars also reads "inf" and "nan", which are no JSON numbers.
    if (scanned.ec != std::errc() || scanned.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int64_t> ScanWholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto scanned = std::from_chars(text.data(), end, value);
    if (scanned.ec != std::errc() || scanned.ptr != end) return std::nullopt;
    return value;
}

std::string HexText(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::optional<data::Ext80Bytes> ScanHexExt80(std::string_view text) {
    data::Ext80Bytes bytes{};
    if (text.size() != 2 * bytes.size()) return std::nullopt;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        unsigned byte = 0;
        const char* first = text.data() + 2 * i;
        const auto scanned = std::from_chars(first, first + 2, byte, 16);
        if (scanned.ec != std::errc() || scanned.ptr != first + 2) return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(byte);
    }
    return bytes;
}

}  // namespace ftb::ftbfile
