#include "assessment/Calendar.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "assessment/CircumstanceFields.h"

namespace ftb::assessment {

using namespace std::chrono;
using data::TextList;
namespace f = fields;

const std::array<OffOn, 6> kEventPairs = {{
    {"dummy", "dummy"},
    {"Ceased full time education", "Commenced or resumed full time education"},
    {"Ceased receiving pension / benefit / payment under labour market program",
     "Commenced receiving pension / benefit / payment under labour market program"},
    {"End of period of absence without consent", "Went absent without claimant's consent"},
    {"Ceased being an Australian resident / ceased living with the claimant",
     "Gained Australian residency for social security purposes / began living with the "
     "claimant"},
    {"Ceased receiving payments under a prescribed education scheme",
     "Commenced receiving payments under a prescribed education scheme"},
}};

const std::array<OffOn, 6> kStateDescriptions = {{
    {"dummy", "dummy"},
    {"Not enrolled in full time education", "Enrolled in full time education"},
    {"Not receiving a pension / benefit / payment under labour market program",
     "Receiving a pension / benefit / payment under labour market program"},
    {"Not absent without consent", "Absent without your consent"},
    {"Not an Australian resident for social security purposes or living with claimant",
     "Australian resident for social security purposes or living with the claimant"},
    {"Not receiving payments under a prescribed education scheme",
     "Receiving payments under a prescribed education scheme"},
}};

const std::array<int, 6> kInitialAnswerFields = {
    0, f::kInitialEducation, f::kInitialPayment, f::kInitialAbsent, f::kInitialResident,
    f::kInitialSchemePayment};

const char* const kChangeOfSharedCare = "Change of shared care %";
const char* const kDeceased = "Deceased";

namespace {

constexpr Date kOverseasCountFrom = Date{year{1997} / 7 / 1};
constexpr Date kDaysAwayCountFrom = Date{year{1998} / 7 / 1};
// A return to Australia of this many days or less does not break an absence.
constexpr days kHomeBreak{182};
constexpr days kTwentySixWeeks{182};
constexpr days kSixMonths{183};
constexpr days kGrace{98};
constexpr std::size_t kOverseasColumns = 2;
constexpr std::size_t kMaritalColumns = 4;
constexpr std::size_t kResidencyColumns = 3;
constexpr std::size_t kBlindRateColumns = 3;
constexpr std::size_t kChangeColumns = 3;

const char* const kWentAbsent = kEventPairs[ciAbsentWithoutConsent].on;
const char* const kCommencedEducation = kEventPairs[ciEducation].on;

std::string UpperCaseAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A date cell: blank, a valid date, or unreadable.
struct DateCell {
    bool blank = true;
    std::optional<Date> date;

    bool Unreadable() const { return !blank && !date; }
};

DateCell ReadDateCell(const std::string& text) {
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty()) return {};
    return {false, data::ParseDate(trimmed)};
}

// A table in its storage form: the cells row by row. A trailing row with missing cells is
// not part of the table.
class Table {
public:
    Table(const TextList& cells, std::size_t columns) : cells_(cells), columns_(columns) {}
    std::size_t Rows() const { return cells_.size() / columns_; }
    const std::string& Cell(std::size_t row, std::size_t column) const {
        return cells_[row * columns_ + column];
    }
    DateCell DateAt(std::size_t row, std::size_t column) const {
        return ReadDateCell(Cell(row, column));
    }

private:
    const TextList& cells_;
    std::size_t columns_;
};

const TextList& ClaimantTable(const data::FieldStore& store, int field) {
    static const TextList kNoTable;
    const TextList* table = store.GetFieldLst(field);
    return table ? *table : kNoTable;
}

TextList WorksheetTable(const data::FieldStore& store, int list, int worksheet, int field) {
    TextList lines;
    store.GetWorksheetLines(list, worksheet, field, lines);
    return lines;
}

data::WorksheetValue DependantValue(const data::FieldStore& store, int dependant, int field) {
    return store.GetWorksheetValue(data::kDependantList, dependant, field);
}

bool DependantHas(const data::FieldStore& store, int dependant, int field) {
    return !std::holds_alternative<std::monostate>(DependantValue(store, dependant, field));
}

// A date held as text in a worksheet field; nothing when absent, blank or unreadable.
std::optional<Date> WorksheetDate(const data::FieldStore& store, int list, int worksheet,
                                  int field) {
    const auto value = store.GetWorksheetValue(list, worksheet, field);
    const auto* text = std::get_if<std::string>(&value);
    if (!text) return std::nullopt;
    return ReadDateCell(*text).date;
}

// A period overseas with a readable departure; no return when the return cell is blank.
struct Absence {
    Date departure;
    std::optional<Date> returned;

    Date ReturnOrYearEnd() const { return returned.value_or(kYearEnd); }
};

// The rows of a departure/return table with a readable departure and a return that is blank
// or readable, in table order.
std::vector<Absence> ReadAbsences(const TextList& cells) {
    const Table table(cells, kOverseasColumns);
    std::vector<Absence> absences;
    for (std::size_t row = 0; row < table.Rows(); ++row) {
        const DateCell departure = table.DateAt(row, 0);
        const DateCell returned = table.DateAt(row, 1);
        if (!departure.date || returned.Unreadable()) continue;
        absences.push_back({*departure.date, returned.date});
    }
    return absences;
}

// Follows absences that begin within 182 days of the end of the previous one and returns the
// end of the last. The end only ever moves forward, so a damaged table cannot loop.
Date ChainOfAbsencesEnd(const std::vector<Absence>& absences, Date end) {
    for (;;) {
        const auto next = std::find_if(absences.begin(), absences.end(), [end](const Absence& a) {
            return end < a.departure && a.departure <= end + kHomeBreak;
        });
        if (next == absences.end() || next->ReturnOrYearEnd() <= end) return end;
        end = next->ReturnOrYearEnd();
    }
}

// Away on the date for an absence that ended (or is judged to end) on `end`.
bool AwayAfterAbsence(const std::vector<Absence>& absences, Date end, Date date) {
    if (date <= end + kHomeBreak) return true;
    return date <= ChainOfAbsencesEnd(absences, end) + kHomeBreak;
}

bool AtLeastThreeYearsApart(Date start, Date end) {
    const year_month_day from{start};
    const year_month_day to{end};
    const int years = int(to.year()) - int(from.year());
    if (years != 3) return years > 3;
    return month_day{to.month(), to.day()} >= month_day{from.month(), from.day()};
}

// A change-of-circumstance row with a readable date.
struct Change {
    Date date;
    std::string event;
    std::string care;
};

std::vector<Change> ReadChanges(const data::FieldStore& store, int dependant) {
    const TextList cells = WorksheetTable(store, data::kDependantList, dependant, f::kChanges);
    const Table table(cells, kChangeColumns);
    std::vector<Change> changes;
    for (std::size_t row = 0; row < table.Rows(); ++row) {
        const DateCell date = table.DateAt(row, 0);
        if (date.date) changes.push_back({*date.date, table.Cell(row, 1), table.Cell(row, 2)});
    }
    return changes;
}

// The circumstance starts as the initial answer says (1 = No, anything else = Yes) and is
// changed by its events in table order; an event dated on or before the last applied one is
// ignored. An on event counts from its own day; an off event from its own day when
// `offFromItsDay`, else from the next day.
bool WalkCircumstance(const data::FieldStore& store, int dependant, int circumstance, Date date,
                      bool offFromItsDay) {
    const auto answer = DependantValue(store, dependant, kInitialAnswerFields[circumstance]);
    if (std::holds_alternative<std::monostate>(answer)) return false;
    const auto* number = std::get_if<long double>(&answer);
    bool on = !(number && *number == 1);
    Date lastApplied = kNoDateYet;
    const OffOn& events = kEventPairs[circumstance];
    for (const Change& change : ReadChanges(store, dependant)) {
        if (change.date <= lastApplied) continue;
        if (change.event == events.on && change.date <= date) {
            on = true;
            lastApplied = change.date;
        } else if (change.event == events.off &&
                   (offFromItsDay ? change.date <= date : change.date < date)) {
            on = false;
            lastApplied = change.date;
        }
    }
    return on;
}

std::optional<int> ReadPercentage(const std::string& text) {
    const std::string_view trimmed = Trimmed(text);
    int value = 0;
    const auto [end, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (error != std::errc() || end != trimmed.data() + trimmed.size()) return std::nullopt;
    return value;
}

bool WithinYear(Date date) { return kYearStart <= date && date <= kYearEnd; }

// Every readable cell d of a departure/return table adds d + 1 and d + 183 when within the year.
void AddOverseasDates(DynArrayOfDates& dates, const TextList& cells) {
    const Table table(cells, kOverseasColumns);
    for (std::size_t row = 0; row < table.Rows(); ++row)
        for (std::size_t column = 0; column < kOverseasColumns; ++column) {
            const DateCell cell = table.DateAt(row, column);
            if (!cell.date) continue;
            const Date next = *cell.date + days{1};
            if (WithinYear(next)) dates.Add(next);
            if (WithinYear(next + kHomeBreak)) dates.Add(next + kHomeBreak);
        }
}

// The birthday within the income year; a 29 February birthday falls on 1 March 2002.
Date BirthdayInYear(Date birth) {
    const year_month_day ymd{birth};
    month_day birthday{ymd.month(), ymd.day()};
    if (birthday == February / 29) birthday = March / 1;
    const year inYear = birthday.month() >= July ? year{2001} : year{2002};
    return Date{inYear / birthday.month() / birthday.day()};
}

void AddChangeRowDates(DynArrayOfDates& dates, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        dates.Add(IsStartEvent(change.event) ? change.date : change.date + days{1});
        if (change.event == kWentAbsent || change.event == kDeceased)
            dates.Add(change.date + kGrace);
    }
}

}  // namespace

bool IsStartEvent(const std::string& event) {
    return event == kEventPairs[ciEducation].on || event == kEventPairs[ciPayment].on ||
           event == kEventPairs[ciAbsentWithoutConsent].on ||
           event == kEventPairs[ciResident].on || event == kChangeOfSharedCare ||
           event == kEventPairs[ciSchemePayment].on;
}

bool DynArrayOfDates::Add(Date date) {
    if (Contains(date)) return false;
    dates_.push_back(date);
    return true;
}

bool DynArrayOfDates::Contains(Date date) const {
    return std::find(dates_.begin(), dates_.end(), date) != dates_.end();
}

int AgeAt(Date birth, Date date) {
    const year_month_day from{birth};
    const year_month_day to{date};
    int age = int(to.year()) - int(from.year());
    if (month_day{to.month(), to.day()} < month_day{from.month(), from.day()}) --age;
    return age;
}

int WorksheetCount(const data::FieldStore& store, int list) {
    return store.HighestWorksheetNumber(list);
}

std::string WorksheetName(const data::FieldStore& store, int list, int worksheet) {
    const auto value = store.GetWorksheetValue(list, worksheet, f::kName);
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

std::optional<Date> DateOfBirth(const data::FieldStore& store, int dependant) {
    return WorksheetDate(store, data::kDependantList, dependant, f::kDateOfBirth);
}

int SpouseByName(const data::FieldStore& store, const std::string& name) {
    int found = kNone;
    const int count = WorksheetCount(store, data::kSpouseList);
    for (int spouse = 0; spouse < count; ++spouse)
        if (WorksheetName(store, data::kSpouseList, spouse) == name) found = spouse;
    return found;
}

int PartnerAtDate(const data::FieldStore& store, Date date) {
    if (WorksheetCount(store, data::kSpouseList) == 0) return kNone;
    const TextList& cells = ClaimantTable(store, f::kMaritalStatus);
    if (cells.empty())
        return store.FieldChecked(f::kNoSeparation) && store.FieldChecked(f::kSpouseAtYearStart)
                   ? 0
                   : kNone;
    const Table table(cells, kMaritalColumns);
    int partner = kNone;
    for (std::size_t row = 0; row < table.Rows(); ++row) {
        const std::string& status = table.Cell(row, 0);
        const DateCell start = table.DateAt(row, 1);
        const DateCell end = table.DateAt(row, 2);
        if (!start.date || !end.date || date < *start.date || *end.date < date) continue;
        if (status == "Single" || status == "Widowed") continue;
        partner = SpouseByName(store, status);
    }
    return partner;
}

bool ResidentAtDate(const data::FieldStore& store, Date date) {
    if (store.GetFieldVal(f::kResidentAllYear) == 1) return true;
    const Table table(ClaimantTable(store, f::kResidency), kResidencyColumns);
    bool resident = true;
    for (std::size_t row = 0; row < table.Rows(); ++row) {
        const DateCell start = table.DateAt(row, 1);
        const DateCell end = table.DateAt(row, 2);
        if (!start.date || !end.date || date < *start.date || *end.date < date) continue;
        resident = UpperCaseAscii(table.Cell(row, 0)) == "AUSTRALIAN RESIDENT";
    }
    return resident;
}

bool BlindRateAtDate(const data::FieldStore& store, Date date) {
    if (!store.FieldChecked(f::kBlindRate)) return false;
    const int partner = PartnerAtDate(store, date);
    const std::string partnerName =
        partner == kNone ? std::string() : WorksheetName(store, data::kSpouseList, partner);
    const Table table(ClaimantTable(store, f::kBlindRatePeriods), kBlindRateColumns);
    for (std::size_t row = 0; row < table.Rows(); ++row) {
        const std::string& recipient = table.Cell(row, 0);
        const bool named = recipient == "You" || recipient == partnerName ||
                           UpperCaseAscii(recipient) == "THE TAXPAYER";
        const DateCell start = table.DateAt(row, 1);
        const DateCell end = table.DateAt(row, 2);
        if (named && start.date && end.date && *start.date <= date && date <= *end.date)
            return true;
    }
    return false;
}

bool AwayOver26Weeks(const TextList& overseas, Date date) {
    const std::vector<Absence> absences = ReadAbsences(overseas);
    const bool awayOnDate =
        std::any_of(absences.begin(), absences.end(), [date](const Absence& a) {
            return a.departure < date && (!a.returned || *a.returned > date);
        });
    if (!awayOnDate) return false;
    const Absence* chosen = nullptr;
    Date chosenStart{};
    for (const Absence& absence : absences) {
        const Date start = std::max(absence.departure, kOverseasCountFrom);
        if (absence.ReturnOrYearEnd() - start > kSixMonths &&
            (!chosen || start > chosenStart) && date - kTwentySixWeeks > start + days{1}) {
            chosen = &absence;
            chosenStart = start;
        }
    }
    return chosen && AwayAfterAbsence(absences, chosen->ReturnOrYearEnd(), date);
}

bool AwayThreeYears(const TextList& overseas, Date date) {
    const std::vector<Absence> absences = ReadAbsences(overseas);
    for (const Absence& absence : absences) {
        const Date start = std::max(absence.departure, kOverseasCountFrom);
        const Date end = std::min(date, absence.ReturnOrYearEnd());
        if (AtLeastThreeYearsApart(start, end)) return AwayAfterAbsence(absences, end, date);
    }
    return false;
}

TextList ClaimantOverseas(const data::FieldStore& store) {
    return ClaimantTable(store, f::kClaimantOverseas);
}

TextList DependantOverseas(const data::FieldStore& store, int dependant) {
    return WorksheetTable(store, data::kDependantList, dependant, f::kDependantOverseas);
}

bool ClaimantDepartedBefore(const data::FieldStore& store, Date date) {
    if (!store.FieldChecked(f::kClaimantDeparted)) return false;
    const std::vector<Absence> absences =
        ReadAbsences(ClaimantTable(store, f::kClaimantOverseas));
    return std::any_of(absences.begin(), absences.end(), [date](const Absence& a) {
        return a.departure < date && !a.returned;
    });
}

bool CircumstanceState(const data::FieldStore& store, int dependant, int circumstance,
                       Date date) {
    if (circumstance < ciPayment || circumstance > ciSchemePayment) return false;
    return WalkCircumstance(store, dependant, circumstance, date, false);
}

bool FullTimeEducationOnDate(const data::FieldStore& store, int dependant, Date date) {
    if (DependantHas(store, dependant, f::kEducationAllYear)) return true;
    return WalkCircumstance(store, dependant, ciEducation, date, true);
}

bool FullTimeEducationInYear(const data::FieldStore& store, int dependant) {
    if (FullTimeEducationOnDate(store, dependant, kYearStart)) return true;
    if (!DependantHas(store, dependant, f::kInitialEducation)) return false;
    const std::vector<Change> changes = ReadChanges(store, dependant);
    return std::any_of(changes.begin(), changes.end(), [](const Change& c) {
        return c.event == kCommencedEducation && WithinYear(c.date);
    });
}

int SharedCareOnDate(const data::FieldStore& store, int dependant, Date date) {
    const auto initial = DependantValue(store, dependant, f::kSharedCare);
    const auto* number = std::get_if<long double>(&initial);
    if (!number) return -1;
    // A percentage far outside 0..100 only comes from a damaged return; bound it before
    // converting.
    int percentage = static_cast<int>(std::nearbyint(std::clamp(*number, -1000.0L, 1000.0L)));
    Date lastApplied = kNoDateYet;
    for (const Change& change : ReadChanges(store, dependant)) {
        if (change.event != kChangeOfSharedCare || change.date <= lastApplied ||
            change.date > date)
            continue;
        const std::optional<int> care = ReadPercentage(change.care);
        if (!care) continue;
        percentage = *care;
        lastApplied = change.date;
    }
    return percentage;
}

Date AbsenceStart(const data::FieldStore& store, int dependant, Date date) {
    Date start = WorksheetDate(store, data::kDependantList, dependant, f::kAbsentSince)
                     .value_or(kNoDateYet);
    for (const Change& change : ReadChanges(store, dependant))
        if (change.event == kWentAbsent && change.date > start && change.date <= date)
            start = change.date;
    return start == kNoDateYet ? kNever : start;
}

bool DependantDepartedBefore(const data::FieldStore& store, int dependant, Date date) {
    if (!DependantHas(store, dependant, f::kDependantDeparted)) return false;
    const std::vector<Absence> absences = ReadAbsences(DependantOverseas(store, dependant));
    const auto departed = std::find_if(absences.begin(), absences.end(),
                                       [](const Absence& a) { return !a.returned; });
    return (departed == absences.end() ? kNever : departed->departure) < date;
}

Date DateOfDeath(const data::FieldStore& store, int dependant) {
    for (const Change& change : ReadChanges(store, dependant))
        if (change.event == kDeceased) return change.date;
    return kNever;
}

bool DeceasedBefore(const data::FieldStore& store, int dependant, Date date) {
    const std::vector<Change> changes = ReadChanges(store, dependant);
    return std::any_of(changes.begin(), changes.end(), [date](const Change& c) {
        return c.event == kDeceased && c.date < date;
    });
}

long DaysAwayCount(Date returnDate, Date departureDate) {
    const Date from = std::max(departureDate, kDaysAwayCountFrom);
    return static_cast<long>((returnDate - from).count()) - 1;
}

DynArrayOfDates ChangeDates(const data::FieldStore& store) {
    DynArrayOfDates dates;
    dates.Add(kYearStart);
    AddOverseasDates(dates, ClaimantTable(store, f::kClaimantOverseas));

    const Table marital(ClaimantTable(store, f::kMaritalStatus), kMaritalColumns);
    for (std::size_t row = 0; row < marital.Rows(); ++row)
        if (const DateCell start = marital.DateAt(row, 1); start.date) dates.Add(*start.date);

    const Table blindRate(ClaimantTable(store, f::kBlindRatePeriods), kBlindRateColumns);
    for (std::size_t row = 0; row < blindRate.Rows(); ++row) {
        const DateCell start = blindRate.DateAt(row, 1);
        const DateCell end = blindRate.DateAt(row, 2);
        if (!start.date || !end.date) continue;
        dates.Add(*start.date);
        dates.Add(*end.date + days{1});
    }

    const int dependants = WorksheetCount(store, data::kDependantList);
    for (int dependant = 0; dependant < dependants; ++dependant) {
        AddOverseasDates(dates, DependantOverseas(store, dependant));
        if (const auto birth = DateOfBirth(store, dependant)) dates.Add(BirthdayInYear(*birth));
        AddChangeRowDates(dates, ReadChanges(store, dependant));
    }
    return dates;
}

}  // namespace ftb::assessment
