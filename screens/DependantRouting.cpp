#include "screens/DependantRouting.h"

#include "assessment/Calendar.h"
#include "assessment/FamilyTests.h"
#include "controls/core/StateFields.h"

namespace ftb::screens {

namespace {

constexpr int kDateOfBirthField = 713;
constexpr int kStudyAllYearField = 734;

constexpr int kOverAge = 25;           // on 1 July 2001: no longer a dependant
constexpr int kSchoolAge = 5;          // from here income matters unless in full-time study
constexpr int kOlderDependantAge = 16;  // from here income always matters...
constexpr int kIncomeAgeLimit = 25;     // ...up to this age
constexpr int kMultipleBirthAge = 5;    // up to this age on 1 July 2001 a birth may be multiple

}  // namespace

std::optional<data::Date> OpenDependantBirth(const data::FieldStore& store) {
    return data::ParseDate(store.GetFieldStr(kDateOfBirthField));
}

int DependantRoute(data::FieldStore& store) {
    if (controls::ReadStateField(store, controls::kCurrentDependantField) == -1)
        return kAnotherChildScreen;
    const std::optional<data::Date> birth = OpenDependantBirth(store);
    if (!birth) return kDependantDetailsScreen;
    if (assessment::AgeAt(*birth, assessment::kYearStart) >= kOverAge) {
        controls::WriteStateField(store, kNotQualifiedField, kOverAgeReason);
        return kNotQualifiedScreen;
    }
    const int age = assessment::AgeAt(*birth, assessment::kYearEnd);
    const bool studiedAllYear = store.FieldChecked(kStudyAllYearField);
    const bool incomeNeeded = (age >= kSchoolAge && age < kOlderDependantAge && !studiedAllYear) ||
                              (age >= kOlderDependantAge && age <= kIncomeAgeLimit);
    return incomeNeeded ? kDependantIncomeScreen : kInitialCircumstancesScreen;
}

int ChangesRoute(data::FieldStore& store) {
    const int dependant = controls::ReadStateField(store, controls::kCurrentDependantField);
    for (data::Date day = assessment::kYearStart; day <= assessment::kYearEnd;
         day += std::chrono::days{1}) {
        if (!assessment::DependantTest(store, dependant, assessment::dpDayTest, day)) continue;
        const std::optional<data::Date> birth = assessment::DateOfBirth(store, dependant);
        const bool older = birth && assessment::AgeAt(*birth, assessment::kYearStart) > kMultipleBirthAge;
        return older ? kAnotherChildScreen : kMultipleBirthScreen;
    }
    controls::WriteStateField(store, kNotQualifiedField, kNeverDependantReason);
    return kNotQualifiedScreen;
}

}  // namespace ftb::screens
