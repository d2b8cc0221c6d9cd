// The period-table checks over a real grid: each case is a table of rows and the messages the
// claimant must see.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assessment/Calendar.h"
#include "controls/MyGrids.h"
#include "interview/TableChecks.h"
#include "platform/RecordingDialogs.h"

namespace {

using ftb::controls::TMyGrid;
using ftb::data::Date;
using ftb::interview::CheckPeriodTable;
using ftb::interview::DateOrder;
using ftb::interview::DateOverlap;
using ftb::interview::GridHasData;
using ftb::interview::PeriodCoverage;
using ftb::interview::RequiredCells;
using Rows = std::vector<std::vector<std::string>>;

constexpr Date kYearStart = ftb::assessment::kYearStart;
constexpr Date kYearEnd = ftb::assessment::kYearEnd;

const std::string kOrderMessage =
    "You have at least one instance where dates on a table in this screen are in an incorrect "
    "order (i.e. from or start date is later than to or end date) please edit the table to "
    "correct this error before moving on.";

std::string OverlapMessage(const std::string& date) {
    return "You have at least one overlapping date in a table on this screen (" + date +
           ") please edit the table so there are no overlapping dates before moving on. Note "
           "date periods are inclusive of the from and to dates.";
}

std::string CoverageMessage(const std::string& missing) {
    return "Information regarding the whole period from 01/07/2001 to 30/06/2002 has not been "
           "entered.\r\n\r\nAt least one date " +
           missing + " is missing. Please check this table covers the whole period before moving on.";
}

std::string RequiredMessage(const std::string& header) {
    return "At least one instance of required field \"" + header +
           "\" is blank. Please fill in this field before moving on.";
}

// A table with the header "Name", "From", "To", "Amount" and the given data rows.
class TableChecks : public ::testing::Test {
protected:
    ftb::platform::RecordingDialogs dialogs;
    TMyGrid table{nullptr, dialogs};

    void Fill(const Rows& rows) {
        table.SetColCount(4);
        table.SetRowCount(static_cast<int>(rows.size()) + 1);
        const char* headers[] = {"Name", "From", "To", "Amount"};
        for (int col = 0; col < 4; ++col) table.SetCells(col, 0, headers[col]);
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (std::size_t col = 0; col < rows[row].size(); ++col)
                table.SetCells(static_cast<int>(col), static_cast<int>(row) + 1, rows[row][col]);
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : dialogs.shown) {
            EXPECT_EQ(box.title, "Error");
            texts.push_back(box.text);
        }
        return texts;
    }
};

struct DateCase {
    const char* name;
    Rows rows;
    bool order, overlap, coverage;
    std::string overlapDate, missingDay;  // named in the messages
};

class DateChecks : public TableChecks, public ::testing::WithParamInterface<DateCase> {};

TEST_P(DateChecks, EachCheckPassesOrNamesTheDate) {
    const DateCase& c = GetParam();
    Fill(c.rows);
    EXPECT_EQ(DateOrder(table, 1, 2, true, dialogs), c.order);
    EXPECT_EQ(DateOverlap(table, 1, 2, true, dialogs), c.overlap);
    EXPECT_EQ(PeriodCoverage(table, 1, 2, kYearStart, kYearEnd, true, dialogs), c.coverage);
    std::vector<std::string> expected;
    if (!c.order) expected.push_back(kOrderMessage);
    if (!c.overlap) expected.push_back(OverlapMessage(c.overlapDate));
    if (!c.coverage) expected.push_back(CoverageMessage(c.missingDay));
    EXPECT_EQ(Messages(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Periods, DateChecks,
    ::testing::Values(
        DateCase{"two_halves_cover_the_year",
                 {{"a", "01/07/2001", "31/12/2001"}, {"b", "01/01/2002", "30/06/2002"}},
                 true, true, true, "", ""},
        DateCase{"shared_day_overlaps_as_periods_are_inclusive",
                 {{"a", "01/07/2001", "01/01/2002"}, {"b", "01/01/2002", "30/06/2002"}},
                 true, false, true, "01/01/2002", ""},
        DateCase{"contained_period_is_found_through_its_own_dates",
                 {{"a", "01/07/2001", "30/06/2002"}, {"b", "02/02/2002", "02/02/2002"}},
                 true, false, true, "02/02/2002", ""},
        DateCase{"last_day_missing", {{"a", "01/07/2001", "29/06/2002"}}, true, true, false, "",
                 "30/06/2002"},
        DateCase{"gap_in_the_middle",
                 {{"a", "01/07/2001", "14/03/2002"}, {"b", "16/03/2002", "30/06/2002"}},
                 true, true, false, "", "15/03/2002"},
        DateCase{"reversed_row",
                 {{"a", "30/06/2002", "01/07/2001"}}, false, true, false, "", "01/07/2001"},
        DateCase{"equal_dates_are_in_order", {{"a", "01/07/2001", "01/07/2001"}}, true, true,
                 false, "", "02/07/2001"},
        DateCase{"row_with_one_date_takes_no_part",
                 {{"a", "01/07/2001", "30/06/2002"}, {"b", "01/01/2002", ""}}, true, true, true,
                 "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct RequiredCase {
    const char* name;
    Rows rows;
    const char* optional;
    std::vector<std::string> headersNamed;
};

class RequiredChecks : public TableChecks, public ::testing::WithParamInterface<RequiredCase> {};

TEST_P(RequiredChecks, EveryFailingRowNamesItsFirstBlankRequiredColumn) {
    const RequiredCase& c = GetParam();
    Fill(c.rows);
    EXPECT_EQ(RequiredCells(table, c.optional, true, dialogs), c.headersNamed.empty());
    std::vector<std::string> expected;
    for (const auto& header : c.headersNamed) expected.push_back(RequiredMessage(header));
    EXPECT_EQ(Messages(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, RequiredChecks,
    ::testing::Values(
        RequiredCase{"optional_column_may_stay_empty", {{"a", "01/07/2001", "30/06/2002", ""}},
                     "3", {}},
        RequiredCase{"blank_required_column_is_named", {{"a", "", "30/06/2002", ""}}, "3",
                     {"From"}},
        RequiredCase{"empty_row_passes", {{"", "", "", ""}}, "", {}},
        RequiredCase{"two_failing_rows_give_two_messages",
                     {{"a", "01/07/2001", "", "1"}, {"", "", "", "5"}}, "", {"To", "Name"}},
        // "13" lists column 13, not 1 or 3.
        RequiredCase{"column_numbers_are_matched_whole", {{"a", "", "x", ""}}, "13",
                     {"From"}},
        RequiredCase{"several_optional_columns", {{"a", "", "", "1"}}, "1,2", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableChecks, CheckPeriodTableRunsAllFourAndReportsEachFault) {
    Fill({{"a", "01/07/2001", "01/01/2002", ""}, {"", "01/01/2002", "29/06/2002", "1"}});
    EXPECT_FALSE(CheckPeriodTable(table, 1, 2, true, "3", kYearStart, kYearEnd, dialogs));
    EXPECT_EQ(Messages(), (std::vector<std::string>{RequiredMessage("Name"),
                                                    CoverageMessage("30/06/2002"),
                                                    OverlapMessage("01/01/2002")}));
}

TEST_F(TableChecks, WithoutTheShowFlagNothingIsShown) {
    Fill({{"a", "30/06/2002", "01/07/2001", ""}});
    EXPECT_FALSE(CheckPeriodTable(table, 1, 2, false, "", kYearStart, kYearEnd, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TableChecks, UnreadableDateFailsTheCheckWithTheFormatMessage) {
    Fill({{"a", "31/02/2002", "30/06/2002"}});
    EXPECT_FALSE(DateOrder(table, 1, 2, true, dialogs));
    EXPECT_FALSE(DateOverlap(table, 1, 2, true, dialogs));
    EXPECT_FALSE(PeriodCoverage(table, 1, 2, kYearStart, kYearEnd, true, dialogs));
    EXPECT_EQ(Messages(), std::vector<std::string>(3, "Enter date in dd/mm/yyyy format"));
}

TEST_F(TableChecks, FirstDayAfterLastDayFailsWithoutMessage) {
    Fill({{"a", "01/07/2001", "30/06/2002"}});
    EXPECT_FALSE(PeriodCoverage(table, 1, 2, kYearEnd, kYearStart, true, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TableChecks, GridHasDataLooksAtDataRowsOnly) {
    Fill({{"", "", "", ""}});
    EXPECT_FALSE(GridHasData(table));
    table.SetCells(3, 1, "5");
    EXPECT_TRUE(GridHasData(table));
}

}  // namespace
