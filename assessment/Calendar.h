#pragma once
// The income-year calendar of the family assessment and the readers that answer one question
// about the family on a date from the answers in the field store. Every reader is a pure
// function of the store and its arguments; none writes a field. Worksheets are read through
// the worksheet queries, never by unpacking them.
//
// Unreadable answers never stop the assessment: a table row whose needed date cell is not a
// valid date is ignored, a single date field that is not a valid date counts as absent, and a
// trailing table row with missing cells is ignored.
#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "assessment/FamilyRecords.h"
#include "data/Dates.h"
#include "data/FieldStore.h"

namespace ftb::assessment {

using data::Date;

constexpr Date kYearStart = Date{std::chrono::year{2001} / 7 / 1};
constexpr Date kYearEnd = Date{std::chrono::year{2002} / 6 / 30};
constexpr Date kNoDateYet = Date{std::chrono::year{1900} / 1 / 1};
constexpr Date kNever = Date{std::chrono::year{3000} / 1 / 1};

// The change-of-circumstance vocabulary: entry 0 is the placeholder "dummy"; entries 1..5 are
// full-time education, payment, absence without consent, residency, education scheme payment.
struct OffOn {
    const char* off;
    const char* on;
};
extern const std::array<OffOn, 6> kEventPairs;
extern const std::array<OffOn, 6> kStateDescriptions;
// The initial answer field of each circumstance (0 for the placeholder).
extern const std::array<int, 6> kInitialAnswerFields;

enum Circumstance : int {
    ciEducation = 1,
    ciPayment = 2,
    ciAbsentWithoutConsent = 3,
    ciResident = 4,
    ciSchemePayment = 5,
};

extern const char* const kChangeOfSharedCare;  // "Change of shared care %"
extern const char* const kDeceased;            // "Deceased"

// Start events take effect on their own date, every other event on the day after.
bool IsStartEvent(const std::string& event);

// Dates in the order they were added, each once.
class DynArrayOfDates {
public:
    // False when the date is already present.
    bool Add(Date date);
    bool Contains(Date date) const;
    std::size_t size() const { return dates_.size(); }
    bool empty() const { return dates_.empty(); }
    Date operator[](std::size_t i) const { return dates_[i]; }
    std::vector<Date>::const_iterator begin() const { return dates_.begin(); }
    std::vector<Date>::const_iterator end() const { return dates_.end(); }

private:
    std::vector<Date> dates_;
    std::unordered_set<int> days_;  // the same dates as day numbers, to find one at once
};

// Whole years from birth to the date; negative before the birth (-1 within the year before).
int AgeAt(Date birth, Date date);

// The worksheets of list n are indexes 0 .. WorksheetCount(n) - 1.
int WorksheetCount(const data::FieldStore& store, int list);
// Field 710 of the worksheet; empty when it holds no text.
std::string WorksheetName(const data::FieldStore& store, int list, int worksheet);
// The dependant's date of birth; nothing when absent or not a valid date.
std::optional<Date> DateOfBirth(const data::FieldStore& store, int dependant);

// The last spouse worksheet whose name is exactly `name`, or kNone.
int SpouseByName(const data::FieldStore& store, const std::string& name);

// Each reader below comes twice: on the store, reading what it needs for the one question, and
// on the records of a request that asks many (see FamilyRecords).

// The spouse worksheet of the claimant's partner on the date, or kNone.
int PartnerAtDate(const data::FieldStore& store, Date date);
int PartnerAtDate(const FamilyRecords& family, Date date);
bool ResidentAtDate(const data::FieldStore& store, Date date);
bool ResidentAtDate(const FamilyRecords& family, Date date);
bool BlindRateAtDate(const data::FieldStore& store, Date date);
bool BlindRateAtDate(const FamilyRecords& family, Date date);

// The absence tests over a departure/return table in its storage form (2 cells a row), or over
// its periods as ReadAbsences reads them.
bool AwayOver26Weeks(const data::TextList& overseas, Date date);
bool AwayOver26Weeks(const std::vector<Absence>& absences, Date date);
bool AwayThreeYears(const data::TextList& overseas, Date date);
bool AwayThreeYears(const std::vector<Absence>& absences, Date date);
// Field 1249 and a dependant's field 747 as such tables.
data::TextList ClaimantOverseas(const data::FieldStore& store);
data::TextList DependantOverseas(const data::FieldStore& store, int dependant);

bool ClaimantDepartedBefore(const data::FieldStore& store, Date date);
bool ClaimantDepartedBefore(const FamilyRecords& family, Date date);

// A dependant's worksheet read for the readers on the store.
DependantRecord ReadDependant(const data::FieldStore& store, int dependant);

// Circumstances 2..5 of the event pair table: on or off on the date.
bool CircumstanceState(const data::FieldStore& store, int dependant, int circumstance, Date date);
bool CircumstanceState(const DependantRecord& dependant, int circumstance, Date date);
bool FullTimeEducationOnDate(const data::FieldStore& store, int dependant, Date date);
bool FullTimeEducationOnDate(const DependantRecord& dependant, Date date);
bool FullTimeEducationInYear(const data::FieldStore& store, int dependant);
bool FullTimeEducationInYear(const DependantRecord& dependant);
// The claimant's percentage of care on the date; -1 when unknown.
int SharedCareOnDate(const data::FieldStore& store, int dependant, Date date);
int SharedCareOnDate(const DependantRecord& dependant, Date date);
// The day the current absence without consent began, as known on the date; kNever when none.
Date AbsenceStart(const data::FieldStore& store, int dependant, Date date);
Date AbsenceStart(const DependantRecord& dependant, Date date);
bool DependantDepartedBefore(const data::FieldStore& store, int dependant, Date date);
bool DependantDepartedBefore(const DependantRecord& dependant, Date date);
// The date of the first "Deceased" event; kNever when none.
Date DateOfDeath(const data::FieldStore& store, int dependant);
Date DateOfDeath(const DependantRecord& dependant);
bool DeceasedBefore(const data::FieldStore& store, int dependant, Date date);
bool DeceasedBefore(const DependantRecord& dependant, Date date);

// Whole days overseas, counted from 1 July 1998 at the earliest.
long DaysAwayCount(Date returnDate, Date departureDate);

// The days on which the family's circumstances may change, in the order the rules add them.
DynArrayOfDates ChangeDates(const data::FieldStore& store);
DynArrayOfDates ChangeDates(const FamilyRecords& family);

}  // namespace ftb::assessment
