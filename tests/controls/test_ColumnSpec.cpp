#include <gtest/gtest.h>

#include "controls/core/ColumnSpec.h"

namespace ftb::controls {
namespace {

std::string AllowedChars(const CharSet& set) {
    std::string chars;
    for (int code = 0; code < 256; ++code)
        if (set.test(static_cast<std::size_t>(code))) chars += static_cast<char>(code);
    return chars;
}

TEST(ColumnSpecTest, DefaultSpecificationIsAnUnrestrictedTextColumn) {
    const TColumnSpec spec = ParseColumnSpec(kDefaultColumnSpec);
    EXPECT_EQ(spec.title, "Title");
    EXPECT_EQ(spec.titleAlignment, tlLeft);
    EXPECT_EQ(spec.type, ctText);
    EXPECT_EQ(spec.maxLength, 30);
    EXPECT_FALSE(spec.calculated || spec.button || spec.readOnly || spec.noTotal);
    EXPECT_TRUE(spec.allowed.none());
    EXPECT_TRUE(spec.items.empty());
    EXPECT_EQ(spec.buttonStyle, bsNone);
}

TEST(ColumnSpecTest, PicklistColumnReadsEveryPositionAroundTheItems) {
    const TColumnSpec spec = ParseColumnSpec(
        "Marital status OR spouse name|2|0|150|7|F|T|1|a..c,x|3|9|4|1|4|Dick|Harry|Tom|Single|T|T");
    EXPECT_EQ(spec.title, "Marital status OR spouse name");
    EXPECT_EQ(spec.titleAlignment, tlCentre);
    EXPECT_EQ(spec.maxLength, 150);
    EXPECT_EQ(spec.hintIndex, 7);
    EXPECT_FALSE(spec.calculated);
    EXPECT_TRUE(spec.button);
    EXPECT_EQ(spec.charCase, ccUpper);
    EXPECT_EQ(spec.validChars, "a..c,x");
    EXPECT_EQ(AllowedChars(spec.allowed), "abcx");
    EXPECT_EQ(spec.minValue, 3);
    EXPECT_EQ(spec.maxValue, 9);
    EXPECT_EQ(spec.dropdownRows, 4);
    EXPECT_TRUE(spec.IsPicklistColumn());
    EXPECT_TRUE(spec.ChecksPicklist());
    EXPECT_EQ(spec.items, (data::TextList{"Dick", "Harry", "Tom", "Single"}));
    EXPECT_TRUE(spec.noTotal);
    EXPECT_TRUE(spec.readOnly);
}

TEST(ColumnSpecTest, NumericColumnTakesDecimalsNegativesAndRange) {
    const TColumnSpec percent = ParseColumnSpec("Agreed percentage|2|1|3|0|F|F|0|F|0|100||-1|0|F|");
    EXPECT_EQ(percent.type, ctNumeric);
    EXPECT_EQ(percent.maxLength, 3);
    EXPECT_EQ(percent.decimals, 0);
    EXPECT_FALSE(percent.negatives);
    EXPECT_EQ(percent.minValue, 0);
    EXPECT_EQ(percent.maxValue, 100);
    EXPECT_TRUE(percent.HasRange());
    EXPECT_EQ(percent.buttonStyle, bsNone);
    EXPECT_EQ(AllowedChars(percent.allowed), "0123456789");

    const TColumnSpec amount = ParseColumnSpec("Value|2|1|10|0|F|F|2|T||||-1|0|F|");
    EXPECT_EQ(amount.decimals, 2);
    EXPECT_TRUE(amount.negatives);
    EXPECT_FALSE(amount.HasRange());
    EXPECT_EQ(AllowedChars(amount.allowed), "-.0123456789");
}

TEST(ColumnSpecTest, DerivedSettingsByType) {
    struct Case {
        const char* line;
        TColumnType type;
        int maxLength;
        const char* allowed;
    };
    const Case cases[] = {
        // A date column ignores field 8 ("-1" would be a bad notation) and keeps at least 10.
        {"Start\rdate|2|2|8||F|F||-1|0|", ctDate, 10, "/0123456789"},
        {"Start Date|2|2|30|0|F|F||-1|0|", ctDate, 30, "/0123456789"},
        {"ABN|0|3|4|0|F|F|5|x", ctABN, 11, "0123456789"},
        {"TFN|0|4|40", ctTFN, 9, "0123456789"},
        {"Odd type|0|9|12", ctText, 12, ""},
        {"Unreadable numbers|x|1x|", ctText, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const TColumnSpec spec = ParseColumnSpec(c.line);
        EXPECT_EQ(spec.type, c.type);
        EXPECT_EQ(spec.maxLength, c.maxLength);
        EXPECT_EQ(AllowedChars(spec.allowed), c.allowed);
        EXPECT_EQ(spec.decimals, 0);
    }
    EXPECT_EQ(ParseColumnSpec("Start\rdate").title, "Start\rdate");
}

TEST(ColumnSpecTest, FlagsAreOnlyAnExactT) {
    for (const char* flag : {"t", "TRUE", " T", "1", ""}) {
        SCOPED_TRACE(flag);
        EXPECT_FALSE(ParseColumnSpec(std::string("A|0|0|5|0|") + flag).calculated);
    }
    EXPECT_TRUE(ParseColumnSpec("A|0|0|5|0|T").calculated);
}

TEST(ColumnSpecTest, FaultsLeaveTheLaterFieldsAtTheirDefaults) {
    // A two-character element of the valid characters, then a max length above 255 and one
    // below 0: everything after the fault is unread, though the line names a pick list.
    for (const char* line :
         {"Name|1|0|20|4|T|T|1|ab,c|0|9|4|1|2|x|y|T|T", "Name|1|0|256|4|T|T|1||0|9|4|1|2|x|y|T|T",
          "Name|1|0|-1|4|T|T|1||0|9|4|1|2|x|y|T|T"}) {
        SCOPED_TRACE(line);
        const TColumnSpec spec = ParseColumnSpec(line);
        EXPECT_EQ(spec.title, "Name");
        EXPECT_EQ(spec.titleAlignment, tlRight);
        EXPECT_TRUE(spec.items.empty());
        EXPECT_EQ(spec.buttonStyle, bsNone);
        EXPECT_FALSE(spec.readOnly || spec.noTotal);
        EXPECT_EQ(spec.maxValue, 0);
        EXPECT_TRUE(spec.allowed.none());
    }
    const TColumnSpec badChars = ParseColumnSpec("Name|1|0|20|4|T|T|1|ab,c|0|9");
    EXPECT_EQ(badChars.maxLength, 20);
    EXPECT_TRUE(badChars.calculated && badChars.button);  // read before the fault
    EXPECT_EQ(ParseColumnSpec("Name|1|0|300|4|T").maxLength, kMaxColumnLength);
    EXPECT_FALSE(ParseColumnSpec("Name|1|0|300|4|T").calculated);
}

TEST(ColumnSpecTest, ItemCountIsCutToTheFieldsPresent) {
    const TColumnSpec many = ParseColumnSpec("P|0|0|9|0|F|T|0||||10|1|2000000000|a|b");
    EXPECT_EQ(many.items, (data::TextList{"a", "b"}));
    EXPECT_FALSE(many.readOnly);
    EXPECT_TRUE(ParseColumnSpec("P|0|0|9|0|F|T|0||||10|1|-3|a|T|T").items.empty());
    // Placeholder lists with an empty last item, as the screens write them.
    const TColumnSpec recipient =
        ParseColumnSpec("Recipient|2|0|150|0|F|T|0||||10|1|11|You|1|2|3|4|5|6|7|8|9||");
    ASSERT_EQ(recipient.items.size(), 11u);
    EXPECT_EQ(recipient.items.front(), "You");
    EXPECT_EQ(recipient.items.back(), "");
    EXPECT_EQ(recipient.dropdownRows, 10);
}

}  // namespace
}  // namespace ftb::controls
