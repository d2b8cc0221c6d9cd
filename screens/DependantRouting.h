#pragma once
// Where the dependant details lead once a dependant's details and travel are entered: shared by
// the details screen and the two overseas screens that may follow it.
#include <optional>

#include "data/Dates.h"
#include "data/FieldStore.h"

namespace ftb::screens {

constexpr int kDependantDetailsScreen = 7827;
constexpr int kDependantOverseasScreen = 7828;
constexpr int kDependantIncomeScreen = 7830;
constexpr int kNotQualifiedScreen = 7831;
constexpr int kInitialCircumstancesScreen = 7832;
constexpr int kMultipleBirthScreen = 7835;
constexpr int kAnotherChildScreen = 7836;

// Why screen 7831 says a dependant does not qualify (field 1292).
constexpr int kNotQualifiedField = 1292;
constexpr int kOverAgeReason = 1;
constexpr int kIncomeReason = 2;
constexpr int kNeverDependantReason = 3;

// The open dependant worksheet's date of birth (field 713); nothing when blank or no date.
std::optional<data::Date> OpenDependantBirth(const data::FieldStore& store);

// The next screen for the current dependant (field 1280), read from the open worksheet:
// none (-1) goes to 7836; 25 or more on 1 July 2001 to 7831 with the reason 1 in 1292; then by
// the age on 30 June 2002 and full-time study for the whole year (734) to the income screen
// 7830 or to the initial circumstances 7832. A date of birth that cannot be read sends the
// claimant back to the details screen, where it is entered.
int DependantRoute(data::FieldStore& store);

// The next screen after the current dependant's changes of circumstance, read from the stored
// worksheet: when the dependant counts under the day test on at least one day of the income
// year, 7836 for a dependant older than 5 on 1 July 2001, else the multiple birth question 7835;
// a dependant who never counts goes to 7831 with the reason 3 in 1292.
int ChangesRoute(data::FieldStore& store);

}  // namespace ftb::screens
