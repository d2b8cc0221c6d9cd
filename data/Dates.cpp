#include "data/Dates.h"

#include <cstdio>

namespace ftb::data {
namespace {

using namespace std::chrono;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
}

// Reads a run of 1..maxDigits digits after any blanks; false when there is none or it is longer.
bool ScanNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits, int& value,
                std::size_t& digits) {
    SkipBlanks(text, pos);
    value = 0;
    digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (++digits > maxDigits) return false;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return digits > 0;
}

bool ScanSeparator(std::string_view text, std::size_t& pos) {
    SkipBlanks(text, pos);
    if (pos >= text.size() || text[pos] != '/') return false;
    ++pos;
    return true;
}

// The first year of the hundred years into which a two-digit year is placed.
int WindowStart(TwoDigitYears rule) {
    return rule == TwoDigitYears::MainWindow ? kRulesYear - 89 : kRulesYear - 50;
}

}  // namespace

int ExpandTwoDigitYear(int yy, TwoDigitYears rule) {
    const int start = WindowStart(rule);
    int year = yy + 100 * (start / 100);
    if (year < start) year += 100;
    return year;
}

std::optional<Date> ParseDate(std::string_view text, TwoDigitYears rule) {
    std::size_t pos = 0;
    int day = 0, month = 0, year = 0;
    std::size_t digits = 0;
    if (!ScanNumber(text, pos, 2, day, digits) || !ScanSeparator(text, pos) ||
        !ScanNumber(text, pos, 2, month, digits) || !ScanSeparator(text, pos) ||
        !ScanNumber(text, pos, 4, year, digits))
        return std::nullopt;
    SkipBlanks(text, pos);
    if (pos != text.size()) return std::nullopt;
    if (digits <= 2) year = ExpandTwoDigitYear(year, rule);
    if (year < 1) return std::nullopt;
    const year_month_day ymd{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                             std::chrono::day{unsigned(day)}};
    if (!ymd.ok()) return std::nullopt;
    return sys_days{ymd};
}

std::optional<std::string> ExpandDigitDate(std::string_view text) {
    if (text.size() != 6 && text.size() != 8) return std::nullopt;
    for (char c : text)
        if (!IsDigit(c)) return std::nullopt;
    std::string result;
    result.reserve(text.size() + 2);
    result.append(text.substr(0, 2)).append(1, '/').append(text.substr(2, 2)).append(1, '/');
    result.append(text.substr(4));
    return result;
}

std::string FormatDate(Date date) {
    const year_month_day ymd{date};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u/%02u/%04d", unsigned(ymd.day()),
                  unsigned(ymd.month()), int(ymd.year()));
    return buffer;
}

long DayNumber(Date date) {
    constexpr sys_days kDayZero = 1899y / December / 30d;
    return static_cast<long>((date - kDayZero).count());
}

}  // namespace ftb::data
