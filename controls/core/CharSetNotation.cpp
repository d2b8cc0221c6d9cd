#include "controls/core/CharSetNotation.h"

#include <algorithm>

namespace ftb::controls {
namespace {

void AddRange(CharSet& set, char first, char last) {
    for (int code = static_cast<unsigned char>(first); code <= static_cast<unsigned char>(last);
         ++code)
        set.set(static_cast<std::size_t>(code));
}

// Removes the next element from rest and returns it.
std::string_view TakeElement(std::string_view& rest) {
    const std::size_t comma = rest.find(',');
    std::string_view element;
    if (comma == 0) {
        // A comma that starts an element is the comma character, or the start of a range
        // ",..x"; either way the separator after it is skipped as well.
        const bool range = rest.substr(1, 2) == "..";
        element = rest.substr(0, range ? 4 : 1);
        rest.remove_prefix(std::min<std::size_t>(range ? 5 : 2, rest.size()));
    } else if (comma == std::string_view::npos) {
        element = rest;
        rest = {};
    } else {
        element = rest.substr(0, comma);
        rest.remove_prefix(comma + 1);
    }
    return element;
}

}  // namespace

CharSetNotation ParseCharSetNotation(std::string_view notation) {
    CharSetNotation result;
    std::string_view rest = notation;
    while (!rest.empty()) {
        const std::string_view element = TakeElement(rest);
        if (element.size() == 1) {
            result.set.set(static_cast<unsigned char>(element.front()));
        } else if (element.size() == 4) {
            AddRange(result.set, element.front(), element.back());
        } else {
            return {CharSet{}, "Bad ValidChars property " + std::string(notation) + " !"};
        }
    }
    return result;
}

}  // namespace ftb::controls
