#include "assessment/FamilyTests.h"

#include <optional>
#include <string>
#include <vector>

#include "assessment/CircumstanceFields.h"

namespace ftb::assessment {

namespace f = fields;
using std::chrono::days;

namespace {

constexpr int kMaintenanceAge = 16;
constexpr int kOlderChildAge = 13;
constexpr days kGrace{kGraceDays};

constexpr Currency kBaseRateStart = Currency::FromDollars(29857);
constexpr Currency kPerChildUnder13 = Currency::FromDollars(7251);
constexpr Currency kPerChild13To15 = Currency::FromDollars(10110);
constexpr Currency kHigherIncomeBase = Currency::FromDollars(74095);
constexpr Currency kPerDependant = Currency::FromDollars(3139);
constexpr std::int64_t kIncome126Hundredths = 51;

// Claimant amounts: a value between 0 and 0.005 (the explicit zero among them) counts as 0.
Currency ClaimantAmount(const data::FieldStore& store, int field) {
    return Currency::FromValue(store.GetFieldVal(field, true));
}

std::string MissingSpouseIncomeMessage(const std::string& name) {
    return "You have not entered some of the income details required for " + name +
           " please complete " +
           "this data entry by going to \"Spouse Details\" from the navigation panel at a later "
           "stage.";
}

bool AgeAndIncomeTest(const DependantRecord& dependant, Date date, bool studyOverTheYear) {
    if (!dependant.birth) return false;
    const int age = AgeAt(*dependant.birth, date);
    const auto inEducation = [&] {
        return studyOverTheYear ? FullTimeEducationInYear(dependant)
                                : FullTimeEducationOnDate(dependant, date);
    };
    const auto belowLimit = [&] { return dependant.income < kDependantIncomeLimit; };
    if (age < 0) return studyOverTheYear && age == -1;
    if (age <= 4) return true;
    if (age <= 15) return inEducation() || belowLimit();
    if (age <= 20) return belowLimit();
    if (age <= 24) return inEducation() && belowLimit();
    return false;
}

// The thresholds for the counts of dependants they count; both only grow with each one counted.
Currency BaseRateFor(int under13, int from13To15) {
    if (under13 + from13To15 == 0) return Currency();
    const int extra = (under13 >= 1) + (under13 >= 4) + (from13To15 >= 1) + (from13To15 >= 3) +
                      (from13To15 >= 5);
    return kBaseRateStart + Currency::FromUnits(kPerChildUnder13.Units() * under13) +
           Currency::FromUnits(kPerChild13To15.Units() * from13To15) + Currency::FromDollars(extra);
}

Currency HigherIncomeFor(int counted) {
    if (counted == 0) return Currency();
    return kHigherIncomeBase + Currency::FromUnits(kPerDependant.Units() * counted);
}

// Whether the income fails the thresholds however many dependants pass their tests on the date:
// it is not below the base-rate threshold, or above the HIT, even with every dependant born by
// then counted (for the base rate every one under 16). The dependant tests are then not run.
bool IncomeAboveEveryThreshold(const FamilyRecords& family, Date date, Currency income) {
    int born = 0;
    int under13 = 0;
    int from13To15 = 0;
    for (const DependantRecord& dependant : family.Dependants()) {
        if (!dependant.birth || date < *dependant.birth) continue;
        ++born;
        const int age = AgeAt(*dependant.birth, date);
        if (age < kMaintenanceAge) ++(age < kOlderChildAge ? under13 : from13To15);
    }
    return !(income < BaseRateFor(under13, from13To15)) || income > HigherIncomeFor(born);
}

std::string ListLine(int worksheet, const std::string& name) {
    return std::to_string(worksheet) + "=" + name;
}

}  // namespace

bool ClaimantTest(const data::FieldStore& store, Date date, TraceSink& trace) {
    return ClaimantTest(FamilyRecords(store), date, trace);
}

bool ClaimantTest(const FamilyRecords& family, Date date, TraceSink& trace) {
    bool result = !BlindRateAtDate(family, date);
    if (result) {
        result = ResidentAtDate(family, date);
        trace.ReportStep("Residency", result);
    }
    if (!result) return false;
    const std::vector<Absence>& overseas = family.ClaimantOverseas();
    result = !AwayOver26Weeks(overseas, date);
    trace.ReportStep("Overseas ", result);
    if (result) {
        result = !AwayThreeYears(overseas, date);
        trace.ReportStep("Greater than 3 Years OS ", result);
    }
    if (result) {
        result = !ClaimantDepartedBefore(family, date);
        trace.ReportStep("Overseas Permanent Departure ", result);
    }
    return result;
}

bool DependantTest(const data::FieldStore& store, int dependant, int purpose, Date date,
                   TraceSink& trace) {
    return DependantTest(ReadDependant(store, dependant), purpose, date, trace);
}

bool DependantTest(const DependantRecord& dependant, int purpose, Date date, TraceSink& trace) {
    trace.ReportDate(date);
    // A dependant without a readable date of birth fails here, whatever the purpose.
    bool result = dependant.birth && *dependant.birth <= date;
    const int age = result ? AgeAt(*dependant.birth, date) : 0;

    if (result && purpose == dpMaintenance) result = age < kMaintenanceAge;
    trace.ReportStep("Under 16 if for maintenace purposes", result);

    if (result) result = !DependantDepartedBefore(dependant, date);
    trace.ReportStep("Permanent Departure", result);

    if (result && age >= kMaintenanceAge)
        result = !CircumstanceState(dependant, ciSchemePayment, date);

    if (result) result = !CircumstanceState(dependant, ciPayment, date);
    trace.ReportStep("In receipt of Social security", result);

    if (result) result = SharedCareOnDate(dependant, date) >= kMinimumSharedCare;
    trace.ReportStep("Shared care >= 10 %", result);

    if (result)
        result = !(CircumstanceState(dependant, ciAbsentWithoutConsent, date) &&
                   date - kGrace >= AbsenceStart(dependant, date));
    trace.ReportStep("Absent Without consent", result);

    if (result) {
        if (purpose == dpMaintenance) {
            result = !AwayOver26Weeks(dependant.overseas, date);
            trace.ReportStep("Overseas", result);
        }
        if (result) {
            result = !AwayThreeYears(dependant.overseas, date);
            trace.ReportStep("Overseas More than 3 years", result);
        }
    }

    if (result) result = CircumstanceState(dependant, ciResident, date);
    trace.ReportStep("Australian Residency", result);

    if (result) {
        if (DeceasedBefore(dependant, date))
            result = purpose != dpDayTest && date - kGrace < DateOfDeath(dependant) + days{1};
        trace.ReportStep("Alive", result);
    }

    if (result) result = AgeAndIncomeTestOnDate(dependant, date);
    trace.ReportStep("Income Thresholds", result);
    return result;
}

bool AgeAndIncomeTestOnDate(const data::FieldStore& store, int dependant, Date date) {
    return AgeAndIncomeTestOnDate(ReadDependant(store, dependant), date);
}

bool AgeAndIncomeTestOnDate(const DependantRecord& dependant, Date date) {
    return AgeAndIncomeTest(dependant, date, false);
}

bool AgeAndIncomeTestForYear(const data::FieldStore& store, int dependant, Date date) {
    return AgeAndIncomeTestForYear(ReadDependant(store, dependant), date);
}

bool AgeAndIncomeTestForYear(const DependantRecord& dependant, Date date) {
    return AgeAndIncomeTest(dependant, date, true);
}

Currency DependantIncome(const DependantAmounts& amounts) {
    const auto cents = [](long double value) { return Currency::FromValue(value).RoundedToCents(); };
    const Currency total = cents(amounts.TaxableIncome) + cents(amounts.FringeBenefits) +
                           cents(amounts.Pensions) + cents(amounts.ForeignIncome) +
                           cents(amounts.RentalLosses) - cents(amounts.MaintenancePaid);
    return total.RoundedToDollars();
}

Currency DependantATI(const data::FieldStore& store, int dependant) {
    return ReadDependant(store, dependant).income;
}

Currency SpouseATI(const data::FieldStore& store, platform::Dialogs& dialogs, int spouse) {
    const data::WorksheetIndex spouses(store, data::kSpouseList);
    return SpouseATI(SpouseRecord(spouses.Worksheet(spouse), spouse), dialogs);
}

Currency SpouseATI(const SpouseRecord& spouse, platform::Dialogs& dialogs) {
    if (spouse.incomeMissing) dialogs.Error(MissingSpouseIncomeMessage(spouse.name));
    return spouse.income;
}

Currency ClaimantATI(const data::FieldStore& store) {
    Currency total = ClaimantAmount(store, f::kClaimantIncome) +
                     ClaimantAmount(store, f::kClaimantPensions) +
                     ClaimantAmount(store, f::kClaimantIncome126).TimesHundredths(
                         kIncome126Hundredths) +
                     ClaimantAmount(store, f::kClaimantForeignIncome) -
                     ClaimantAmount(store, f::kClaimantMaintenancePaid);
    const Currency loss = ClaimantAmount(store, f::kClaimantIncome199);
    if (loss.IsNegative()) total -= loss;
    return total;
}

Currency FamilyATI(const data::FieldStore& store, platform::Dialogs& dialogs, Date date) {
    return FamilyATI(FamilyRecords(store), dialogs, date);
}

Currency FamilyATI(const FamilyRecords& family, platform::Dialogs& dialogs, Date date) {
    const int partner = PartnerAtDate(family, date);
    const Currency spouse =
        partner == kNone
            ? Currency()
            : SpouseATI(family.Spouses()[static_cast<std::size_t>(partner)], dialogs);
    return spouse + family.ClaimantIncome();
}

Currency BaseRateThreshold(const data::FieldStore& store, Date date, TraceSink& trace) {
    return BaseRateThreshold(FamilyRecords(store), date, trace);
}

Currency BaseRateThreshold(const FamilyRecords& family, Date date, TraceSink& trace) {
    int under13 = 0;
    int from13To15 = 0;
    for (const DependantRecord& dependant : family.Dependants()) {
        if (!dependant.birth) continue;
        const int age = AgeAt(*dependant.birth, date);
        if (age >= kMaintenanceAge || !DependantTest(dependant, dpMaintenance, date, trace))
            continue;
        ++(age < kOlderChildAge ? under13 : from13To15);
    }
    return BaseRateFor(under13, from13To15);
}

Currency HigherIncomeThreshold(const data::FieldStore& store, Date date, TraceSink& trace) {
    return HigherIncomeThreshold(FamilyRecords(store), date, trace);
}

Currency HigherIncomeThreshold(const FamilyRecords& family, Date date, TraceSink& trace) {
    int counted = 0;
    for (const DependantRecord& dependant : family.Dependants())
        if (DependantTest(dependant, dpHigherIncomeThreshold, date, trace)) ++counted;
    return HigherIncomeFor(counted);
}

bool FamilyCircumstanceTest(const data::FieldStore& store, platform::Dialogs& dialogs, Date date,
                            TraceSink& trace) {
    return FamilyCircumstanceTest(FamilyRecords(store), dialogs, date, trace);
}

bool FamilyCircumstanceTest(const FamilyRecords& family, platform::Dialogs& dialogs, Date date,
                            TraceSink& trace) {
    trace.WriteLine("<BR><B><i>Start family circumstance test</B></i>");
    bool passed = ClaimantTest(family, date, trace);
    if (passed) {
        const Currency income = FamilyATI(family, dialogs, date);
        passed = !IncomeAboveEveryThreshold(family, date, income);
        if (passed) {
            const Currency higherThreshold = HigherIncomeThreshold(family, date, trace);
            const Currency baseThreshold = BaseRateThreshold(family, date, trace);
            passed = income < baseThreshold && income <= higherThreshold;
        }
        if (passed)
            trace.WriteLine("Passed Threshold Base rate and HIT for " + data::FormatDate(date));
    }
    trace.WriteLine("Family circumstance " + data::FormatDate(date) +
                    (passed ? " Passed" : " Failed"));
    trace.WriteLine("<BR><B><i>End family circumstance test</B></i><BR>");
    return passed;
}

void MaintenanceRelevantDependants(const data::FieldStore& store, platform::Dialogs& dialogs,
                                   data::TextList& lines, TraceSink& trace) {
    MaintenanceRelevantDependants(FamilyRecords(store), dialogs, lines, trace);
}

// The tables were read once for the whole walk; each candidate leaves the walk on the first
// date on which it is found, and the walk ends once every candidate is.
void MaintenanceRelevantDependants(const FamilyRecords& family, platform::Dialogs& dialogs,
                                   data::TextList& lines, TraceSink& trace) {
    std::vector<const DependantRecord*> candidates;
    for (const DependantRecord& dependant : family.Dependants())
        if (dependant.birth && AgeAt(*dependant.birth, kYearStart) < kMaintenanceAge &&
            AgeAndIncomeTestForYear(dependant, kYearStart))
            candidates.push_back(&dependant);

    std::vector<bool> found(candidates.size(), false);
    std::size_t remaining = candidates.size();
    if (remaining > 0) {
        for (const Date date : ChangeDates(family)) {
            if (remaining == 0) break;
            if (!FamilyCircumstanceTest(family, dialogs, date, trace)) continue;
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                if (found[i] || !DependantTest(*candidates[i], dpMaintenance, date, trace))
                    continue;
                found[i] = true;
                --remaining;
            }
        }
    }

    lines.clear();
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (found[i]) lines.push_back(ListLine(candidates[i]->index, candidates[i]->name));
}

void SpouseList(const data::FieldStore& store, data::TextList& lines) {
    SpouseList(data::WorksheetIndex(store, data::kSpouseList), lines);
}

void SpouseList(const data::WorksheetIndex& spouses, data::TextList& lines) {
    lines.clear();
    for (int spouse = 0; spouse < spouses.Count(); ++spouse)
        lines.push_back(ListLine(spouse, WorksheetName(spouses.Worksheet(spouse))));
}

}  // namespace ftb::assessment
