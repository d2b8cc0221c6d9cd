#pragma once
// What the dependant maintenance screens (7851 to 7857) share. They ask their questions for one
// maintenance-relevant dependant at a time, the current dependant (field 1280), whose answers are
// in its dependant worksheet: the maintenance action test 745, capitalised maintenance 743,
// non-capitalised maintenance 744 and the done flag 1106.
#include <optional>
#include <string>

#include "data/FieldStore.h"
#include "platform/Dialogs.h"

class QObject;

namespace ftb::interview {
class TChildForm;
}

namespace ftb::screens {

constexpr int kAnyDependantMaintenanceScreen = 7851;
constexpr int kDependantMaintenanceScreen = 7852;
constexpr int kMaintenanceActionScreen = 7853;
constexpr int kDependantCapitalisedQuestionScreen = 7854;
constexpr int kDependantCapitalisedTableScreen = 7855;
constexpr int kDependantNonCapitalisedScreen = 7856;
constexpr int kDependantMaintenanceCompleteScreen = 7857;
constexpr int kValidateAndCompleteScreen = 7858;

constexpr int kDependantCapitalisedField = 743;
constexpr int kDependantNonCapitalisedField = 744;
constexpr int kMaintenanceActionField = 745;
constexpr int kDependantDoneField = 1106;  // in the dependant worksheet: "1" once done

// The current dependant (field 1280); -1 for none.
int CurrentDependant(const data::FieldStore& store);
void SetCurrentDependant(data::FieldStore& store, int dependant);

// "You", then every spouse display name in worksheet order: the pick list of the claimant and
// recipient columns.
data::TextList ClaimantAndSpouseNames(const data::FieldStore& store);

// The display name of the current dependant.
std::string CurrentDependantName(const data::FieldStore& store);

// Opens the current dependant's worksheet without the worksheet panel.
void OpenCurrentMaintainedDependant(interview::TChildForm& screen);

// The first maintenance-relevant dependant, in list order, whose done flag is empty; nothing
// when none is pending.
std::optional<int> NextPendingDependant(const data::FieldStore& store, platform::Dialogs& dialogs);

// Clears the maintenance action test and both maintenance tables of the dependant whose
// worksheet fields are loaded, after asking with its display name; true when they are empty now.
bool ClearDependantMaintenance(interview::TChildForm& screen, const std::string& name);

// Where the questions go on: the pending dependant, else the first maintenance-relevant
// dependant after the current one, becomes current and 7852 follows; with neither, 7858.
// Sender is the handler's (see MoveTo).
void DependantMaintenanceRouting(interview::TChildForm& screen, const QObject* Sender);

// Marks the current dependant done: 1106 := "1", the open worksheet committed.
void MarkCurrentDependantDone(interview::TChildForm& screen);

// Marks the current dependant done; then 7857 when no dependant is pending, otherwise the
// dependant maintenance routing.
void FinishCurrentDependant(interview::TChildForm& screen, const QObject* Sender);

}  // namespace ftb::screens
