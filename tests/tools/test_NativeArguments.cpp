#include "tools/ftbfile/NativeArguments.h"

#include <gtest/gtest.h>

#include <string>

namespace ftb::ftbfile {
namespace {

TEST(NativeArguments, EveryByteStringComesBackAsItWas) {
    const std::string cases[] = {
        "",
        "/tmp/RETURN.TAX",
        "Zo\xc3\xab \xe2\x82\xac \xf0\x9f\x98\x80",  // 2-, 3- and 4-byte characters
        "bad\xff\xfe.TAX",                           // bytes no UTF-8 text holds
        "\xc0\xaf",                                  // an overlong "/"
        "\xed\xa0\x80\xed\xb0\x80",                  // surrogates written as UTF-8
        "\xf4\x90\x80\x80",                          // beyond U+10FFFF
        "cut \xe2\x82",                              // a character cut short at the end
        "\x80 lone continuation \xbf",
        "\xf0\x9f\x98\x80\xdc",                      // a 4-byte character, then a lone byte
    };
    for (const std::string& bytes : cases)
        EXPECT_EQ(ArgumentBytes(ArgumentText(bytes)), bytes) << ArgumentText(bytes).toStdString();
}

TEST(NativeArguments, ValidUtf8IsTheTextItSpellsAndOtherBytesAreHeldApart) {
    EXPECT_EQ(ArgumentText("Zo\xc3\xab\xf0\x9f\x98\x80"), QString::fromUtf8("Zo\xc3\xab\xf0\x9f\x98\x80"));
    const QString bad = ArgumentText("a\xff");
    ASSERT_EQ(bad.size(), 2);
    EXPECT_EQ(bad[0], QLatin1Char('a'));
    EXPECT_EQ(bad[1].unicode(), 0xDCFF);
    // Text from anywhere else writes as UTF-8.
    EXPECT_EQ(ArgumentBytes(QString::fromUtf8("\xe2\x82\xac")), "\xe2\x82\xac");
}

}  // namespace
}  // namespace ftb::ftbfile
