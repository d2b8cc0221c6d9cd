#pragma once
// Date texts of the return: day/month/year with "/" as separator, whole days. The one place
// where a date text is read or written; every layer that reads a date uses it.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace ftb::data {

using Date = std::chrono::sys_days;

// What the claimant is told when a date cell of a table is not a date.
inline constexpr const char* kDateFormatMessage = "Enter date in dd/mm/yyyy format";

// The year the two-digit-year rules were written for; both windows are taken from it so that
// the module reads two-digit years as it did then, whatever today's clock says.
constexpr int kRulesYear = 2002;

enum class TwoDigitYears {
    MainWindow,  // every date text: in 2002, 00..12 are 2000..2012 and 13..99 are 1913..1999
    EntryField,  // a typed date: in 2002, 52..99 are 1952..1999 and 00..51 are 2000..2051
};

// The four-digit year of a two-digit year yy (0..99) under a rule.
int ExpandTwoDigitYear(int yy, TwoDigitYears rule);

// Reads a day/month/year date text; nothing when it is not a valid date. Blanks around the
// numbers are ignored; day and month have 1 or 2 digits, the year 1 to 4, and a year of 1 or 2
// digits is expanded under the rule.
std::optional<Date> ParseDate(std::string_view text,
                              TwoDigitYears rule = TwoDigitYears::MainWindow);

// The short digit forms of a typed date: ddmmyy becomes "dd/mm/yy" and ddmmyyyy becomes
// "dd/mm/yyyy". Nothing when the text is not six or eight digits.
std::optional<std::string> ExpandDigitDate(std::string_view text);

// "dd/mm/yyyy".
std::string FormatDate(Date date);

// The day count with 30 December 1899 as day 0.
long DayNumber(Date date);

}  // namespace ftb::data
