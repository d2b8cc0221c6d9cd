#pragma once
// Worksheets for the integrity and completion tests, built with the return builder.
#include <algorithm>
#include <initializer_list>
#include <string>

#include "assessment/support/ReturnBuilder.h"
#include "data/FieldStore.h"

namespace ftb::test_support {

// A dependant born on `birth` (dd/mm/yyyy) with the six income amounts typed (the taxable
// income as given, the others as 0) and the six circumstances of 1 July 2001 answered (in the
// claimant's full care, not studying, no payment, not absent, resident, no scheme payment;
// 2 = Yes, 1 = No), except the fields listed as unanswered.
inline WorksheetBuilder AnsweredDependant(std::string name, std::string birth,
                                          long double taxableIncome,
                                          std::initializer_list<int> unanswered = {}) {
    WorksheetBuilder dependant = Dependant(std::move(name), std::move(birth));
    const auto answer = [&](int field, long double value) {
        if (std::find(unanswered.begin(), unanswered.end(), field) == unanswered.end())
            dependant.Amount(field, value);
    };
    for (int field : {718, 719, 720, 723, 724}) answer(field, data::kExplicitZero);
    answer(725, taxableIncome);
    answer(727, 100);
    answer(728, 1);
    answer(730, 1);
    answer(731, 1);
    answer(715, 2);
    answer(1104, 1);
    return dependant;
}

inline data::TextList WorksheetTable(const data::FieldStore& store, int list, int index,
                                     int field) {
    data::TextList lines;
    store.GetWorksheetLines(list, index, field, lines);
    return lines;
}

}  // namespace ftb::test_support
