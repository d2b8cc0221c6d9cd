#include "data/Dates.h"

#include <gtest/gtest.h>

namespace ftb::data {
namespace {

using namespace std::chrono;

constexpr sys_days Ymd(int y, unsigned m, unsigned d) {
    return sys_days{year{y} / month{m} / day{d}};
}

TEST(ExpandTwoDigitYear, PlacesTheYearInTheWindowOfTheRule) {
    struct Case {
        int yy;
        TwoDigitYears rule;
        int expected;
    } cases[] = {
        {0, TwoDigitYears::MainWindow, 2000},  {12, TwoDigitYears::MainWindow, 2012},
        {13, TwoDigitYears::MainWindow, 1913}, {99, TwoDigitYears::MainWindow, 1999},
        {70, TwoDigitYears::MainWindow, 1970}, {0, TwoDigitYears::EntryField, 2000},
        {51, TwoDigitYears::EntryField, 2051}, {52, TwoDigitYears::EntryField, 1952},
        {99, TwoDigitYears::EntryField, 1999}, {13, TwoDigitYears::EntryField, 2013},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandTwoDigitYear(c.yy, c.rule), c.expected)
            << c.yy << (c.rule == TwoDigitYears::MainWindow ? " main" : " entry");
}

TEST(ParseDate, ReadsValidDayMonthYearTexts) {
    struct Case {
        const char* text;
        TwoDigitYears rule;
        sys_days expected;
    } cases[] = {
        {"01/07/2001", TwoDigitYears::MainWindow, Ymd(2001, 7, 1)},
        {"30/06/2002", TwoDigitYears::MainWindow, Ymd(2002, 6, 30)},
        {"1/7/2001", TwoDigitYears::MainWindow, Ymd(2001, 7, 1)},
        {"  01/07/2001  ", TwoDigitYears::MainWindow, Ymd(2001, 7, 1)},
        {" 1/ 7/2001", TwoDigitYears::MainWindow, Ymd(2001, 7, 1)},
        {"29/02/2000", TwoDigitYears::MainWindow, Ymd(2000, 2, 29)},
        {"29/02/1996", TwoDigitYears::MainWindow, Ymd(1996, 2, 29)},
        {"31/12/9999", TwoDigitYears::MainWindow, Ymd(9999, 12, 31)},
        {"01/01/0100", TwoDigitYears::MainWindow, Ymd(100, 1, 1)},
        // A year of three or four digits is taken as written, even when it is below 100.
        {"01/01/070", TwoDigitYears::MainWindow, Ymd(70, 1, 1)},
        // One- and two-digit years, at the edges of both windows.
        {"01/01/12", TwoDigitYears::MainWindow, Ymd(2012, 1, 1)},
        {"01/01/13", TwoDigitYears::MainWindow, Ymd(1913, 1, 1)},
        {"01/01/70", TwoDigitYears::MainWindow, Ymd(1970, 1, 1)},
        {"01/01/5", TwoDigitYears::MainWindow, Ymd(2005, 1, 1)},
        {"01/01/51", TwoDigitYears::EntryField, Ymd(2051, 1, 1)},
        {"01/01/52", TwoDigitYears::EntryField, Ymd(1952, 1, 1)},
        {"15/01/99", TwoDigitYears::EntryField, Ymd(1999, 1, 15)},
        {"01/07/01", TwoDigitYears::EntryField, Ymd(2001, 7, 1)},
        {"29/02/00", TwoDigitYears::EntryField, Ymd(2000, 2, 29)},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseDate(c.text, c.rule);
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(*parsed, c.expected) << c.text;
    }
}

TEST(ParseDate, UsesTheMainWindowUnlessTold) {
    EXPECT_EQ(ParseDate("01/01/30"), Ymd(1930, 1, 1));
    EXPECT_EQ(ParseDate("01/01/30", TwoDigitYears::EntryField), Ymd(2030, 1, 1));
}

TEST(ParseDate, RefusesTextsThatAreNoValidDate) {
    const char* cases[] = {
        "",           "   ",         "/  /",        "  /  /    ",  "31/02/2001",
        "29/02/2001", "29/02/1900",  "00/01/2001",  "01/00/2001",  "32/01/2001",
        "01/13/2001", "31/04/2001",  "abc",         "01-07-2001",  "01/07",
        "01/07/",     "/07/2001",    "01//2001",    "01/07/2001/", "01/07/2001/5",
        "001/07/2001", "01/007/2001", "01/07/20011", "01/07/0000", "01/07/000",
        "+1/07/2001", "01/07/2001x", "1 2/07/2001", "01/07/20 01", "01/07/2001\t",
    };
    for (const char* text : cases) {
        EXPECT_FALSE(ParseDate(text).has_value()) << '"' << text << '"';
        EXPECT_FALSE(ParseDate(text, TwoDigitYears::EntryField).has_value()) << '"' << text << '"';
    }
}

TEST(ParseDate, ReadsTextsThatAreNotNullTerminated) {
    const std::string_view longer = "01/07/20015";
    EXPECT_EQ(ParseDate(longer.substr(0, 10)), Ymd(2001, 7, 1));
    EXPECT_EQ(ParseDate(longer.substr(0, 8)), Ymd(1920, 7, 1));
}

TEST(ExpandDigitDate, InsertsSeparatorsIntoSixAndEightDigitForms) {
    EXPECT_EQ(ExpandDigitDate("010701"), "01/07/01");
    EXPECT_EQ(ExpandDigitDate("31022002"), "31/02/2002");
    const char* notDigitForms[] = {"", "01071", "0107011", "010701011", "01/07/01", "0107 1",
                                   "01x70101"};
    for (const char* text : notDigitForms)
        EXPECT_FALSE(ExpandDigitDate(text).has_value()) << '"' << text << '"';
}

TEST(ExpandDigitDate, FeedsTheEntryFieldReading) {
    EXPECT_EQ(ParseDate(*ExpandDigitDate("150199"), TwoDigitYears::EntryField), Ymd(1999, 1, 15));
    EXPECT_FALSE(ParseDate(*ExpandDigitDate("31022002"), TwoDigitYears::EntryField).has_value());
}

TEST(FormatDate, WritesTwoDigitDayAndMonthAndFourDigitYear) {
    EXPECT_EQ(FormatDate(Ymd(2001, 7, 1)), "01/07/2001");
    EXPECT_EQ(FormatDate(Ymd(1999, 12, 31)), "31/12/1999");
    EXPECT_EQ(FormatDate(Ymd(70, 1, 5)), "05/01/0070");
    for (const char* text : {"01/07/2001", "29/02/2000", "31/12/1899", "01/01/0001"})
        EXPECT_EQ(FormatDate(*ParseDate(text)), text);
}

TEST(DayNumber, CountsDaysFromThirtiethDecember1899) {
    EXPECT_EQ(DayNumber(Ymd(1899, 12, 30)), 0);
    EXPECT_EQ(DayNumber(Ymd(1899, 12, 29)), -1);
    EXPECT_EQ(DayNumber(Ymd(1900, 3, 1)), 61);
    EXPECT_EQ(DayNumber(Ymd(2001, 7, 1)), 37073);
    EXPECT_EQ(DayNumber(Ymd(2002, 6, 30)), 37437);
}

}  // namespace
}  // namespace ftb::data
