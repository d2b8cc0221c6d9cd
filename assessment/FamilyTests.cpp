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

// A worksheet amount rounded to cents; nothing when absent. The explicit zero is present and
// rounds to 0.
std::optional<Currency> WorksheetCents(const data::FieldStore& store, int list, int worksheet,
                                       int field) {
    const auto value = store.GetWorksheetValue(list, worksheet, field);
    const auto* number = std::get_if<long double>(&value);
    if (!number) return std::nullopt;
    return Currency::FromValue(*number).RoundedToCents();
}

std::string MissingSpouseIncomeMessage(const std::string& name) {
    return "You have not entered some of the income details required for " + name +
           " please complete " +
           "this data entry by going to \"Spouse Details\" from the navigation panel at a later "
           "stage.";
}

bool AgeAndIncomeTest(const data::FieldStore& store, int dependant, Date date,
                      bool studyOverTheYear) {
    const std::optional<Date> birth = DateOfBirth(store, dependant);
    if (!birth) return false;
    const int age = AgeAt(*birth, date);
    const auto inEducation = [&] {
        return studyOverTheYear ? FullTimeEducationInYear(store, dependant)
                                : FullTimeEducationOnDate(store, dependant, date);
    };
    const auto belowLimit = [&] { return DependantATI(store, dependant) < kDependantIncomeLimit; };
    if (age < 0) return studyOverTheYear && age == -1;
    if (age <= 4) return true;
    if (age <= 15) return inEducation() || belowLimit();
    if (age <= 20) return belowLimit();
    if (age <= 24) return inEducation() && belowLimit();
    return false;
}

std::string ListLine(const data::FieldStore& store, int list, int worksheet) {
    return std::to_string(worksheet) + "=" + WorksheetName(store, list, worksheet);
}

}  // namespace

bool ClaimantTest(const data::FieldStore& store, Date date, TraceSink& trace) {
    bool result = !BlindRateAtDate(store, date);
    if (result) {
        result = ResidentAtDate(store, date);
        trace.ReportStep("Residency", result);
    }
    if (!result) return false;
    const data::TextList overseas = ClaimantOverseas(store);
    result = !AwayOver26Weeks(overseas, date);
    trace.ReportStep("Overseas ", result);
    if (result) {
        result = !AwayThreeYears(overseas, date);
        trace.ReportStep("Greater than 3 Years OS ", result);
    }
    if (result) {
        result = !ClaimantDepartedBefore(store, date);
        trace.ReportStep("Overseas Permanent Departure ", result);
    }
    return result;
}

bool DependantTest(const data::FieldStore& store, int dependant, int purpose, Date date,
                   TraceSink& trace) {
    trace.ReportDate(date);
    // A dependant without a readable date of birth fails here, whatever the purpose.
    const std::optional<Date> birth = DateOfBirth(store, dependant);
    bool result = birth && *birth <= date;
    const int age = result ? AgeAt(*birth, date) : 0;

    if (result && purpose == dpMaintenance) result = age < kMaintenanceAge;
    trace.ReportStep("Under 16 if for maintenace purposes", result);

    if (result) result = !DependantDepartedBefore(store, dependant, date);
    trace.ReportStep("Permanent Departure", result);

    if (result && age >= kMaintenanceAge)
        result = !CircumstanceState(store, dependant, ciSchemePayment, date);

    if (result) result = !CircumstanceState(store, dependant, ciPayment, date);
    trace.ReportStep("In receipt of Social security", result);

    if (result) result = SharedCareOnDate(store, dependant, date) >= kMinimumSharedCare;
    trace.ReportStep("Shared care >= 10 %", result);

    if (result)
        result = !(CircumstanceState(store, dependant, ciAbsentWithoutConsent, date) &&
                   date - kGrace >= AbsenceStart(store, dependant, date));
    trace.ReportStep("Absent Without consent", result);

    if (result) {
        const data::TextList overseas = DependantOverseas(store, dependant);
        if (purpose == dpMaintenance) {
            result = !AwayOver26Weeks(overseas, date);
            trace.ReportStep("Overseas", result);
        }
        if (result) {
            result = !AwayThreeYears(overseas, date);
            trace.ReportStep("Overseas More than 3 years", result);
        }
    }

    if (result) result = CircumstanceState(store, dependant, ciResident, date);
    trace.ReportStep("Australian Residency", result);

    if (result) {
        if (DeceasedBefore(store, dependant, date))
            result = purpose != dpDayTest &&
                     date - kGrace < DateOfDeath(store, dependant) + days{1};
        trace.ReportStep("Alive", result);
    }

    if (result) result = AgeAndIncomeTestOnDate(store, dependant, date);
    trace.ReportStep("Income Thresholds", result);
    return result;
}

bool AgeAndIncomeTestOnDate(const data::FieldStore& store, int dependant, Date date) {
    return AgeAndIncomeTest(store, dependant, date, false);
}

bool AgeAndIncomeTestForYear(const data::FieldStore& store, int dependant, Date date) {
    return AgeAndIncomeTest(store, dependant, date, true);
}

Currency DependantIncome(const DependantAmounts& amounts) {
    const auto cents = [](long double value) { return Currency::FromValue(value).RoundedToCents(); };
    const Currency total = cents(amounts.TaxableIncome) + cents(amounts.FringeBenefits) +
                           cents(amounts.Pensions) + cents(amounts.ForeignIncome) +
                           cents(amounts.RentalLosses) - cents(amounts.MaintenancePaid);
    return total.RoundedToDollars();
}

Currency DependantATI(const data::FieldStore& store, int dependant) {
    const auto stored = [&](int field) {
        const auto value = store.GetWorksheetValue(data::kDependantList, dependant, field);
        const auto* number = std::get_if<long double>(&value);
        return number ? *number : 0.0L;
    };
    return DependantIncome({.TaxableIncome = stored(f::kDependantTaxableIncome),
                            .FringeBenefits = stored(f::kDependantFringeBenefits),
                            .RentalLosses = stored(f::kDependantRentalLosses),
                            .Pensions = stored(f::kDependantPensions),
                            .ForeignIncome = stored(f::kDependantForeignIncome),
                            .MaintenancePaid = stored(f::kDependantMaintenancePaid)});
}

Currency SpouseATI(const data::FieldStore& store, platform::Dialogs& dialogs, int spouse) {
    bool missing = false;
    const auto cents = [&](int field) {
        const auto amount = WorksheetCents(store, data::kSpouseList, spouse, field);
        missing = missing || !amount;
        return amount.value_or(Currency());
    };
    const Currency total = cents(f::kSpouseTaxableIncome) + cents(f::kSpouseFringeBenefits) +
                           cents(f::kSpouseRentalLosses) + cents(f::kSpousePensions) +
                           cents(f::kSpouseForeignIncome) - cents(f::kSpouseMaintenancePaid);
    if (missing)
        dialogs.Error(MissingSpouseIncomeMessage(WorksheetName(store, data::kSpouseList, spouse)));
    return total;
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
    const int partner = PartnerAtDate(store, date);
    const Currency spouse = partner == kNone ? Currency() : SpouseATI(store, dialogs, partner);
    return spouse + ClaimantATI(store);
}

Currency BaseRateThreshold(const data::FieldStore& store, Date date, TraceSink& trace) {
    int under13 = 0;
    int from13To15 = 0;
    const int dependants = WorksheetCount(store, data::kDependantList);
    for (int dependant = 0; dependant < dependants; ++dependant) {
        const std::optional<Date> birth = DateOfBirth(store, dependant);
        if (!birth) continue;
        const int age = AgeAt(*birth, date);
        if (age >= kMaintenanceAge || !DependantTest(store, dependant, dpMaintenance, date, trace))
            continue;
        ++(age < kOlderChildAge ? under13 : from13To15);
    }
    if (under13 + from13To15 == 0) return Currency();
    const int extra = (under13 >= 1) + (under13 >= 4) + (from13To15 >= 1) + (from13To15 >= 3) +
                      (from13To15 >= 5);
    return kBaseRateStart + Currency::FromUnits(kPerChildUnder13.Units() * under13) +
           Currency::FromUnits(kPerChild13To15.Units() * from13To15) + Currency::FromDollars(extra);
}

Currency HigherIncomeThreshold(const data::FieldStore& store, Date date, TraceSink& trace) {
    int counted = 0;
    const int dependants = WorksheetCount(store, data::kDependantList);
    for (int dependant = 0; dependant < dependants; ++dependant)
        if (DependantTest(store, dependant, dpHigherIncomeThreshold, date, trace)) ++counted;
    if (counted == 0) return Currency();
    return kHigherIncomeBase + Currency::FromUnits(kPerDependant.Units() * counted);
}

bool FamilyCircumstanceTest(const data::FieldStore& store, platform::Dialogs& dialogs, Date date,
                            TraceSink& trace) {
    trace.WriteLine("<BR><B><i>Start family circumstance test</B></i>");
    bool passed = ClaimantTest(store, date, trace);
    if (passed) {
        const Currency income = FamilyATI(store, dialogs, date);
        const Currency higherThreshold = HigherIncomeThreshold(store, date, trace);
        const Currency baseThreshold = BaseRateThreshold(store, date, trace);
        passed = income < baseThreshold && income <= higherThreshold;
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
    std::vector<int> candidates;
    const int dependants = WorksheetCount(store, data::kDependantList);
    for (int dependant = 0; dependant < dependants; ++dependant) {
        const std::optional<Date> birth = DateOfBirth(store, dependant);
        if (birth && AgeAt(*birth, kYearStart) < kMaintenanceAge &&
            AgeAndIncomeTestForYear(store, dependant, kYearStart))
            candidates.push_back(dependant);
    }

    std::vector<bool> found(candidates.size(), false);
    std::size_t remaining = candidates.size();
    if (remaining > 0) {
        for (const Date date : ChangeDates(store)) {
            if (remaining == 0) break;
            if (!FamilyCircumstanceTest(store, dialogs, date, trace)) continue;
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                if (found[i] || !DependantTest(store, candidates[i], dpMaintenance, date, trace))
                    continue;
                found[i] = true;
                --remaining;
            }
        }
    }

    lines.clear();
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (found[i]) lines.push_back(ListLine(store, data::kDependantList, candidates[i]));
}

void SpouseList(const data::FieldStore& store, data::TextList& lines) {
    lines.clear();
    const int spouses = WorksheetCount(store, data::kSpouseList);
    for (int spouse = 0; spouse < spouses; ++spouse)
        lines.push_back(ListLine(store, data::kSpouseList, spouse));
}

}  // namespace ftb::assessment
