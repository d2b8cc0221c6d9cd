#include "controls/TaxEditKinds.h"

namespace ftb::controls {
namespace {

// Besides the letters, the digits and the space:
// the backquote, the at sign and ! # $ % & ( ) _ - = { } [ ] | \ ; : ' " . ? / and the comma.
constexpr const char* kGeneralTextSet =
    "A..Z,a..z,0..9, ,`,@,!,#,$,%,&,(,),_,-,=,{,},[,],|,\\,;,:,',\",.,?,/,,,";
// The general text set without | and without the comma.
constexpr const char* kNameSet =
    "A..Z,a..z,0..9, ,`,@,!,#,$,%,&,(,),_,-,=,{,},[,],\\,;,:,',\",.,?,/";
// The at sign and ! $ % & * ( ) - = [ ] ; : ' " . ? / and the comma.
constexpr const char* kPlainTextSet =
    "A..Z,a..z,0..9, ,@,!,$,%,&,*,(,),-,=,[,],;,:,',\",.,?,/,,,";
constexpr const char* kAddressSet = "A..Z,a..z,0..9, ,&,',/,-,(,)";

constexpr const char* kDigits = "0..9";

}  // namespace

TaxEditPreset NumericTypePreset(TNumericType kind) {
    switch (kind) {
        case ntNone: return {0, taLeftJustify, std::nullopt, kGeneralTextSet};
        case ntCurrency: return {0, taRightJustify, std::nullopt, "-,0..9"};
        case ntCurrencyCnt: return {2, taRightJustify, std::nullopt, "-,0..9,."};
        case ntPercentage: return {std::nullopt, taRightJustify, std::nullopt, "-,0..9,.,%"};
        case ntDate: return {std::nullopt, taLeftJustify, 10, "0..9,/"};
        case ntSpecial: return {0, std::nullopt, std::nullopt, nullptr};
        case ntNumeric: return {0, std::nullopt, std::nullopt, kDigits};
        case ntPhone: return {std::nullopt, taLeftJustify, std::nullopt, kDigits};
        case ntCPI: return {std::nullopt, taRightJustify, std::nullopt, "0..9,."};
        case ntTFN:
        case ntABN:
        case ntACN:
        case ntSFN:
        case ntDIN:
        case ntEGN:
        case ntPCode: return {0, taLeftJustify, std::nullopt, kDigits};
        case ntDec2: return {2, taRightJustify, 6, "0..9,."};
    }
    return {};
}

TaxEditPreset VarnholtPreset(TVarnholtDataType type) {
    switch (type) {
        case vtAddressText: return {0, taLeftJustify, std::nullopt, kAddressSet};
        case vtDate: return {0, taLeftJustify, 8, kDigits};
        case vtDate8: return {0, taLeftJustify, 10, "0..9,/"};
        case vtDollar: return {0, taRightJustify, std::nullopt, kDigits};
        case vtDollarCents: return {2, taRightJustify, std::nullopt, ".,0..9"};
        case vtDollarNegative: return {0, taRightJustify, std::nullopt, "-,0..9"};
        case vtInteger: return {0, taLeftJustify, std::nullopt, kDigits};
        case vtNameText: return {0, taLeftJustify, std::nullopt, kNameSet};
        case vtNone: return {};
        case vtQuestion: return {0, taLeftJustify, 1, "Y, ,N"};
        case vtRestrictedNameText:
            return {0, taLeftJustify, std::nullopt, "A..Z,a..z,0..9,-, ,'"};
        case vtText: return {0, taLeftJustify, std::nullopt, kPlainTextSet};
    }
    return {};
}

bool ReadsValue(TNumericType kind) {
    switch (kind) {
        case ntCurrency:
        case ntCurrencyCnt:
        case ntPercentage:
        case ntNumeric:
        case ntCPI:
        case ntDec2: return true;
        default: return false;
    }
}

bool StripsFormattingOnEntry(TNumericType kind) {
    return kind == ntCurrency || kind == ntCurrencyCnt || kind == ntPercentage ||
           IdentifierRulesOf(kind) != nullptr;
}

bool HasSignedAmountKeys(TNumericType kind) {
    return kind == ntCurrency || kind == ntCurrencyCnt || kind == ntNumeric || kind == ntCPI;
}

bool AdjustsFraction(TNumericType kind) {
    return kind == ntCurrency || kind == ntCurrencyCnt || kind == ntPercentage || kind == ntCPI ||
           kind == ntDec2;
}

bool AssignTextReadsValue(TNumericType kind) { return ReadsValue(kind) && kind != ntDec2; }

const IdentifierRules* IdentifierRulesOf(TNumericType kind) {
    static constexpr IdentifierRules kTFN{IsValidTFN, FormatTFN, "Invalid Tax File Number (TFN)"};
    static constexpr IdentifierRules kABN{IsValidABN, FormatABN,
                                          "Invalid Australian Business Number (ABN)"};
    static constexpr IdentifierRules kACN{IsValidACN, FormatACN, "Invalid ACN/ARBN"};
    static constexpr IdentifierRules kSFN{IsValidSFN, FormatSFN, "Invalid SFN"};
    static constexpr IdentifierRules kDIN{IsValidDIN, FormatDIN,
                                          "Invalid Document Indentification Number (DIN)"};
    static constexpr IdentifierRules kEGN{IsValidEGN, FormatEGN, "Invalid Employer group number"};
    switch (kind) {
        case ntTFN: return &kTFN;
        case ntABN: return &kABN;
        case ntACN: return &kACN;
        case ntSFN: return &kSFN;
        case ntDIN: return &kDIN;
        case ntEGN: return &kEGN;
        default: return nullptr;
    }
}

}  // namespace ftb::controls
