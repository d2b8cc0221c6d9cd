#include "assessment/Completion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <variant>

#include "assessment/Calendar.h"
#include "assessment/CircumstanceFields.h"
#include "assessment/FamilyTests.h"

namespace ftb::assessment {
namespace {

namespace f = fields;
using data::FieldStore;
using data::TextList;

constexpr int kHadSpouseInYear = 1269;  // "0" is No
constexpr int kNotBlended = 1256;
constexpr int kMaintenancePayers = 1264;
constexpr int kNoMaintenancePayers = 1265;
constexpr int kClaimantMaintenanceDone = 1257;  // "1" when done
constexpr int kMaintenanceDone = 1106;          // in a spouse or dependant worksheet

constexpr std::size_t kMaritalColumns = 4;
constexpr int kIncomeFields[] = {f::kDependantFringeBenefits, f::kDependantRentalLosses,
                                 f::kDependantPensions,       f::kDependantForeignIncome,
                                 f::kDependantMaintenancePaid, f::kDependantTaxableIncome};
constexpr int kCircumstanceFields[] = {f::kSharedCare,       f::kInitialEducation,
                                       f::kInitialAbsent,    f::kInitialResident,
                                       f::kInitialPayment,   f::kInitialSchemePayment};

bool HasText(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

// A worksheet field was answered when the worksheet holds a value for it. A zero amount, blank
// text or cleared flag counts as unanswered, as in the field store's empty test; a typed zero
// (the explicit zero) is an answer.
struct Answered {
    bool operator()(std::monostate) const { return false; }
    bool operator()(long double amount) const { return std::fabs(amount) >= 0.001L; }
    bool operator()(const std::string& text) const { return HasText(text); }
    bool operator()(bool checked) const { return checked; }
};

bool WorksheetHas(const data::WorksheetEntries& worksheet, int field) {
    return std::visit(Answered{}, worksheet.Value(field));
}

bool DependantHas(const FamilyRecords& family, const DependantRecord& dependant, int field) {
    return WorksheetHas(family.DependantWorksheets().Worksheet(dependant.index), field);
}

std::optional<std::int32_t> ParseInt(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The worksheet index of an "index=name" line of the person lists.
std::optional<std::int32_t> PersonIndex(const std::string& line) {
    return ParseInt(std::string_view(line).substr(0, line.find('=')));
}

// The first person of the list whose maintenance questions are not finished.
std::optional<std::int32_t> FirstNotDone(const data::WorksheetIndex& worksheets,
                                         const TextList& people) {
    for (const std::string& line : people) {
        const auto index = PersonIndex(line);
        if (index && !WorksheetHas(worksheets.Worksheet(*index), kMaintenanceDone)) return index;
    }
    return std::nullopt;
}

void Add(TextList& lines, std::int32_t screen, std::int32_t worksheet, std::string message) {
    lines.push_back(std::to_string(screen));
    lines.push_back(std::to_string(worksheet));
    lines.push_back(std::move(message));
}

// The worksheet texts of the findings in `lines` with this screen and message.
std::unordered_set<std::string> WorksheetsWith(const TextList& lines, std::int32_t screen,
                                               const std::string& message) {
    const std::string screenText = std::to_string(screen);
    std::unordered_set<std::string> worksheets;
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3)
        if (lines[i] == screenText && lines[i + 2] == message) worksheets.insert(lines[i + 1]);
    return worksheets;
}

// Whether every day of the income year lies in exactly one row with a readable start and end.
bool EveryDayInOneRow(const TextList& cells) {
    const auto days = static_cast<std::size_t>((kYearEnd - kYearStart).count() + 1);
    std::vector<int> rowsFrom(days + 1, 0);  // rows starting minus rows ended, by day
    for (std::size_t row = 0; row + 2 < cells.size(); row += kMaritalColumns) {
        const auto start = data::ParseDate(cells[row + 1]);
        const auto end = data::ParseDate(cells[row + 2]);
        if (!start || !end) continue;
        const Date from = std::max(*start, kYearStart);
        const Date to = std::min(*end, kYearEnd);
        if (from > to) continue;
        ++rowsFrom[static_cast<std::size_t>((from - kYearStart).count())];
        --rowsFrom[static_cast<std::size_t>((to - kYearStart).count()) + 1];
    }
    int covering = 0;
    for (std::size_t day = 0; day < days; ++day) {
        covering += rowsFrom[day];
        if (covering != 1) return false;
    }
    return true;
}

// One spouse from before the year, no separation and no blended family need no table.
bool MaritalTableNeeded(const FieldStore& store) {
    if (store.FieldIsEmpty(kHadSpouseInYear) || store.GetFieldText(kHadSpouseInYear) == "0")
        return false;
    return !(store.FieldChecked(f::kNoSeparation) && store.FieldChecked(kNotBlended) &&
             store.FieldChecked(f::kSpouseAtYearStart));
}

void CheckMaritalStatus(const FamilyRecords& family, TextList& lines) {
    const FieldStore& store = family.Store();
    if (!MaritalTableNeeded(store)) return;
    const TextList* table = store.GetFieldLst(f::kMaritalStatus);
    if (table == nullptr) {
        Add(lines, kMaritalStatusStep, kNone,
            "Family circumstance period table needs to be completed");
        return;
    }
    std::unordered_set<std::string> listed;
    for (std::size_t row = 0; row < table->size(); row += kMaritalColumns)
        listed.insert((*table)[row]);
    for (const SpouseRecord& spouse : family.Spouses())
        if (!listed.count(spouse.name))
            Add(lines, kMaritalStatusStep, spouse.index, spouse.name + " Not in marital status table");
    // This finding has always named worksheet index 1, whatever the table holds.
    if (!EveryDayInOneRow(*table))
        Add(lines, kMaritalStatusStep, 1, "Missing or overlapping dates in marital status table");
}

// The dependant's age on 1 July 2001; nothing without a readable date of birth.
std::optional<int> AgeAtYearStart(const DependantRecord& dependant) {
    if (!dependant.birth) return std::nullopt;
    return AgeAt(*dependant.birth, kYearStart);
}

void CheckDependantAgeAndIncome(const FamilyRecords& family, TextList& lines) {
    for (const DependantRecord& dependant : family.Dependants()) {
        const auto age = AgeAtYearStart(dependant);
        if (!age) {
            Add(lines, kDependantDetailsStep, dependant.index, "Dependant age missing");
            continue;
        }
        if (DependantDepartedBefore(dependant, kYearStart)) continue;
        const bool studyingAllYear = DependantHas(family, dependant, f::kEducationAllYear);
        const bool incomeNeeded =
            (*age >= 5 && *age <= 15 && !studyingAllYear) || (*age >= 16 && *age <= 25);
        const bool incomeMissing =
            std::any_of(std::begin(kIncomeFields), std::end(kIncomeFields),
                        [&](int field) { return !DependantHas(family, dependant, field); });
        if (incomeNeeded && incomeMissing)
            Add(lines, kDependantIncomeStep, dependant.index, "Dependant ATI details missing");
    }
}

// A dependant gets at most one such finding; one the list already held counts too.
void CheckDependantCircumstances(const FamilyRecords& family, TextList& lines) {
    const std::string message = "Dependant circumstance data incomplete";
    const std::unordered_set<std::string> reported =
        WorksheetsWith(lines, kDependantCircumstancesStep, message);
    for (const DependantRecord& dependant : family.Dependants()) {
        const auto age = AgeAtYearStart(dependant);
        if (!age || *age > 25 || DependantDepartedBefore(dependant, kYearStart)) continue;
        if (*age > 15 && dependant.income > kDependantIncomeLimit) continue;
        const bool incomplete =
            std::any_of(std::begin(kCircumstanceFields), std::end(kCircumstanceFields),
                        [&](int field) { return !DependantHas(family, dependant, field); });
        if (incomplete && !reported.count(std::to_string(dependant.index)))
            Add(lines, kDependantCircumstancesStep, dependant.index, message);
    }
}

}  // namespace

bool RunCompletionChecks(const FieldStore& store, platform::Dialogs& dialogs, TextList& lines) {
    return RunCompletionChecks(FamilyRecords(store), dialogs, lines);
}

bool RunCompletionChecks(const FamilyRecords& family, platform::Dialogs& dialogs,
                         TextList& lines) {
    const FieldStore& store = family.Store();
    const std::size_t before = lines.size();
    CheckMaritalStatus(family, lines);
    CheckDependantAgeAndIncome(family, lines);
    CheckDependantCircumstances(family, lines);
    // A payer table saved empty is still an answer; only a list never made is missing.
    if (store.GetFieldLst(kMaintenancePayers) == nullptr &&
        !store.FieldChecked(kNoMaintenancePayers))
        Add(lines, kMaintenancePayersStep, kNone, "Maintenance payers information required");
    std::int32_t pending = kNone;
    if (!DependantMaintenanceDone(family, dialogs, pending))
        Add(lines, kDependantMaintenanceStep, kNone, "Dependant maintenance information required");
    if (!SpousalMaintenanceDone(store, family.SpouseWorksheets(), true, pending))
        Add(lines, kSpousalMaintenanceStep, kNone, "Spousal maintenance information required");
    return lines.size() == before;
}

std::vector<Warning> WarningsFromLines(const TextList& lines) {
    std::vector<Warning> warnings;
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        const auto screen = ParseInt(lines[i]);
        const auto worksheet = ParseInt(lines[i + 1]);
        // Skipped rather than read as screen 0, which would be taken for an exit screen.
        if (!screen || !worksheet) continue;
        warnings.push_back({*screen, *worksheet, lines[i + 2]});
    }
    return warnings;
}

bool SpousalMaintenanceDone(const FieldStore& store, bool payerCondition,
                            std::int32_t& pending) {
    return SpousalMaintenanceDone(store, data::WorksheetIndex(store, data::kSpouseList),
                                  payerCondition, pending);
}

bool SpousalMaintenanceDone(const FieldStore& store, const data::WorksheetIndex& spouseWorksheets,
                            bool payerCondition, std::int32_t& pending) {
    pending = kNone;
    if (payerCondition) {
        const TextList* payers = store.GetFieldLst(kMaintenancePayers);
        if (payers == nullptr || std::none_of(payers->begin(), payers->end(),
                                              [](const std::string& p) { return HasText(p); }))
            return true;
    }
    if (store.GetFieldText(kClaimantMaintenanceDone) != "1") return false;
    TextList spouses;
    SpouseList(spouseWorksheets, spouses);
    const auto first = FirstNotDone(spouseWorksheets, spouses);
    if (!first) return true;
    pending = *first;
    return false;
}

bool DependantMaintenanceDone(const FieldStore& store, platform::Dialogs& dialogs,
                              std::int32_t& pending) {
    return DependantMaintenanceDone(FamilyRecords(store), dialogs, pending);
}

bool DependantMaintenanceDone(const FamilyRecords& family, platform::Dialogs& dialogs,
                              std::int32_t& pending) {
    pending = kNone;
    TextList relevant;
    MaintenanceRelevantDependants(family, dialogs, relevant);
    const auto first = FirstNotDone(family.DependantWorksheets(), relevant);
    if (!first) return true;
    pending = *first;
    return false;
}

}  // namespace ftb::assessment
