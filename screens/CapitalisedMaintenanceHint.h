#pragma once
// What capitalised maintenance is, as the hint boxes of the capitalised maintenance questions say
// it, for an individual and for a dependant alike.
#include <string>
#include <vector>

namespace ftb::screens {

inline const std::vector<std::string> kCapitalisedMaintenanceHint = {
    "<X10>Capitalised maintenance is a capital item, such as a car, given in lieu of maintenance",
    "over a specified period. It is neither periodic nor provided on a periodic basis, and its",
    "value is over $1500.",
};

}  // namespace ftb::screens
