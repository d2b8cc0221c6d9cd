#pragma once
// What the spousal maintenance screens (7843 to 7848) share. They ask their questions for one
// individual at a time: "You" (field 1279 is -1) or a spouse (1279 is the index of the spouse
// worksheet). The claimant's answers are fields 1260 (capitalised maintenance) and 1261
// (non-capitalised) with the done flag 1257; a spouse's are 728 and 729 with the done flag 1106,
// in the spouse's worksheet.
#include <optional>
#include <string>

#include "data/FieldStore.h"

class QObject;

namespace ftb::interview {
class TChildForm;
}

namespace ftb::screens {

// The value of 1279 that stands for "You".
constexpr int kClaimantIndividual = -1;

constexpr int kClaimantCapitalisedField = 1260;
constexpr int kClaimantNonCapitalisedField = 1261;
constexpr int kSpouseCapitalisedField = 728;
constexpr int kSpouseNonCapitalisedField = 729;
// The done flags: "1" once the individual's questions are finished or answered No.
constexpr int kClaimantDoneField = 1257;
constexpr int kSpouseDoneField = 1106;  // in the spouse worksheet
constexpr const char* kDoneFlag = "1";

constexpr int kSpousalMaintenanceScreen = 7844;
constexpr int kCapitalisedQuestionScreen = 7845;
constexpr int kCapitalisedTableScreen = 7846;
constexpr int kNonCapitalisedTableScreen = 7847;
constexpr int kSpousalMaintenanceCompleteScreen = 7848;
constexpr int kMaintenanceSectionEndScreen = 7849;

// The individual the screens ask about (field 1279): -1 "You", else a spouse worksheet index.
int CurrentIndividual(const data::FieldStore& store);
bool ClaimantIsCurrent(const data::FieldStore& store);
void SetCurrentIndividual(data::FieldStore& store, int individual);

// The individual whose spousal maintenance questions are not finished yet (-1: "You"); nothing
// when no one is pending, which is also the case when no payer is named.
std::optional<int> NextPendingIndividual(const data::FieldStore& store);

// The caption with "SName" and the verbs that follow it worded for the current individual.
std::string WithIndividualName(std::string caption, const data::FieldStore& store);

// The field of the current individual's capitalised or non-capitalised table.
int IndividualField(const data::FieldStore& store, int claimantField, int spouseField);

// For a spouse, opens the worksheet of the current individual without the worksheet panel.
void OpenCurrentSpouse(interview::TChildForm& screen);

// Clears both maintenance tables of the claimant after asking; true when they are empty now.
bool ClearClaimantMaintenance(interview::TChildForm& screen);
// Clears both maintenance tables of the spouse whose worksheet fields are loaded, after asking
// with the spouse's display name; true when they are empty now.
bool ClearSpouseMaintenance(interview::TChildForm& screen, const std::string& name);

// Clears both tables of the current individual (for a spouse, of the open worksheet) after
// asking; true when they are empty now.
bool ClearCurrentIndividualMaintenance(interview::TChildForm& screen);

// Marks the current individual's questions finished: for "You" 1257 := "1" and the screen's
// fields are saved; for a spouse 1106 := "1" and the open worksheet is committed.
void MarkCurrentIndividualDone(interview::TChildForm& screen);

// Where the questions go on: when no one is pending, 1282 := 0 and 7848; otherwise 1279 := the
// pending individual and 7844. Sender is the handler's (see MoveTo).
void SpousalRouting(interview::TChildForm& screen, const QObject* Sender);

}  // namespace ftb::screens
