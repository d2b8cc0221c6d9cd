#include "controls/core/IdChecks.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <span>

namespace ftb::controls {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A character that is not a digit counts as 0 in a weighted sum.
int DigitValue(char c) { return IsDigit(c) ? c - '0' : 0; }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The text without leading and trailing blanks and control characters.
std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string Digits(std::string_view text) {
    static const CharSet digits = CharSetOf("0123456789");
    return FilterChars(text, digits);
}

// Sum of each character's digit value times the weight of its position; text is at least as
// long as the weights.
int WeightedSum(std::string_view text, std::span<const int> weights) {
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) sum += DigitValue(text[i]) * weights[i];
    return sum;
}

// The modulus-89 test shared by business numbers and document identification numbers: the
// first of eleven digits counts as (digit - 1) x 10.
bool PassesModulus89(std::string_view elevenDigits) {
    static constexpr std::array<int, 10> kWeights{1, 3, 5, 7, 9, 11, 13, 15, 17, 19};
    const int sum = (DigitValue(elevenDigits[0]) - 1) * 10 +
                    WeightedSum(elevenDigits.substr(1), kWeights);
    return sum % 89 == 0;
}

std::string PadWithZeros(std::string text, std::size_t length) {
    if (text.size() < length) text.insert(0, length - text.size(), '0');
    return text;
}

// The groups of the given sizes from the start of text, separated by one space.
std::string Grouped(std::string_view text, std::initializer_list<std::size_t> sizes) {
    std::string result;
    std::size_t pos = 0;
    for (std::size_t size : sizes) {
        if (pos >= text.size()) break;
        if (!result.empty()) result += ' ';
        result.append(text.substr(pos, size));
        pos += size;
    }
    return result;
}

std::string PaddedGroups(std::string_view text, std::size_t length,
                         std::initializer_list<std::size_t> sizes) {
    const std::string compact = RemoveSpaces(text);
    if (compact.empty()) return compact;
    return Grouped(PadWithZeros(compact, length), sizes);
}

}  // namespace

CharSet CharSetOf(std::string_view chars) {
    CharSet set;
    for (char c : chars) set.set(static_cast<unsigned char>(c));
    return set;
}

std::string FilterChars(std::string_view text, const CharSet& allowed) {
    std::string result;
    for (char c : text)
        if (allowed.test(static_cast<unsigned char>(c))) result += c;
    return result;
}

std::string RemoveSpaces(std::string_view text) {
    std::string result;
    for (char c : text)
        if (c != ' ') result += c;
    return result;
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) {
            parts.emplace_back(text);
            return parts;
        }
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
}

long double TextToNumberDef(std::string_view text, long double fallback) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits, one ".", and an exponent with digits: the number reader alone would also
    // take "inf" and "nan".
    std::size_t pos = 0, mantissaDigits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++mantissaDigits;
    if (pos < text.size() && text[pos] == '.') ++pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++mantissaDigits;
    if (mantissaDigits == 0) return fallback;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
        std::size_t exponentDigits = 0;
        while (pos < text.size() && IsDigit(text[pos])) ++pos, ++exponentDigits;
        if (exponentDigits == 0) return fallback;
    }
    if (pos != text.size()) return fallback;

    long double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return fallback;
    return negative ? -value : value;
}

bool IsValidTFN(std::string_view text) {
    static constexpr std::array<int, 7> kWeights7{10, 7, 8, 4, 6, 3, 1};
    static constexpr std::array<int, 8> kWeights8{10, 7, 8, 4, 6, 3, 5, 1};
    static constexpr std::array<int, 9> kWeights9{10, 7, 8, 4, 6, 3, 5, 2, 1};
    text = Trim(text);
    if (text.empty()) return true;
    const std::string number = RemoveSpaces(text);
    int sum = 0;
    switch (number.size()) {
        case 7: sum = WeightedSum(number, kWeights7); break;
        case 8: sum = WeightedSum(number, kWeights8); break;
        case 9: sum = WeightedSum(number, kWeights9); break;
        default: return false;
    }
    return sum % 11 == 0;
}

bool IsValidABN(std::string_view text) {
    const std::string digits = Digits(text);
    // Fewer than eleven digits or a leading 0 are let through unchecked.
    if (digits.size() < 11 || digits[0] == '0') return true;
    return PassesModulus89(std::string_view(digits).substr(0, 11));
}

bool IsValidACN(std::string_view text) {
    static constexpr std::array<int, 8> kWeights{8, 7, 6, 5, 4, 3, 2, 1};
    text = Trim(text);
    if (text.empty()) return true;
    const std::string number = RemoveSpaces(text);
    if (number.size() != 9) return false;
    const int sum = WeightedSum(number, kWeights);
    const int check = DigitValue(number[8]);
    // Unlike the plain complement test, a sum of 0 (eight leading zeros) never passes.
    if (sum <= 10) return sum + check == 10;
    return sum % 10 == 0 ? check == 0 : sum % 10 + check == 10;
}

bool IsValidSFN(std::string_view text) {
    static constexpr std::array<int, 8> kWeights{32, 16, 8, 4, 2, 1, 128, 64};
    text = Trim(text);
    if (text.empty()) return true;
    const std::string number = RemoveSpaces(text);
    if (number.size() != 9) return false;
    const int remainder = WeightedSum(number, kWeights) % 11;
    const int check = DigitValue(number[8]);
    return remainder == 10 ? check == 0 : remainder == check;
}

bool IsValidDIN(std::string_view text) {
    if (Trim(text).empty()) return true;
    std::string digits = Digits(text);
    if (digits.size() < 9 || digits.size() > 11) return false;
    digits = PadWithZeros(std::move(digits), 11);
    // The last two digits lead: digits 10 and 11, then 1 to 9.
    const std::string moved = digits.substr(9) + digits.substr(0, 9);
    if (moved[0] == '0') return false;
    return PassesModulus89(moved);
}

bool IsValidEGN(std::string_view text) {
    static constexpr std::array<int, 8> kWeights{10, 7, 8, 4, 6, 3, 5, 1};
    text = Trim(text);
    if (text.empty()) return true;
    const std::string number = RemoveSpaces(text);
    if (number == "00000000" || number.size() != 8) return false;
    return WeightedSum(number, kWeights) % 11 == 0;
}

std::string FormatTFN(std::string_view text) {
    const std::string compact = RemoveSpaces(text);
    switch (compact.size()) {
        case 7: return Grouped(compact, {1, 3, 3});
        case 8: return Grouped(compact, {2, 3, 3});
        case 9: return Grouped(compact, {3, 3, 3});
        default: return compact;
    }
}

std::string FormatABN(std::string_view text) { return PaddedGroups(text, 11, {2, 3, 3, 3}); }
std::string FormatDIN(std::string_view text) { return PaddedGroups(text, 11, {2, 3, 3, 3}); }
std::string FormatACN(std::string_view text) { return PaddedGroups(text, 9, {3, 3, 3}); }
std::string FormatSFN(std::string_view text) { return PaddedGroups(text, 9, {4, 3, 2}); }
std::string FormatEGN(std::string_view text) { return PaddedGroups(text, 8, {3, 3, 2}); }

std::optional<StateKeyResult> StateCodeAfterKey(char key, std::string_view text,
                                                std::size_t selStart, std::size_t selLength) {
    constexpr char kBackspace = 8;
    unsigned char code = static_cast<unsigned char>(key);
    if (code > 'Z') code -= 32;
    // After N the first character is selected; S or T then refines it, as does a caret placed
    // right after the N.
    const bool refinesN = !text.empty() && text.front() == 'N' &&
                          (selStart == 1 || (selStart == 0 && selLength == 1));
    switch (code) {
        case kBackspace: return StateKeyResult{""};
        case 'A': return StateKeyResult{"ACT"};
        case 'W': return StateKeyResult{"WA"};
        case 'Q': return StateKeyResult{"QLD"};
        case 'V': return StateKeyResult{"VIC"};
        case 'N': return StateKeyResult{"NSW", true};
        case 'S': return StateKeyResult{refinesN ? "NSW" : "SA"};
        case 'T': return StateKeyResult{refinesN ? "NT" : "TAS"};
        default: return std::nullopt;
    }
}

}  // namespace ftb::controls
