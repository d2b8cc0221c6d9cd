#include "interview/TableChecks.h"

#include <optional>
#include <string>
#include <vector>

#include "controls/MyGrids.h"

namespace ftb::interview {

namespace {

using data::Date;

struct Period {
    int row;
    Date from;
    Date to;
};

void Report(bool show, platform::Dialogs& dialogs, const std::string& message) {
    if (show) dialogs.Error(message);
}

// The periods of the rows whose two date cells are filled, in row order. Nothing when a filled
// cell is not a date: the check that meets it fails with the date format message.
std::optional<std::vector<Period>> ReadPeriods(const controls::TMyGrid& table, int fromCol,
                                               int toCol, bool show, platform::Dialogs& dialogs) {
    std::vector<Period> periods;
    for (int row = 1; row < table.RowCount(); ++row) {
        const std::string fromText = table.Cells(fromCol, row);
        const std::string toText = table.Cells(toCol, row);
        if (fromText.empty() || toText.empty()) continue;
        const std::optional<Date> from = data::ParseDate(fromText);
        const std::optional<Date> to = data::ParseDate(toText);
        if (!from || !to) {
            Report(show, dialogs, data::kDateFormatMessage);
            return std::nullopt;
        }
        periods.push_back({row, *from, *to});
    }
    return periods;
}

}  // namespace

bool RequiredCells(const controls::TMyGrid& table, std::string_view optional, bool show,
                   platform::Dialogs& dialogs) {
    const std::string wrapped = "," + std::string(optional) + ",";
    auto isRequired = [&wrapped](int col) {
        return wrapped.find("," + std::to_string(col) + ",") == std::string::npos;
    };
    bool passed = true;
    for (int row = 1; row < table.RowCount(); ++row) {
        bool allEmpty = true;
        int firstBlankRequired = -1;
        for (int col = 0; col < table.ColCount(); ++col) {
            const bool empty = table.Cells(col, row).empty();
            if (!empty) allEmpty = false;
            if (empty && firstBlankRequired < 0 && isRequired(col)) firstBlankRequired = col;
            if (!allEmpty && firstBlankRequired >= 0) {
                passed = false;
                Report(show, dialogs,
                       "At least one instance of required field \"" +
                           table.Cells(firstBlankRequired, 0) +
                           "\" is blank. Please fill in this field before moving on.");
                break;
            }
        }
    }
    return passed;
}

bool DateOrder(const controls::TMyGrid& table, int fromCol, int toCol, bool show,
               platform::Dialogs& dialogs) {
    const auto periods = ReadPeriods(table, fromCol, toCol, show, dialogs);
    if (!periods) return false;
    for (const Period& period : *periods) {
        if (period.to < period.from) {
            Report(show, dialogs,
                   "You have at least one instance where dates on a table in this screen are in "
                   "an incorrect order (i.e. from or start date is later than to or end date) "
                   "please edit the table to correct this error before moving on.");
            return false;
        }
    }
    return true;
}

bool DateOverlap(const controls::TMyGrid& table, int fromCol, int toCol, bool show,
                 platform::Dialogs& dialogs) {
    const auto periods = ReadPeriods(table, fromCol, toCol, show, dialogs);
    if (!periods) return false;
    for (const Period& period : *periods) {
        for (const Date day : {period.from, period.to}) {
            for (const Period& other : *periods) {
                if (other.row == period.row || day < other.from || other.to < day) continue;
                Report(show, dialogs,
                       "You have at least one overlapping date in a table on this screen (" +
                           data::FormatDate(day) +
                           ") please edit the table so there are no overlapping dates before "
                           "moving on. Note date periods are inclusive of the from and to dates.");
                return false;
            }
        }
    }
    return true;
}

bool PeriodCoverage(const controls::TMyGrid& table, int fromCol, int toCol, Date first,
                    Date last, bool show, platform::Dialogs& dialogs) {
    if (last < first) return false;
    const auto periods = ReadPeriods(table, fromCol, toCol, show, dialogs);
    if (!periods) return false;
    for (Date day = first; day <= last; day += std::chrono::days{1}) {
        bool covered = false;
        for (const Period& period : *periods) {
            if (period.from <= day && day <= period.to) {
                // The next day to test lies after this period, which covers every day up to it.
                day = period.to;
                covered = true;
                break;
            }
        }
        if (!covered) {
            Report(show, dialogs,
                   "Information regarding the whole period from " + data::FormatDate(first) +
                       " to " + data::FormatDate(last) +
                       " has not been entered.\r\n\r\nAt least one date " + data::FormatDate(day) +
                       " is missing. Please check this table covers the whole period before "
                       "moving on.");
            return false;
        }
    }
    return true;
}

bool CheckPeriodTable(const controls::TMyGrid& table, int fromCol, int toCol, bool show,
                      std::string_view optional, Date first, Date last,
                      platform::Dialogs& dialogs) {
    // All four run, so the claimant sees every fault of the table at once.
    const bool required = RequiredCells(table, optional, show, dialogs);
    const bool order = DateOrder(table, fromCol, toCol, show, dialogs);
    const bool coverage = PeriodCoverage(table, fromCol, toCol, first, last, show, dialogs);
    const bool overlap = DateOverlap(table, fromCol, toCol, show, dialogs);
    return required && order && coverage && overlap;
}

bool GridHasData(const controls::TMyGrid& table) {
    for (int row = 1; row < table.RowCount(); ++row)
        for (int col = 0; col < table.ColCount(); ++col)
            if (!table.Cells(col, row).empty()) return true;
    return false;
}

}  // namespace ftb::interview
