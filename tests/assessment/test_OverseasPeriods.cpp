#include "assessment/OverseasPeriods.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ftb::assessment {
namespace {

// A long stay abroad that qualifies as the first row and lies before the income year.
const OverseasRow kLongStay{"01/07/1998", "31/12/1998"};
// A trip inside the income year.
const OverseasRow kTripInYear{"01/09/2001", "20/09/2001"};

const OverseasMessages& M() { return ClaimantOverseasMessages(); }

struct Case {
    const char* name;
    std::vector<OverseasRow> rows;
    bool backwardMove;
    // Empty: every check passes.
    std::string message;
    int row;
};

std::string OverlapText(const std::string& period, const std::string& other) {
    return "Dates for periods oversaes are can not overlap.\rThe period " + period +
           " overlaps with\rthe period " + other + ".";
}

std::vector<Case> Cases() {
    return {
        // The 26-week first row: counted from 1 July 1998, departure and return days excluded.
        {"first row 171 days from 1 July 1998", {{"01/01/1998", "20/12/1998"}, kTripInYear},
         false, M().firstPeriodTooShort, 1},
        {"first row of exactly 182 days", {kLongStay, kTripInYear}, false, "", 0},
        {"first row 181 days", {{"01/07/1998", "30/12/1998"}, kTripInYear}, false,
         M().firstPeriodTooShort, 1},
        {"first row still open is not measured", {{"15/06/2001", ""}}, false, "", 0},
        {"short first row is refused during Prev too", {{"01/08/2001", "10/08/2001"}}, true,
         M().firstPeriodTooShort, 1},
        // Each row's dates, from the first row.
        {"return without departure", {kLongStay, {"", "05/10/2001"}, {"", "05/11/2001"}}, false,
         M().returnWithoutDeparture, 2},
        {"return before departure", {kLongStay, kTripInYear, {"10/03/2002", "01/03/2002"}},
         false, M().returnBeforeDeparture, 3},
        {"row errors come before the income-year test", {kLongStay, {"", "01/01/1999"}}, false,
         M().returnWithoutDeparture, 2},
        // At least one period in the income year, not asked during a backward move.
        {"only periods before the year", {kLongStay, {"01/01/2000", "01/03/2000"}}, false,
         M().noPeriodInYear, 0},
        {"only periods before the year, backward move",
         {kLongStay, {"01/01/2000", "01/03/2000"}}, true, "", 0},
        {"an empty table", {}, false, M().noPeriodInYear, 0},
        {"an empty table, backward move", {}, true, "", 0},
        {"back on the first day of the year is not in it", {kLongStay, {"01/06/2001", "01/07/2001"}},
         false, M().noPeriodInYear, 0},
        {"leaving on the last day of the year is not in it", {kLongStay, {"30/06/2002", ""}},
         false, M().noPeriodInYear, 0},
        {"back on the second day of the year", {kLongStay, {"01/06/2001", "02/07/2001"}}, false,
         "", 0},
        {"still away since before the year", {kLongStay, {"01/03/2001", ""}}, false, "", 0},
        // Overlaps: a blank return reads as 1 January 3000.
        {"closed row inside an earlier open one",
         {{"01/01/2000", ""}, {"01/03/2001", "01/04/2001"}}, false,
         OverlapText("01/03/2001 to 01/04/2001", "01/01/2000 to 01/01/3000"), 2},
        {"open row departing inside a closed one",
         {kLongStay, {"01/03/2001", ""}, {"01/01/2001", "01/06/2001"}}, false,
         OverlapText("01/03/2001 to 01/01/3000", "01/01/2001 to 01/06/2001"), 2},
        {"a return on the day of the next departure overlaps",
         {kLongStay, {"01/08/2001", "01/09/2001"}, {"01/09/2001", "15/09/2001"}}, false,
         OverlapText("01/08/2001 to 01/09/2001", "01/09/2001 to 15/09/2001"), 2},
        {"overlaps are refused during Prev too",
         {kLongStay, {"01/08/2001", "01/10/2001"}, {"01/09/2001", "15/09/2001"}}, true,
         OverlapText("01/09/2001 to 15/09/2001", "01/08/2001 to 01/10/2001"), 3},
        // Cells that are not dates never pass.
        {"a cell that is not a date", {kLongStay, {"31/02/2002", ""}}, false,
         "Enter date in dd/mm/yyyy format", 2},
    };
}

TEST(OverseasPeriods, ChecksInOrderAndReportsTheRowToSelect) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const std::optional<OverseasFailure> failure =
            CheckOverseasPeriods(c.rows, M(), c.backwardMove);
        if (c.message.empty()) {
            EXPECT_FALSE(failure.has_value()) << failure->message;
            continue;
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(failure->row, c.row);
    }
}

TEST(OverseasPeriods, UsesTheMessagesItIsGiven) {
    const OverseasMessages own{"first", "no departure", "order", "not this year"};
    EXPECT_EQ(CheckOverseasPeriods({{"01/01/2001", "02/01/2001"}}, own, false)->message, "first");
    EXPECT_EQ(CheckOverseasPeriods({kLongStay, {"", "01/01/2002"}}, own, false)->message,
              "no departure");
    EXPECT_EQ(CheckOverseasPeriods({kLongStay, {"02/01/2002", "01/01/2002"}}, own, false)->message,
              "order");
    EXPECT_EQ(CheckOverseasPeriods({kLongStay}, own, false)->message, "not this year");
}

TEST(OverseasPeriods, ReadsStoredPairsAndFindsTheFirstOpenDeparture) {
    const std::vector<OverseasRow> rows =
        OverseasRowsOf({"01/01/1999", "01/01/2000", "", "", "15/06/2001", " ", "20/06/2001"});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].departure, "20/06/2001");
    EXPECT_EQ(rows[3].returned, "");
    EXPECT_EQ(FirstOpenDeparture(rows), "15/06/2001");
    EXPECT_EQ(FirstOpenDeparture(OverseasRowsOf({"01/01/1999", "01/01/2000"})), "");
}

}  // namespace
}  // namespace ftb::assessment
