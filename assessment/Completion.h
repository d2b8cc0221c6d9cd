#pragma once
// The completion checks: the gaps across the whole return that would leave the claim
// incomplete, each reported as the screen where it is fixed and, where it concerns one person,
// that person's worksheet. Also the two tests of whether the maintenance sections are finished.
#include <cstdint>
#include <string>
#include <vector>

#include "assessment/FamilyRecords.h"
#include "data/FieldStore.h"
#include "platform/Dialogs.h"

namespace ftb::assessment {

// Screen indexes of the steps where the findings are fixed.
constexpr int kMaritalStatusStep = 21;
constexpr int kDependantDetailsStep = 27;
constexpr int kDependantIncomeStep = 30;
constexpr int kDependantCircumstancesStep = 32;
constexpr int kMaintenancePayersStep = 39;
constexpr int kSpousalMaintenanceStep = 43;
constexpr int kDependantMaintenanceStep = 51;

// One finding. The screen index is the screen number less 7800; the worksheet index is the
// 0-based spouse or dependant worksheet, -1 when the finding concerns no single person.
struct Warning {
    std::int32_t screenIndex = 0;
    std::int32_t worksheetIndex = -1;
    std::string message;

    friend bool operator==(const Warning&, const Warning&) = default;
};

// Appends three lines per finding to `lines` (screen index, worksheet index, message; it does
// not clear the list first) and returns true when it appended none. Working out which
// dependants' maintenance matters may show the spouse income message through `dialogs`.
bool RunCompletionChecks(const data::FieldStore& store, platform::Dialogs& dialogs,
                         data::TextList& lines);
// The same on the records of a request that asks more (see FamilyRecords).
bool RunCompletionChecks(const FamilyRecords& family, platform::Dialogs& dialogs,
                         data::TextList& lines);

// The findings held in such lines, in order; an incomplete last triple is ignored.
std::vector<Warning> WarningsFromLines(const data::TextList& lines);

// True when the spousal maintenance questions are finished. With the payer condition they are
// when no maintenance payer is named. `pending` is the first spouse not done, or -1 (no one, or
// the claimant's own questions are not finished).
bool SpousalMaintenanceDone(const data::FieldStore& store, bool payerCondition,
                            std::int32_t& pending);
bool SpousalMaintenanceDone(const data::FieldStore& store,
                            const data::WorksheetIndex& spouseWorksheets, bool payerCondition,
                            std::int32_t& pending);

// True when every maintenance-relevant dependant's maintenance questions are finished.
// `pending` is the first dependant not done, or -1.
bool DependantMaintenanceDone(const data::FieldStore& store, platform::Dialogs& dialogs,
                              std::int32_t& pending);
// The same on the records of a request that asks more (see FamilyRecords).
bool DependantMaintenanceDone(const FamilyRecords& family, platform::Dialogs& dialogs,
                              std::int32_t& pending);

}  // namespace ftb::assessment
