#pragma once
// The checks of a table of periods overseas (departure, return; a blank return: still away or
// left for good), shared by the claimant's table and each dependant's. Each owner gives its own
// messages; the checks run in a fixed order and report the first failure with the table row to
// select.
#include <optional>
#include <string>
#include <vector>

#include "data/FieldStore.h"

namespace ftb::assessment {

// One row of the table as its cells read.
struct OverseasRow {
    std::string departure;
    std::string returned;
};

// The messages of the checks. The overlap message is built from the two periods.
struct OverseasMessages {
    // The first row is shorter than 26 weeks counted from 1 July 1998.
    std::string firstPeriodTooShort;
    // A row has a return but no departure.
    std::string returnWithoutDeparture;
    // A row returns before it departs.
    std::string returnBeforeDeparture;
    // No row lies in the income year.
    std::string noPeriodInYear;
};

// The messages of the claimant's own table.
const OverseasMessages& ClaimantOverseasMessages();

// The failed check: its message and the table row to select (the first row is 1; 0: none).
struct OverseasFailure {
    std::string message;
    int row = 0;
};

// Runs the checks in order: the first row's length (at least 182 days away), each row's dates,
// at least one period in the income year (skipped with `backwardMove`), no overlaps. A blank
// return is read as 1 January 3000 in the overlap check. A cell that is not a date fails with
// the date format message at its row. Nothing when every check passes.
std::optional<OverseasFailure> CheckOverseasPeriods(const std::vector<OverseasRow>& rows,
                                                    const OverseasMessages& messages,
                                                    bool backwardMove);

// The rows of a stored table: its text list read in (departure, return) pairs; a lone last cell
// is a departure without a return.
std::vector<OverseasRow> OverseasRowsOf(const data::TextList& list);

// The departure text, as stored, of the first row with a departure and no return; empty when
// there is none.
std::string FirstOpenDeparture(const std::vector<OverseasRow>& rows);

}  // namespace ftb::assessment
