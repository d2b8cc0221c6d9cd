#pragma once
// Pure text helpers shared by the entry field, the data grid and the screens: filtering to a
// character set, splitting, reading a number with a fallback, the check-digit tests of the tax
// identifiers and their grouped display forms. Texts are single-byte (Windows-1252); nothing here
// keeps state or shows a message.
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ftb::controls {

// A set of single-byte characters, one flag per character code.
using CharSet = std::bitset<256>;

// The set of the characters in chars.
CharSet CharSetOf(std::string_view chars);

// The text without the characters outside the set, order kept.
std::string FilterChars(std::string_view text, const CharSet& allowed);

// The text without its spaces.
std::string RemoveSpaces(std::string_view text);

// The parts between separators: "a|b|" gives "a", "b", ""; an empty text gives one empty part.
std::vector<std::string> SplitText(std::string_view text, char separator);

// The text read as a decimal number (blanks around it, a sign, a fraction after "." and an
// exponent allowed), or fallback when it cannot be read or is out of range.
long double TextToNumberDef(std::string_view text, long double fallback);

// Check-digit tests. An empty or blank text is valid: an unanswered identifier is not an error.
bool IsValidTFN(std::string_view text);  // tax file number
bool IsValidABN(std::string_view text);  // Australian business number
bool IsValidACN(std::string_view text);  // company number (ACN/ARBN)
bool IsValidSFN(std::string_view text);  // superannuation fund number
bool IsValidDIN(std::string_view text);  // document identification number
bool IsValidEGN(std::string_view text);  // employer group number

// Grouped display forms, e.g. "876 543 210". Spaces are removed first; the padded forms put "0"
// in front up to their full length and drop characters past the last group.
std::string FormatTFN(std::string_view text);
std::string FormatABN(std::string_view text);
std::string FormatACN(std::string_view text);
std::string FormatSFN(std::string_view text);
std::string FormatDIN(std::string_view text);
std::string FormatEGN(std::string_view text);

// The state-code text of a state field after one keystroke.
struct StateKeyResult {
    std::string text;
    bool selectFirst = false;  // select the first character so that a following S or T refines it
};

// The state code that typing key gives a state field holding text, with the selection starting
// at selStart and selLength long; nothing when the key leaves the text as it is. The field
// consumes the key in every case.
std::optional<StateKeyResult> StateCodeAfterKey(char key, std::string_view text,
                                                std::size_t selStart, std::size_t selLength);

}  // namespace ftb::controls
