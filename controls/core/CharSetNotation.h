#pragma once
// The character-set notation of entry fields and grid columns: comma-separated elements, each a
// single character or a range of four characters "a..z" (first to last inclusive), for example
// "A..Z,a..z,0..9,-, ,'". The comma itself is an element written as "," followed by its separator,
// so "0..9,,," and a trailing "0..9,," both add it; ",..9" is a range starting at the comma.
#include <optional>
#include <string>
#include <string_view>

#include "controls/core/IdChecks.h"

namespace ftb::controls {

struct CharSetNotation {
    CharSet set;                       // empty when the notation is bad
    std::optional<std::string> error;  // the message that reports a bad notation
};

// Reads a notation. An element of any length other than one or four characters makes the whole
// notation bad: the set is empty and the error is "Bad ValidChars property <notation> !".
CharSetNotation ParseCharSetNotation(std::string_view notation);

}  // namespace ftb::controls
