#include "screens/SpouseNames.h"

#include "assessment/Calendar.h"

namespace ftb::screens {

int SpouseCount(const data::FieldStore& store) {
    return assessment::WorksheetCount(store, data::kSpouseList);
}

data::TextList SpouseDisplayNames(const data::FieldStore& store) {
    data::TextList names;
    for (int spouse = 0; spouse < SpouseCount(store); ++spouse)
        names.push_back(assessment::WorksheetName(store, data::kSpouseList, spouse));
    return names;
}

}  // namespace ftb::screens
