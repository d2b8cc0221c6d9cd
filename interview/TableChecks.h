#pragma once
// The checks of period tables: row 0 is the header, data rows are 1 to the last, each period
// runs from its from date to its to date inclusive. A row takes part in the date checks only
// when both its date cells are filled. Each check shows its message only when show is set; a
// date cell that cannot be read fails the check it is met in with the date format message.
// Screens pass the income year as assessment::kYearStart and kYearEnd.
#include <string_view>

#include "data/Dates.h"
#include "platform/Dialogs.h"

namespace ftb::controls {
class TMyGrid;
}

namespace ftb::interview {

// Every started row has its required cells; optional lists the optional columns ("2,3").
bool RequiredCells(const controls::TMyGrid& table, std::string_view optional, bool show,
                   platform::Dialogs& dialogs);
// No period ends before it starts.
bool DateOrder(const controls::TMyGrid& table, int fromCol, int toCol, bool show,
               platform::Dialogs& dialogs);
// No date of a period lies in another row's period.
bool DateOverlap(const controls::TMyGrid& table, int fromCol, int toCol, bool show,
                 platform::Dialogs& dialogs);
// Every day from first to last lies in some period.
bool PeriodCoverage(const controls::TMyGrid& table, int fromCol, int toCol, data::Date first,
                    data::Date last, bool show, platform::Dialogs& dialogs);
// All four checks above, each run whatever the others found; true when all pass.
bool CheckPeriodTable(const controls::TMyGrid& table, int fromCol, int toCol, bool show,
                      std::string_view optional, data::Date first, data::Date last,
                      platform::Dialogs& dialogs);
// True when some data row has a cell that is not empty.
bool GridHasData(const controls::TMyGrid& table);

}  // namespace ftb::interview
