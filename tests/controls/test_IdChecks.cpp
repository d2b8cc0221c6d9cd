#include "controls/core/IdChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ftb::controls {
namespace {

struct IdCase {
    const char* text;
    bool valid;
};

void ExpectChecks(bool (*check)(std::string_view), std::initializer_list<IdCase> cases) {
    for (const auto& c : cases) EXPECT_EQ(check(c.text), c.valid) << '"' << c.text << '"';
}

TEST(FilterChars, KeepsOnlyCharactersOfTheSetInOrder) {
    EXPECT_EQ(FilterChars("12-34 a5", CharSetOf("0123456789")), "12345");
    EXPECT_EQ(FilterChars("\x95 item\xE9", CharSetOf("\x95\xE9")), "\x95\xE9");
    EXPECT_EQ(FilterChars("abc", CharSet{}), "");
    EXPECT_EQ(FilterChars(std::string("a\0b", 3), CharSetOf(std::string("\0", 1))),
              std::string("\0", 1));
}

TEST(RemoveSpaces, RemovesEverySpaceButNoOtherBlank) {
    EXPECT_EQ(RemoveSpaces(" 876 543  210 "), "876543210");
    EXPECT_EQ(RemoveSpaces("a\tb"), "a\tb");
    EXPECT_EQ(RemoveSpaces("   "), "");
}

TEST(SplitText, ReturnsEveryPartIncludingEmptyOnes) {
    using Parts = std::vector<std::string>;
    EXPECT_EQ(SplitText("a|b|", '|'), (Parts{"a", "b", ""}));
    EXPECT_EQ(SplitText("", '|'), (Parts{""}));
    EXPECT_EQ(SplitText("|", '|'), (Parts{"", ""}));
    EXPECT_EQ(SplitText("||x", '|'), (Parts{"", "", "x"}));
    EXPECT_EQ(SplitText("no separator", '|'), (Parts{"no separator"}));
    EXPECT_EQ(SplitText("01/07/2001", '/'), (Parts{"01", "07", "2001"}));
}

TEST(TextToNumberDef, ReadsDecimalNumbers) {
    struct Case {
        const char* text;
        long double expected;
    } cases[] = {
        {"12.5", 12.5L}, {"  12.5  ", 12.5L}, {"-3", -3.0L},   {"+3", 3.0L},
        {"0", 0.0L},     {".5", 0.5L},        {"5.", 5.0L},    {"1e3", 1000.0L},
        {"2E-2", 0.02L}, {"-1.5e+2", -150.0L}, {"007", 7.0L},
    };
    for (const auto& c : cases) EXPECT_EQ(TextToNumberDef(c.text, -99.0L), c.expected) << c.text;
}

TEST(TextToNumberDef, GivesTheDefaultForTextsThatAreNoNumber) {
    const char* cases[] = {"",    "   ",   ".",     "-",    "+",     "abc",  "1.2.3", "1,000",
                           "12 3", "- 5",  "1e",    "1e+",  "e5",    "inf",  "nan",   "0x10",
                           "--1", "1-",    "5%",    "1e5000", "\t1"};
    for (const char* text : cases) EXPECT_EQ(TextToNumberDef(text, -7.25L), -7.25L) << text;
}

// Tax file number: weights 10,7,8,4,6,3,5,2,1 (9 digits), 10,7,8,4,6,3,5,1 (8), 10,7,8,4,6,3,1
// (7); valid when the sum is a multiple of 11.
//   876543210: 80+49+48+20+24+9+10+2+0 = 242 = 22 x 11
//   87654322:  80+49+48+20+24+9+10+2   = 242
//   1234569:   10+14+24+16+30+18+9     = 121 = 11 x 11
TEST(IsValidTFN, AcceptsNumbersWhoseWeightedSumIsAMultipleOfEleven) {
    ExpectChecks(IsValidTFN, {
                                 {"876543210", true},
                                 {"876 543 210", true},
                                 {"  876543210  ", true},
                                 {"\t876543210\r\n", true},  // trimming takes control characters too
                                 {"87654322", true},
                                 {"1234569", true},
                                 {"", true},
                                 {"   ", true},
                                 {"876543211", false},  // 243
                                 {"87654321", false},   // 241
                                 {"1234567", false},    // 119
                                 {"0", false},
                                 {" 0 ", false},
                                 {"123456", false},      // six characters
                                 {"8765432100", false},  // ten characters
                                 // A character that is not a digit counts as 0.
                                 {"87654321x", true},
                             });
}

// Business number: the first digit counts as (digit - 1) x 10, then weights 1,3,...,19; valid
// when the sum is a multiple of 89.
//   18123456789: 0+8+3+10+21+36+55+78+105+136+171 = 623 = 7 x 89
//   51824753556: 40+1+24+10+28+63+55+39+75+85+114 = 534 = 6 x 89
TEST(IsValidABN, AcceptsNumbersWhoseWeightedSumIsAMultipleOfEightyNine) {
    ExpectChecks(IsValidABN, {
                                 {"18123456789", true},
                                 {"51824753556", true},
                                 {"51 824 753 556", true},
                                 {"51-824-753-556", true},
                                 {"518247535569", true},  // only the first eleven digits count
                                 {"", true},
                                 {"18123456788", false},  // 622
                                 {"51824753557", false},  // 535
                                 {"518247535579", false},
                                 // Fewer than eleven digits or a leading 0 are not checked.
                                 {"1812345678", true},
                                 {"08123456789", true},
                                 {"abc", true},
                             });
}

TEST(IsValidABN, RefusesEverySingleDigitChange) {
    // 89 is prime and every weight is below it, so no change of one digit keeps the sum a
    // multiple of 89 (a first digit changed to 0 is let through unchecked, so +1 is used).
    const std::string valid = "18123456789";
    for (std::size_t i = 0; i < valid.size(); ++i) {
        std::string changed = valid;
        changed[i] = static_cast<char>('0' + (valid[i] - '0' + 1) % 10);
        ASSERT_NE(changed[0], '0');
        EXPECT_FALSE(IsValidABN(changed)) << changed;
    }
}

// Company number: weights 8,7,...,1 on digits 1 to 8, check digit C is digit 9.
//   123456780: 8+14+18+20+20+18+14+8 = 120, remainder 0, C = 0
//   004085616: 24+32+15+12+1 = 84, remainder 4, C = 6
//   000000019: sum 1 (at most 10), C = 9 makes 10
//   000000500: sum 5 x 2 = 10, C = 0 makes 10
TEST(IsValidACN, AcceptsNumbersWhoseCheckDigitCompletesTheSumToTen) {
    ExpectChecks(IsValidACN, {
                                 {"123456780", true},
                                 {"123 456 780", true},
                                 {"004085616", true},
                                 {"000000019", true},
                                 {"000000500", true},
                                 {"", true},
                                 {"123456781", false},
                                 {"004085617", false},
                                 {"000000018", false},
                                 {"000000505", false},
                                 {"000000000", false},  // sum 0 never passes
                                 {"0", false},
                                 {"12345678", false},
                                 {"1234567800", false},
                             });
}

// Superannuation fund number: weights 32,16,8,4,2,1,128,64 on digits 1 to 8, R = sum mod 11;
// check digit 0 when R is 10, else R.
//   100000000: 32, R = 10, C = 0
//   000000019: 64, R = 9, C = 9
//   123456780: 32+32+24+16+10+6+896+512 = 1528, R = 10, C = 0
TEST(IsValidSFN, AcceptsNumbersWhoseCheckDigitIsTheRemainder) {
    ExpectChecks(IsValidSFN, {
                                 {"100000000", true},
                                 {"1000 000 00", true},
                                 {"000000019", true},
                                 {"123456780", true},
                                 {"", true},
                                 {"100000001", false},
                                 {"000000018", false},
                                 {"123456789", false},
                                 {"0", false},
                                 {"10000000", false},
                                 {"1000000000", false},
                             });
}

// Document identification number: padded with zeros to eleven digits, the last two digits
// moved to the front, then the business-number sum.
//   12345678918 -> 18123456789: 623 = 7 x 89
//   000000099   -> 00000000099 -> 99000000000: 80+9 = 89
//   123456789   -> 00123456789 -> 89001234567: 70+9+7+18+33+52+75+102+133 = 499, remainder 54
TEST(IsValidDIN, AcceptsNumbersThatPassTheBusinessNumberSumAfterTheMove) {
    ExpectChecks(IsValidDIN, {
                                 {"12345678918", true},
                                 {"12 345 678 918", true},
                                 {"000000099", true},
                                 {"0000000099", true},
                                 {"", true},
                                 {"  ", true},
                                 {"123456789", false},
                                 {"12345678919", false},
                                 {"99", false},            // fewer than nine digits
                                 {"123456789180", false},  // more than eleven
                                 {"123456700", false},     // 00... after the move
                                 // -> 00020000000: sum -10 + 2 x 5 = 0, but a leading 0 is refused
                                 {"02000000000", false},
                                 {"abc", false},
                             });
}

// Employer group number: weights 10,7,8,4,6,3,5,1; valid when the sum is a multiple of 11.
//   12345677: 10+14+24+16+30+18+35+7 = 154 = 14 x 11
TEST(IsValidEGN, AcceptsNumbersWhoseWeightedSumIsAMultipleOfEleven) {
    ExpectChecks(IsValidEGN, {
                                 {"12345677", true},
                                 {"1234 5677", true},
                                 {"", true},
                                 {"12345678", false},
                                 {"00000000", false},  // sum 0, refused all the same
                                 {"0000 0000", false},
                                 {"0", false},
                                 {"1234567", false},
                                 {"123456770", false},
                             });
}

TEST(FormatIdentifiers, GroupsTheDigitsForDisplay) {
    struct Case {
        std::string (*format)(std::string_view);
        const char* text;
        const char* expected;
    } cases[] = {
        {FormatTFN, "876543210", "876 543 210"},
        {FormatTFN, "876 543 210", "876 543 210"},
        {FormatTFN, "87654322", "87 654 322"},
        {FormatTFN, "1234569", "1 234 569"},
        {FormatTFN, "12 34 56", "123456"},
        {FormatTFN, "8765432100", "8765432100"},
        {FormatTFN, "   ", ""},
        {FormatABN, "18123456789", "18 123 456 789"},
        {FormatABN, "123456789", "00 123 456 789"},
        {FormatABN, "181234567890", "18 123 456 789"},
        {FormatABN, "", ""},
        {FormatDIN, "12345678918", "12 345 678 918"},
        {FormatDIN, "12 345 678 918", "12 345 678 918"},
        {FormatACN, "123456780", "123 456 780"},
        {FormatACN, "4085616", "004 085 616"},
        {FormatSFN, "100000000", "1000 000 00"},
        {FormatSFN, "1", "0000 000 01"},
        {FormatEGN, "12345677", "123 456 77"},
        {FormatEGN, "1", "000 000 01"},
        {FormatEGN, " ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.format(c.text), c.expected) << c.text;
}

TEST(StateCodeAfterKey, TurnsOneLetterIntoAStateCode) {
    struct Case {
        char key;
        const char* text;
        std::size_t selStart, selLength;
        const char* expected;
    } cases[] = {
        {'A', "", 0, 0, "ACT"},   {'w', "", 0, 0, "WA"},     {'q', "SA", 2, 0, "QLD"},
        {'V', "", 0, 0, "VIC"},   {'\b', "NSW", 3, 0, ""},   {'S', "", 0, 0, "SA"},
        {'T', "", 0, 0, "TAS"},   {'t', "WA", 1, 0, "TAS"},  {'s', "SA", 1, 0, "SA"},
        // After N the first character is selected, or the caret stands right after it.
        {'T', "NSW", 0, 1, "NT"}, {'S', "NSW", 0, 1, "NSW"}, {'t', "NSW", 1, 0, "NT"},
        {'T', "NT", 1, 0, "NT"},  {'S', "NT", 1, 0, "NSW"},
        // Anywhere else in an N text, S and T start over.
        {'T', "NSW", 0, 0, "TAS"}, {'S', "NSW", 3, 0, "SA"}, {'T', "NSW", 0, 3, "TAS"},
    };
    for (const auto& c : cases) {
        const auto result = StateCodeAfterKey(c.key, c.text, c.selStart, c.selLength);
        ASSERT_TRUE(result.has_value()) << c.key << ' ' << c.text;
        EXPECT_EQ(result->text, c.expected) << c.key << ' ' << c.text;
        EXPECT_FALSE(result->selectFirst) << c.key;
    }
}

TEST(StateCodeAfterKey, SelectsTheFirstCharacterAfterN) {
    for (char key : {'N', 'n'}) {
        const auto result = StateCodeAfterKey(key, "VIC", 3, 0);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->text, "NSW");
        EXPECT_TRUE(result->selectFirst);
    }
}

TEST(StateCodeAfterKey, LeavesTheTextForOtherKeys) {
    for (char key : {'1', 'B', 'z', ' ', '\r', '\x95', '\xE1', '\x7F', '\xFF'})
        EXPECT_FALSE(StateCodeAfterKey(key, "QLD", 0, 0).has_value()) << int(key);
}

}  // namespace
}  // namespace ftb::controls
