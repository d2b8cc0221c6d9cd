#include "controls/core/ColumnSpec.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "controls/core/CharSetNotation.h"

namespace ftb::controls {
namespace {

// The fields of a line by position; a position past the end reads as empty.
class Fields {
  public:
    explicit Fields(std::string_view line) : parts_(SplitText(line, '|')) {}

    std::size_t Count() const { return parts_.size(); }
    std::string_view Text(std::size_t pos) const {
        return pos < parts_.size() ? std::string_view(parts_[pos]) : std::string_view();
    }
    int Number(std::size_t pos) const {
        const std::string_view text = Text(pos);
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size() ? value : 0;
    }
    bool Flag(std::size_t pos) const { return Text(pos) == "T"; }

  private:
    std::vector<std::string> parts_;
};

const CharSet& Digits() {
    static const CharSet digits = CharSetOf("0123456789");
    return digits;
}

TColumnType TypeOf(int number) {
    return number >= ctNumeric && number <= ctTFN ? static_cast<TColumnType>(number) : ctText;
}

TTitleAlignment AlignmentOf(int number) {
    return number == tlRight || number == tlCentre ? static_cast<TTitleAlignment>(number) : tlLeft;
}

// Allowed characters, length and decimals that follow from the column's type.
void DeriveTypeSettings(TColumnSpec& spec) {
    switch (spec.type) {
        case ctText:
            break;
        case ctNumeric:
            spec.allowed = Digits();
            if (spec.negatives) spec.allowed.set('-');
            if (spec.decimals > 0) spec.allowed.set(static_cast<unsigned char>(kDecimalSeparator));
            break;
        case ctDate:
            spec.allowed = Digits();
            spec.allowed.set(static_cast<unsigned char>(kDateSeparator));
            spec.maxLength = std::max(spec.maxLength, 10);
            break;
        case ctABN:
        case ctTFN:
            spec.allowed = Digits();
            spec.maxLength = spec.type == ctABN ? 11 : 9;
            spec.decimals = 0;
            break;
    }
}

// Reads fields 0..8; false when a fault there leaves the later fields unread.
bool ReadLeadingFields(const Fields& fields, TColumnSpec& spec) {
    spec.title = std::string(fields.Text(0));
    spec.titleAlignment = AlignmentOf(fields.Number(1));
    spec.type = TypeOf(fields.Number(2));
    const int maxLength = fields.Number(3);
    spec.maxLength = std::clamp(maxLength, 0, kMaxColumnLength);
    if (maxLength != spec.maxLength) return false;
    spec.hintIndex = fields.Number(4);
    spec.calculated = fields.Flag(5);
    spec.button = fields.Flag(6);
    const int caseOrDecimals = fields.Number(7);
    if (spec.type == ctText) {
        spec.charCase = caseOrDecimals == ccUpper || caseOrDecimals == ccLower
                            ? static_cast<TCharCase>(caseOrDecimals)
                            : ccNormal;
        spec.validChars = std::string(fields.Text(8));
        const CharSetNotation notation = ParseCharSetNotation(spec.validChars);
        spec.allowed = notation.set;
        if (notation.error) return false;
    } else if (spec.type == ctNumeric) {
        spec.decimals = std::clamp(caseOrDecimals, 0, kMaxColumnLength);
        spec.negatives = fields.Flag(8);
    }
    return true;
}

void ReadTrailingFields(const Fields& fields, TColumnSpec& spec) {
    spec.minValue = fields.Number(9);
    spec.maxValue = fields.Number(10);
    spec.dropdownRows = std::max(fields.Number(11), 0);
    const int style = fields.Number(12);
    spec.buttonStyle =
        style == bsPicklist || style == bsEllipsis ? static_cast<TButtonStyle>(style) : bsNone;
    constexpr std::size_t kFirstItem = 14;
    const std::size_t present = fields.Count() > kFirstItem ? fields.Count() - kFirstItem : 0;
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(fields.Number(13), 0)), present);
    spec.items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) spec.items.emplace_back(fields.Text(kFirstItem + i));
    spec.noTotal = fields.Flag(kFirstItem + count);
    spec.readOnly = fields.Flag(kFirstItem + count + 1);
}

}  // namespace

TColumnSpec ParseColumnSpec(std::string_view line) {
    const Fields fields(line);
    TColumnSpec spec;
    if (ReadLeadingFields(fields, spec)) ReadTrailingFields(fields, spec);
    DeriveTypeSettings(spec);
    return spec;
}

}  // namespace ftb::controls
