#include "assessment/FamilyRecords.h"

#include <charconv>

#include "assessment/Calendar.h"
#include "assessment/CircumstanceFields.h"
#include "assessment/FamilyTests.h"

namespace ftb::assessment {
namespace {

namespace f = fields;
using data::TextList;
using data::WorksheetEntries;

constexpr std::size_t kOverseasColumns = 2;
constexpr std::size_t kMaritalColumns = 4;
constexpr std::size_t kResidencyColumns = 3;
constexpr std::size_t kBlindRateColumns = 3;
constexpr std::size_t kChangeColumns = 3;

// A date cell: blank, a valid date, or unreadable.
struct DateCell {
    bool blank = true;
    std::optional<Date> date;

    bool Unreadable() const { return !blank && !date; }
};

DateCell ReadDateCell(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
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

// The rows of a claimant table whose first column names what the period is about.
std::vector<PeriodRow> ReadPeriodRows(const TextList& cells, std::size_t columns) {
    const Table table(cells, columns);
    std::vector<PeriodRow> rows;
    rows.reserve(table.Rows());
    for (std::size_t row = 0; row < table.Rows(); ++row)
        rows.push_back({table.Cell(row, 0), table.DateAt(row, 1).date, table.DateAt(row, 2).date});
    return rows;
}

bool Present(const data::WorksheetValue& value) {
    return !std::holds_alternative<std::monostate>(value);
}

std::string TextOf(const data::WorksheetValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

std::optional<long double> NumberOf(const data::WorksheetValue& value) {
    const auto* number = std::get_if<long double>(&value);
    if (!number) return std::nullopt;
    return *number;
}

// A date held as text; nothing when absent, blank or unreadable.
std::optional<Date> DateOf(const data::WorksheetValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    if (!text) return std::nullopt;
    return ReadDateText(*text);
}

std::optional<int> ReadPercentage(const std::string& text) {
    const std::string_view trimmed = TrimBlanks(text);
    int value = 0;
    const auto [end, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (error != std::errc() || end != trimmed.data() + trimmed.size()) return std::nullopt;
    return value;
}

std::vector<Change> ReadChanges(const TextList* cells) {
    std::vector<Change> changes;
    if (!cells) return changes;
    const Table table(*cells, kChangeColumns);
    for (std::size_t row = 0; row < table.Rows(); ++row) {
        const DateCell date = table.DateAt(row, 0);
        if (date.date) changes.push_back({*date.date, table.Cell(row, 1), table.Cell(row, 2)});
    }
    return changes;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<Date> ReadDateText(std::string_view text) { return ReadDateCell(text).date; }

std::string WorksheetName(const WorksheetEntries& worksheet) {
    return TextOf(worksheet.Value(f::kName));
}

Date Absence::ReturnOrYearEnd() const { return returned.value_or(kYearEnd); }

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

DependantRecord::DependantRecord(const WorksheetEntries& worksheet, int dependant)
    : index(dependant) {
    name = WorksheetName(worksheet);
    birth = DateOf(worksheet.Value(f::kDateOfBirth));
    changes = ReadChanges(worksheet.Lines(f::kChanges));
    SortChanges();
    if (const TextList* cells = worksheet.Lines(f::kDependantOverseas)) overseasCells = *cells;
    overseas = ReadAbsences(overseasCells);
    for (std::size_t c = 1; c < initial.size(); ++c)
        initial[c] = worksheet.Value(kInitialAnswerFields[c]);
    educationAllYear = Present(worksheet.Value(f::kEducationAllYear));
    departed = Present(worksheet.Value(f::kDependantDeparted));
    absentSince = DateOf(worksheet.Value(f::kAbsentSince));
    sharedCare = NumberOf(worksheet.Value(f::kSharedCare));
    const auto stored = [&](int field) { return NumberOf(worksheet.Value(field)).value_or(0.0L); };
    amounts = {.TaxableIncome = stored(f::kDependantTaxableIncome),
               .FringeBenefits = stored(f::kDependantFringeBenefits),
               .RentalLosses = stored(f::kDependantRentalLosses),
               .Pensions = stored(f::kDependantPensions),
               .ForeignIncome = stored(f::kDependantForeignIncome),
               .MaintenancePaid = stored(f::kDependantMaintenancePaid)};
    income = DependantIncome(amounts);
}

void DependantRecord::SortChanges() {
    for (const Change& change : changes) {
        for (std::size_t c = 1; c < kEventPairs.size(); ++c) {
            if (change.event == kEventPairs[c].on) stateEvents[c].push_back({change.date, true});
            if (change.event == kEventPairs[c].off) stateEvents[c].push_back({change.date, false});
        }
        if (change.event == kChangeOfSharedCare)
            if (const std::optional<int> care = ReadPercentage(change.care))
                careChanges.push_back({change.date, *care});
        if (change.event == kEventPairs[ciAbsentWithoutConsent].on)
            wentAbsent.push_back(change.date);
        if (change.event == kDeceased) {
            if (!firstDeath) firstDeath = change.date;
            if (!earliestDeath || change.date < *earliestDeath) earliestDeath = change.date;
        }
    }
}

SpouseRecord::SpouseRecord(const WorksheetEntries& worksheet, int spouse)
    : index(spouse), name(WorksheetName(worksheet)) {
    // Each amount rounded to cents; an absent one counts 0 and is noted.
    const auto cents = [&](int field) {
        const std::optional<long double> amount = NumberOf(worksheet.Value(field));
        incomeMissing = incomeMissing || !amount;
        return amount ? Currency::FromValue(*amount).RoundedToCents() : Currency();
    };
    income = cents(f::kSpouseTaxableIncome) + cents(f::kSpouseFringeBenefits) +
             cents(f::kSpouseRentalLosses) + cents(f::kSpousePensions) +
             cents(f::kSpouseForeignIncome) - cents(f::kSpouseMaintenancePaid);
}

FamilyRecords::FamilyRecords(const data::FieldStore& store)
    : store_(store),
      dependantIndex_(store, data::kDependantList),
      spouseIndex_(store, data::kSpouseList),
      claimantOverseasCells_(ClaimantTable(store, f::kClaimantOverseas)),
      claimantOverseas_(ReadAbsences(claimantOverseasCells_)),
      residencyRows_(ReadPeriodRows(ClaimantTable(store, f::kResidency), kResidencyColumns)),
      blindRateRows_(ReadPeriodRows(ClaimantTable(store, f::kBlindRatePeriods), kBlindRateColumns)),
      claimantIncome_(ClaimantATI(store)) {
    dependants_.reserve(static_cast<std::size_t>(dependantIndex_.Count()));
    for (int d = 0; d < dependantIndex_.Count(); ++d)
        dependants_.emplace_back(dependantIndex_.Worksheet(d), d);
    spouses_.reserve(static_cast<std::size_t>(spouseIndex_.Count()));
    for (int s = 0; s < spouseIndex_.Count(); ++s) {
        spouses_.emplace_back(spouseIndex_.Worksheet(s), s);
        spouseByName_[spouses_.back().name] = s;
    }

    const TextList& marital = ClaimantTable(store, f::kMaritalStatus);
    hasMaritalTable_ = !marital.empty();
    maritalRows_ = ReadPeriodRows(marital, kMaritalColumns);
    maritalPartners_.reserve(maritalRows_.size());
    for (const PeriodRow& row : maritalRows_) maritalPartners_.push_back(SpouseByName(row.what));
}

int FamilyRecords::SpouseByName(const std::string& name) const {
    const auto found = spouseByName_.find(name);
    return found == spouseByName_.end() ? kNone : found->second;
}

}  // namespace ftb::assessment
