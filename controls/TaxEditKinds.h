#pragma once
// What each kind of entry field does: the presets that assigning NumericType or VarnholtDataType
// applies, the groups of kinds that share a rule, and the check, display form and message of each
// identifier kind.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/TaxEdit.h"

namespace ftb::controls {

// Decimals, alignment, maximum length and the allowed characters in the character-set notation
// ("." is the decimal separator, "/" the date separator); an empty member leaves that property
// as it was.
struct TaxEditPreset {
    std::optional<std::uint16_t> decimals;
    std::optional<TAlignment> alignment;
    std::optional<int> maxLength;
    const char* allowed = nullptr;
};

TaxEditPreset NumericTypePreset(TNumericType kind);
TaxEditPreset VarnholtPreset(TVarnholtDataType type);

// The kinds whose value is read from the text.
bool ReadsValue(TNumericType kind);
// The kinds whose text keeps only "-", digits and "." while edited.
bool StripsFormattingOnEntry(TNumericType kind);
// The kinds that keep a single "-" in front and a single "." while typing.
bool HasSignedAmountKeys(TNumericType kind);
// The kinds whose fraction is rounded to Decimals before display.
bool AdjustsFraction(TNumericType kind);
// The kinds that AssignText reads and redisplays.
bool AssignTextReadsValue(TNumericType kind);

struct IdentifierRules {
    bool (*isValid)(std::string_view text);
    std::string (*format)(std::string_view text);
    const char* invalidMessage;
};
// The rules of ntTFN..ntEGN; nothing for the other kinds.
const IdentifierRules* IdentifierRulesOf(TNumericType kind);

}  // namespace ftb::controls
