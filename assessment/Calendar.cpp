#include "assessment/Calendar.h"

#include <algorithm>
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

const char* const kWentAbsent = kEventPairs[ciAbsentWithoutConsent].on;
const char* const kCommencedEducation = kEventPairs[ciEducation].on;

std::string UpperCaseAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
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

// The circumstance starts as the initial answer says (1 = No, anything else = Yes) and is
// changed by its events in table order; an event dated on or before the last applied one is
// ignored. An on event counts from its own day; an off event from its own day when
// `offFromItsDay`, else from the next day.
bool WalkCircumstance(const DependantRecord& dependant, int circumstance, Date date,
                      bool offFromItsDay) {
    const auto c = static_cast<std::size_t>(circumstance);
    const data::WorksheetValue& answer = dependant.initial[c];
    if (std::holds_alternative<std::monostate>(answer)) return false;
    const auto* number = std::get_if<long double>(&answer);
    bool on = !(number && *number == 1);
    Date lastApplied = kNoDateYet;
    for (const DependantRecord::StateEvent& event : dependant.stateEvents[c]) {
        if (event.date <= lastApplied) continue;
        if (event.on ? event.date <= date
                     : (offFromItsDay ? event.date <= date : event.date < date)) {
            on = event.on;
            lastApplied = event.date;
        }
    }
    return on;
}

bool WithinYear(Date date) { return kYearStart <= date && date <= kYearEnd; }

// Every readable cell d of a departure/return table adds d + 1 and d + 183 when within the year.
void AddOverseasDates(DynArrayOfDates& dates, const TextList& cells) {
    for (std::size_t cell = 0; cell < cells.size() / kOverseasColumns * kOverseasColumns; ++cell) {
        const std::optional<Date> date = ReadDateText(cells[cell]);
        if (!date) continue;
        const Date next = *date + days{1};
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

int DayNumber(Date date) { return static_cast<int>(date.time_since_epoch().count()); }

}  // namespace

bool IsStartEvent(const std::string& event) {
    return event == kEventPairs[ciEducation].on || event == kEventPairs[ciPayment].on ||
           event == kEventPairs[ciAbsentWithoutConsent].on ||
           event == kEventPairs[ciResident].on || event == kChangeOfSharedCare ||
           event == kEventPairs[ciSchemePayment].on;
}

bool DynArrayOfDates::Add(Date date) {
    if (!days_.insert(DayNumber(date)).second) return false;
    dates_.push_back(date);
    return true;
}

bool DynArrayOfDates::Contains(Date date) const { return days_.count(DayNumber(date)) != 0; }

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
    const auto value = store.GetWorksheetValue(data::kDependantList, dependant, f::kDateOfBirth);
    const auto* text = std::get_if<std::string>(&value);
    return text ? ReadDateText(*text) : std::nullopt;
}

int SpouseByName(const data::FieldStore& store, const std::string& name) {
    int found = kNone;
    const int count = WorksheetCount(store, data::kSpouseList);
    for (int spouse = 0; spouse < count; ++spouse)
        if (WorksheetName(store, data::kSpouseList, spouse) == name) found = spouse;
    return found;
}

int PartnerAtDate(const data::FieldStore& store, Date date) {
    return PartnerAtDate(FamilyRecords(store), date);
}

int PartnerAtDate(const FamilyRecords& family, Date date) {
    if (family.Spouses().empty()) return kNone;
    if (!family.HasMaritalTable()) {
        const data::FieldStore& store = family.Store();
        return store.FieldChecked(f::kNoSeparation) && store.FieldChecked(f::kSpouseAtYearStart)
                   ? 0
                   : kNone;
    }
    const std::vector<PeriodRow>& rows = family.MaritalRows();
    int partner = kNone;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (!rows[row].Covers(date)) continue;
        if (rows[row].what == "Single" || rows[row].what == "Widowed") continue;
        partner = family.MaritalPartners()[row];
    }
    return partner;
}

bool ResidentAtDate(const data::FieldStore& store, Date date) {
    return ResidentAtDate(FamilyRecords(store), date);
}

bool ResidentAtDate(const FamilyRecords& family, Date date) {
    if (family.Store().GetFieldVal(f::kResidentAllYear) == 1) return true;
    bool resident = true;
    for (const PeriodRow& row : family.ResidencyRows())
        if (row.Covers(date)) resident = UpperCaseAscii(row.what) == "AUSTRALIAN RESIDENT";
    return resident;
}

bool BlindRateAtDate(const data::FieldStore& store, Date date) {
    return BlindRateAtDate(FamilyRecords(store), date);
}

bool BlindRateAtDate(const FamilyRecords& family, Date date) {
    if (!family.Store().FieldChecked(f::kBlindRate)) return false;
    const int partner = PartnerAtDate(family, date);
    const std::string partnerName =
        partner == kNone ? std::string() : family.Spouses()[static_cast<std::size_t>(partner)].name;
    for (const PeriodRow& row : family.BlindRateRows()) {
        const bool named = row.what == "You" || row.what == partnerName ||
                           UpperCaseAscii(row.what) == "THE TAXPAYER";
        if (named && row.Covers(date)) return true;
    }
    return false;
}

bool AwayOver26Weeks(const TextList& overseas, Date date) {
    return AwayOver26Weeks(ReadAbsences(overseas), date);
}

bool AwayOver26Weeks(const std::vector<Absence>& absences, Date date) {
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
    return AwayThreeYears(ReadAbsences(overseas), date);
}

bool AwayThreeYears(const std::vector<Absence>& absences, Date date) {
    for (const Absence& absence : absences) {
        const Date start = std::max(absence.departure, kOverseasCountFrom);
        const Date end = std::min(date, absence.ReturnOrYearEnd());
        if (AtLeastThreeYearsApart(start, end)) return AwayAfterAbsence(absences, end, date);
    }
    return false;
}

TextList ClaimantOverseas(const data::FieldStore& store) {
    const TextList* table = store.GetFieldLst(f::kClaimantOverseas);
    return table ? *table : TextList();
}

TextList DependantOverseas(const data::FieldStore& store, int dependant) {
    TextList lines;
    store.GetWorksheetLines(data::kDependantList, dependant, f::kDependantOverseas, lines);
    return lines;
}

bool ClaimantDepartedBefore(const data::FieldStore& store, Date date) {
    return ClaimantDepartedBefore(FamilyRecords(store), date);
}

bool ClaimantDepartedBefore(const FamilyRecords& family, Date date) {
    if (!family.Store().FieldChecked(f::kClaimantDeparted)) return false;
    const std::vector<Absence>& absences = family.ClaimantOverseas();
    return std::any_of(absences.begin(), absences.end(), [date](const Absence& a) {
        return a.departure < date && !a.returned;
    });
}

DependantRecord ReadDependant(const data::FieldStore& store, int dependant) {
    const data::WorksheetIndex index(store, data::kDependantList);
    return DependantRecord(index.Worksheet(dependant), dependant);
}

bool CircumstanceState(const data::FieldStore& store, int dependant, int circumstance,
                       Date date) {
    return CircumstanceState(ReadDependant(store, dependant), circumstance, date);
}

bool CircumstanceState(const DependantRecord& dependant, int circumstance, Date date) {
    if (circumstance < ciPayment || circumstance > ciSchemePayment) return false;
    return WalkCircumstance(dependant, circumstance, date, false);
}

bool FullTimeEducationOnDate(const data::FieldStore& store, int dependant, Date date) {
    return FullTimeEducationOnDate(ReadDependant(store, dependant), date);
}

bool FullTimeEducationOnDate(const DependantRecord& dependant, Date date) {
    if (dependant.educationAllYear) return true;
    return WalkCircumstance(dependant, ciEducation, date, true);
}

bool FullTimeEducationInYear(const data::FieldStore& store, int dependant) {
    return FullTimeEducationInYear(ReadDependant(store, dependant));
}

bool FullTimeEducationInYear(const DependantRecord& dependant) {
    if (FullTimeEducationOnDate(dependant, kYearStart)) return true;
    if (std::holds_alternative<std::monostate>(dependant.initial[ciEducation])) return false;
    return std::any_of(dependant.changes.begin(), dependant.changes.end(), [](const Change& c) {
        return c.event == kCommencedEducation && WithinYear(c.date);
    });
}

int SharedCareOnDate(const data::FieldStore& store, int dependant, Date date) {
    return SharedCareOnDate(ReadDependant(store, dependant), date);
}

int SharedCareOnDate(const DependantRecord& dependant, Date date) {
    if (!dependant.sharedCare) return -1;
    // A percentage far outside 0..100 only comes from a damaged return; bound it before
    // converting.
    int percentage =
        static_cast<int>(std::nearbyint(std::clamp(*dependant.sharedCare, -1000.0L, 1000.0L)));
    Date lastApplied = kNoDateYet;
    for (const DependantRecord::CareChange& change : dependant.careChanges) {
        if (change.date <= lastApplied || change.date > date) continue;
        percentage = change.percentage;
        lastApplied = change.date;
    }
    return percentage;
}

Date AbsenceStart(const data::FieldStore& store, int dependant, Date date) {
    return AbsenceStart(ReadDependant(store, dependant), date);
}

Date AbsenceStart(const DependantRecord& dependant, Date date) {
    Date start = dependant.absentSince.value_or(kNoDateYet);
    for (const Date wentAbsent : dependant.wentAbsent)
        if (wentAbsent > start && wentAbsent <= date) start = wentAbsent;
    return start == kNoDateYet ? kNever : start;
}

bool DependantDepartedBefore(const data::FieldStore& store, int dependant, Date date) {
    return DependantDepartedBefore(ReadDependant(store, dependant), date);
}

bool DependantDepartedBefore(const DependantRecord& dependant, Date date) {
    if (!dependant.departed) return false;
    const auto departed = std::find_if(dependant.overseas.begin(), dependant.overseas.end(),
                                       [](const Absence& a) { return !a.returned; });
    return (departed == dependant.overseas.end() ? kNever : departed->departure) < date;
}

Date DateOfDeath(const data::FieldStore& store, int dependant) {
    return DateOfDeath(ReadDependant(store, dependant));
}

Date DateOfDeath(const DependantRecord& dependant) {
    return dependant.firstDeath.value_or(kNever);
}

bool DeceasedBefore(const data::FieldStore& store, int dependant, Date date) {
    return DeceasedBefore(ReadDependant(store, dependant), date);
}

bool DeceasedBefore(const DependantRecord& dependant, Date date) {
    return dependant.earliestDeath && *dependant.earliestDeath < date;
}

long DaysAwayCount(Date returnDate, Date departureDate) {
    const Date from = std::max(departureDate, kDaysAwayCountFrom);
    return static_cast<long>((returnDate - from).count()) - 1;
}

DynArrayOfDates ChangeDates(const data::FieldStore& store) {
    return ChangeDates(FamilyRecords(store));
}

DynArrayOfDates ChangeDates(const FamilyRecords& family) {
    DynArrayOfDates dates;
    dates.Add(kYearStart);
    AddOverseasDates(dates, family.ClaimantOverseasCells());

    for (const PeriodRow& row : family.MaritalRows())
        if (row.start) dates.Add(*row.start);

    for (const PeriodRow& row : family.BlindRateRows()) {
        if (!row.start || !row.end) continue;
        dates.Add(*row.start);
        dates.Add(*row.end + days{1});
    }

    for (const DependantRecord& dependant : family.Dependants()) {
        AddOverseasDates(dates, dependant.overseasCells);
        if (dependant.birth) dates.Add(BirthdayInYear(*dependant.birth));
        AddChangeRowDates(dates, dependant.changes);
    }
    return dates;
}

}  // namespace ftb::assessment
