#include "controls/core/CharSetNotation.h"

#include <gtest/gtest.h>

#include <string>

namespace ftb::controls {
namespace {

std::string Members(const CharSet& set) {
    std::string members;
    for (std::size_t code = 0; code < set.size(); ++code)
        if (set.test(code)) members += static_cast<char>(code);
    return members;
}

TEST(CharSetNotation, ReadsCharactersAndRanges) {
    struct Case {
        const char* notation;
        std::string members;
    };
    const Case cases[] = {
        {"-,0..9,.", "-.0123456789"},
        {"A..C,a..b,0..1,-, ,'", " '-01ABCab"},
        {"Y, ,N", " NY"},
        {"0..9,,", ",0123456789"},         // a trailing double comma adds the comma
        {"0..9,,,", ",0123456789"},        // so does a comma element followed by its separator
        {",,a", ",a"},                     // a leading comma element skips its separator
        {",..0", ",-./0"},                 // a range that starts at the comma
        {",", ","},
        {"", ""},
        {"z..a", ""},                      // a reversed range holds nothing
        {"\xFD..\xFF,\x01", "\x01\xFD\xFE\xFF"},  // the range reaches the last code
    };
    for (const auto& c : cases) {
        const CharSetNotation parsed = ParseCharSetNotation(c.notation);
        EXPECT_FALSE(parsed.error) << '"' << c.notation << "\": " << *parsed.error;
        EXPECT_EQ(Members(parsed.set), c.members) << '"' << c.notation << '"';
    }
}

TEST(CharSetNotation, AnElementOfOtherLengthMakesTheWholeSetEmpty) {
    for (const char* notation : {"ab", "0..9,ab", "A..Z,a..", ",..", "0..9,abcde", "..."}) {
        const CharSetNotation parsed = ParseCharSetNotation(notation);
        EXPECT_EQ(parsed.error, "Bad ValidChars property " + std::string(notation) + " !");
        EXPECT_TRUE(parsed.set.none()) << notation;
    }
}

}  // namespace
}  // namespace ftb::controls
