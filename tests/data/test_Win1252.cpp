#include "data/Win1252.h"

#include <gtest/gtest.h>

namespace ftb::data {
namespace {

TEST(Win1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    auto back = Utf8ToWin1252(Win1252ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Win1252, TheHighControlsMapToTheirTypographicCharacters) {
    EXPECT_EQ(Win1252ToUtf8("\x95"), "\u2022");  // the screens' bullet
    EXPECT_EQ(Win1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(Win1252ToUtf8("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(Utf8ToWin1252("\u2019"), std::string("\x92"));
}

TEST(Win1252, RefusesWhatTheCodePageCannotHoldAndMalformedUtf8) {
    const char* refused[] = {
        "\u4E2D",          // not in the code page
        "\xF0\x9F\x98\x80",  // outside the basic plane
        "\xC3",            // cut short
        "\xC0\xAF",        // overlong
        "\xED\xA0\x80",    // a surrogate
        "\xFF",            // not a lead byte
    };
    for (const char* text : refused) EXPECT_FALSE(Utf8ToWin1252(text).has_value()) << text;
}

}  // namespace
}  // namespace ftb::data
