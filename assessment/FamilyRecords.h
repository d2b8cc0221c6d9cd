#pragma once
// The answers of one assessment request, each table and worksheet read once. The family tests
// ask about many dates; reading a dependant's change table, overseas table and amounts again for
// every date and every test made a request cost the number of dates times the size of the
// return. A request makes one FamilyRecords from the store, asks all its questions of it and
// drops it: nothing is kept between requests, so every request sees the answers as they stand.
// It points into the store and is valid only while the store is not changed.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "assessment/Currency.h"
#include "data/Dates.h"
#include "data/FieldStore.h"
#include "data/WorksheetIndex.h"

namespace ftb::assessment {

using data::Date;

// A worksheet index that names no worksheet.
constexpr int kNone = -1;

// The text without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);
// A date cell or date field: nothing when it is blank or not a valid date.
std::optional<Date> ReadDateText(std::string_view text);

// A change-of-circumstance row with a readable date.
struct Change {
    Date date;
    std::string event;
    std::string care;
};

// A period overseas with a readable departure; no return when the return cell is blank.
struct Absence {
    Date departure;
    std::optional<Date> returned;

    Date ReturnOrYearEnd() const;
};

// The rows of a departure/return table with a readable departure and a return that is blank or
// readable, in table order.
std::vector<Absence> ReadAbsences(const data::TextList& cells);

// The amounts of a dependant's adjusted taxable income as entered (0 for an empty one; the
// explicit zero counts 0).
struct DependantAmounts {
    long double TaxableIncome = 0;
    long double FringeBenefits = 0;
    long double RentalLosses = 0;
    long double Pensions = 0;
    long double ForeignIncome = 0;
    long double MaintenancePaid = 0;
};

// Field 710 of the worksheet; empty when it holds no text.
std::string WorksheetName(const data::WorksheetEntries& worksheet);

// One dependant worksheet as the tests read it.
struct DependantRecord {
    DependantRecord(const data::WorksheetEntries& entries, int index);

    int index;
    std::string name;
    std::optional<Date> birth;  // nothing when absent or not a valid date
    std::vector<Change> changes;
    // The change rows sorted out once, each list in table order: the events of each
    // circumstance (by the index of the event pair table) with whether they turn it on, the
    // shared care changes with a readable percentage, the days the dependant went absent, and
    // the first and the earliest "Deceased" rows.
    struct StateEvent {
        Date date;
        bool on;
    };
    struct CareChange {
        Date date;
        int percentage;
    };
    std::array<std::vector<StateEvent>, 6> stateEvents;
    std::vector<CareChange> careChanges;
    std::vector<Date> wentAbsent;
    std::optional<Date> firstDeath;
    std::optional<Date> earliestDeath;
    data::TextList overseasCells;  // field 747 in its storage form
    std::vector<Absence> overseas;
    // The initial answer of each circumstance, by the index of the event pair table.
    std::array<data::WorksheetValue, 6> initial;
    bool educationAllYear = false;
    bool departed = false;
    std::optional<Date> absentSince;
    std::optional<long double> sharedCare;
    DependantAmounts amounts;
    Currency income;  // the dependant ATI

private:
    void SortChanges();
};

// One spouse worksheet: its name and spouse ATI, and whether an amount of it is missing.
struct SpouseRecord {
    SpouseRecord(const data::WorksheetEntries& entries, int index);

    int index;
    std::string name;
    Currency income;
    bool incomeMissing = false;
};

// A row of a claimant table of periods: what it names, and its start and end when readable.
struct PeriodRow {
    std::string what;
    std::optional<Date> start;
    std::optional<Date> end;

    bool Covers(Date date) const { return start && end && *start <= date && date <= *end; }
};

class FamilyRecords {
public:
    explicit FamilyRecords(const data::FieldStore& store);
    FamilyRecords(const FamilyRecords&) = delete;
    FamilyRecords& operator=(const FamilyRecords&) = delete;

    const data::FieldStore& Store() const { return store_; }

    const std::vector<DependantRecord>& Dependants() const { return dependants_; }
    const std::vector<SpouseRecord>& Spouses() const { return spouses_; }
    const data::WorksheetIndex& DependantWorksheets() const { return dependantIndex_; }
    const data::WorksheetIndex& SpouseWorksheets() const { return spouseIndex_; }

    // The claimant's overseas table (field 1249) in its storage form and as periods.
    const data::TextList& ClaimantOverseasCells() const { return claimantOverseasCells_; }
    const std::vector<Absence>& ClaimantOverseas() const { return claimantOverseas_; }
    // The marital status table (no table, or one without a row, is none) and, for each of its
    // rows, the last spouse worksheet with the name the row holds (kNone when there is none).
    bool HasMaritalTable() const { return hasMaritalTable_; }
    const std::vector<PeriodRow>& MaritalRows() const { return maritalRows_; }
    const std::vector<int>& MaritalPartners() const { return maritalPartners_; }
    const std::vector<PeriodRow>& ResidencyRows() const { return residencyRows_; }
    const std::vector<PeriodRow>& BlindRateRows() const { return blindRateRows_; }
    Currency ClaimantIncome() const { return claimantIncome_; }

    // The last spouse worksheet whose name is exactly `name`, or kNone.
    int SpouseByName(const std::string& name) const;

private:
    const data::FieldStore& store_;
    data::WorksheetIndex dependantIndex_;
    data::WorksheetIndex spouseIndex_;
    std::vector<DependantRecord> dependants_;
    std::vector<SpouseRecord> spouses_;
    std::unordered_map<std::string, int> spouseByName_;  // the last spouse of each name
    data::TextList claimantOverseasCells_;
    std::vector<Absence> claimantOverseas_;
    bool hasMaritalTable_ = false;
    std::vector<PeriodRow> maritalRows_;
    std::vector<int> maritalPartners_;
    std::vector<PeriodRow> residencyRows_;
    std::vector<PeriodRow> blindRateRows_;
    Currency claimantIncome_;
};

}  // namespace ftb::assessment
