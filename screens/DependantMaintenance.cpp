#include "screens/DependantMaintenance.h"

#include <cstdint>

#include "assessment/Calendar.h"
#include "assessment/Completion.h"
#include "controls/core/NameSubstitution.h"
#include "controls/core/StateFields.h"
#include "interview/Child.h"
#include "interview/Intrview.h"
#include "screens/MaintenanceNames.h"
#include "screens/ScreenFlow.h"
#include "screens/SpouseNames.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

int CurrentDependant(const data::FieldStore& store) {
    return controls::ReadStateField(store, controls::kCurrentDependantField);
}

void SetCurrentDependant(data::FieldStore& store, int dependant) {
    controls::WriteStateField(store, controls::kCurrentDependantField, dependant);
}

data::TextList ClaimantAndSpouseNames(const data::FieldStore& store) {
    data::TextList names = {"You"};
    for (const std::string& name : SpouseDisplayNames(store)) names.push_back(name);
    return names;
}

std::string CurrentDependantName(const data::FieldStore& store) {
    return assessment::WorksheetName(store, data::kDependantList, CurrentDependant(store));
}

void OpenCurrentMaintainedDependant(interview::TChildForm& screen) {
    screen.Frame().OpenWorksheetListAt(data::kDependantList, CurrentDependant(screen.Store()) + 1);
    screen.Frame().ShowActionPanel(false);
}

std::optional<int> NextPendingDependant(const data::FieldStore& store, platform::Dialogs& dialogs) {
    std::int32_t pending = -1;
    if (assessment::DependantMaintenanceDone(store, dialogs, pending)) return std::nullopt;
    return pending;
}

bool ClearDependantMaintenance(interview::TChildForm& screen, const std::string& name) {
    return controls::ClearWithConfirmation(
        screen.Store(), screen.Dialogs(),
        {kMaintenanceActionField, kDependantCapitalisedField, kDependantNonCapitalisedField},
        "Deleting maintenance information for xxx", name, true,
        "Maintenance information has been entered for xxx are you sure you want to continue with "
        "this deletion?");
}

void DependantMaintenanceRouting(interview::TChildForm& screen, const QObject* Sender) {
    data::FieldStore& store = screen.Store();
    std::optional<int> next = NextPendingDependant(store, screen.Dialogs());
    if (!next) {
        const int current = CurrentDependant(store);
        for (const TRelevantDependant& dependant : RelevantDependants(store, screen.Dialogs())) {
            if (dependant.index > current) {
                next = dependant.index;
                break;
            }
        }
    }
    if (!next) {
        MoveTo(screen, Sender, kValidateAndCompleteScreen);
        return;
    }
    SetCurrentDependant(store, *next);
    MoveTo(screen, Sender, kDependantMaintenanceScreen);
}

void MarkCurrentDependantDone(interview::TChildForm& screen) {
    screen.Store().SetFieldStr(kDependantDoneField, kDoneFlag);
    screen.Frame().SaveCurrentWorksheet();
}

void FinishCurrentDependant(interview::TChildForm& screen, const QObject* Sender) {
    MarkCurrentDependantDone(screen);
    if (!NextPendingDependant(screen.Store(), screen.Dialogs()))
        MoveTo(screen, Sender, kDependantMaintenanceCompleteScreen);
    else
        DependantMaintenanceRouting(screen, Sender);
}

}  // namespace ftb::screens
