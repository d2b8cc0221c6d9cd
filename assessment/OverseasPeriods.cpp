#include "assessment/OverseasPeriods.h"

#include <algorithm>

#include "assessment/Calendar.h"
#include "data/Dates.h"

namespace ftb::assessment {

namespace {

using data::Date;

// 26 weeks overseas.
constexpr long kFirstPeriodDays = 182;

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// A row as dates; a blank cell is nothing.
struct Period {
    std::optional<Date> departure;
    std::optional<Date> returned;
};

// Reads every row; a cell that is neither blank nor a date gives its row (from 1).
std::optional<int> ReadPeriods(const std::vector<OverseasRow>& rows, std::vector<Period>& periods) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Period period;
        for (const auto& [text, date] : {std::pair{&rows[i].departure, &period.departure},
                                         std::pair{&rows[i].returned, &period.returned}}) {
            if (IsBlank(*text)) continue;
            *date = data::ParseDate(*text);
            if (!*date) return static_cast<int>(i) + 1;
        }
        periods.push_back(period);
    }
    return std::nullopt;
}

// Away during the income year: departed before its last day, back (if at all) after its first.
bool DuringIncomeYear(const Period& period) {
    return period.departure && *period.departure < kYearEnd &&
           (!period.returned || *period.returned > kYearStart);
}

std::string OverlapMessage(Date departure, Date end, const OverseasRow& other, Date otherEnd) {
    // The other period's dates stand as typed; an open end reads as the date it is taken for.
    const std::string otherReturn =
        IsBlank(other.returned) ? data::FormatDate(otherEnd) : other.returned;
    return "Dates for periods oversaes are can not overlap.\rThe period " +
           data::FormatDate(departure) + " to " + data::FormatDate(end) + " overlaps with" + "\r" +
           "the period " + other.departure + " to " + otherReturn + ".";
}

}  // namespace

const OverseasMessages& ClaimantOverseasMessages() {
    static const OverseasMessages messages{
        .firstPeriodTooShort =
            "The first period overseas you enter should be of a duration greater or equal to 26 "
            "weeks and at least 26 weeks of this period should occur after 1 July 1998. Note that "
            "the date of your deprture and the date of your return are not included in the "
            "period you spent overseas.\r\rYou should enter a period of at least 26 weeks in the "
            "first row (use the <Ctrl><Insert> key) and if you have already entered this period "
            "in a different place in the table delete the entry form its old position. If you "
            "have not been overseas for a period of greater than 26 weeks since 1 July 1998, "
            "clear all the records in this table, go back to the previous screen and answer "
            "\"No\" to the question relating to periods overseas for more than 26 weeks.",
        .returnWithoutDeparture = "You must enter a departure date for every arrival date.",
        .returnBeforeDeparture =
            "The arrival date for a period overseas can not occur prior to the departure date.",
        .noPeriodInYear =
            "You must enter at least one period that occurs during this income year.\r\rNote that "
            "the date of your deprture and the date of your return are not included in the "
            "period you spent overseas. If you have not been overseas this income year you "
            "should delete the entries in this table, go back to the previous screen and answer "
            "\"No\" to the question relating to periods overseas this income year.",
    };
    return messages;
}

std::optional<OverseasFailure> CheckOverseasPeriods(const std::vector<OverseasRow>& rows,
                                                    const OverseasMessages& messages,
                                                    bool backwardMove) {
    std::vector<Period> periods;
    if (const std::optional<int> row = ReadPeriods(rows, periods))
        return OverseasFailure{data::kDateFormatMessage, *row};

    if (!periods.empty() && periods[0].departure && periods[0].returned &&
        DaysAwayCount(*periods[0].returned, *periods[0].departure) < kFirstPeriodDays)
        return OverseasFailure{messages.firstPeriodTooShort, 1};

    bool inYear = false;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const Period& period = periods[i];
        const int row = static_cast<int>(i) + 1;
        if (period.returned && !period.departure)
            return OverseasFailure{messages.returnWithoutDeparture, row};
        if (period.returned && *period.returned < *period.departure)
            return OverseasFailure{messages.returnBeforeDeparture, row};
        inYear = inYear || DuringIncomeYear(period);
    }
    if (!inYear && !backwardMove) return OverseasFailure{messages.noPeriodInYear, 0};

    auto endOf = [](const Period& period) { return period.returned.value_or(kNever); };
    for (std::size_t i = 0; i < periods.size(); ++i) {
        if (!periods[i].departure) continue;
        const Date departure = *periods[i].departure;
        const Date end = endOf(periods[i]);
        for (std::size_t j = 0; j < periods.size(); ++j) {
            if (j == i || !periods[j].departure) continue;
            const Date otherStart = *periods[j].departure;
            const Date otherEnd = endOf(periods[j]);
            const bool overlaps = (otherStart <= departure && departure <= otherEnd) ||
                                  (otherStart <= end && end <= otherEnd);
            if (overlaps)
                return OverseasFailure{OverlapMessage(departure, end, rows[j], otherEnd),
                                       static_cast<int>(i) + 1};
        }
    }
    return std::nullopt;
}

std::vector<OverseasRow> OverseasRowsOf(const data::TextList& list) {
    std::vector<OverseasRow> rows;
    for (std::size_t i = 0; i < list.size(); i += 2)
        rows.push_back({list[i], i + 1 < list.size() ? list[i + 1] : std::string()});
    return rows;
}

std::string FirstOpenDeparture(const std::vector<OverseasRow>& rows) {
    const auto open = std::find_if(rows.begin(), rows.end(), [](const OverseasRow& row) {
        return IsBlank(row.returned) && !IsBlank(row.departure);
    });
    return open == rows.end() ? std::string() : open->departure;
}

}  // namespace ftb::assessment
