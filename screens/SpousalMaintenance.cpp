#include "screens/SpousalMaintenance.h"

#include <cstdint>

#include "assessment/Calendar.h"
#include "assessment/Completion.h"
#include "controls/core/NameSubstitution.h"
#include "controls/core/StateFields.h"
#include "interview/Child.h"
#include "interview/Intrview.h"
#include "screens/ScreenFlow.h"

namespace ftb::screens {

namespace {

constexpr int kPendingStateField = 1282;

}  // namespace

int CurrentIndividual(const data::FieldStore& store) {
    return controls::ReadStateField(store, controls::kCurrentSpouseField);
}

bool ClaimantIsCurrent(const data::FieldStore& store) {
    return CurrentIndividual(store) == kClaimantIndividual;
}

void SetCurrentIndividual(data::FieldStore& store, int individual) {
    controls::WriteStateField(store, controls::kCurrentSpouseField, individual);
}

std::optional<int> NextPendingIndividual(const data::FieldStore& store) {
    std::int32_t pending = kClaimantIndividual;
    if (assessment::SpousalMaintenanceDone(store, true, pending)) return std::nullopt;
    return pending;
}

std::string WithIndividualName(std::string caption, const data::FieldStore& store) {
    return ClaimantIsCurrent(store) ? controls::WithClaimantWording(std::move(caption))
                                    : controls::WithSpouseName(std::move(caption), store);
}

int IndividualField(const data::FieldStore& store, int claimantField, int spouseField) {
    return ClaimantIsCurrent(store) ? claimantField : spouseField;
}

void OpenCurrentSpouse(interview::TChildForm& screen) {
    if (ClaimantIsCurrent(screen.Store())) return;
    screen.Frame().OpenWorksheetListAt(data::kSpouseList, CurrentIndividual(screen.Store()) + 1);
    screen.Frame().ShowActionPanel(false);
}

bool ClearClaimantMaintenance(interview::TChildForm& screen) {
    return controls::ClearWithConfirmation(
        screen.Store(), screen.Dialogs(),
        {kClaimantCapitalisedField, kClaimantNonCapitalisedField},
        "Deleting your maintenance information", {}, false,
        "Maintenance information has been entered for you. Are you sure you want to continue "
        "with this deletion?");
}

bool ClearSpouseMaintenance(interview::TChildForm& screen, const std::string& name) {
    return controls::ClearWithConfirmation(
        screen.Store(), screen.Dialogs(), {kSpouseCapitalisedField, kSpouseNonCapitalisedField},
        "Deleting maintenance information for xxx", name, true,
        "Maintenance information has been entered for xxx are you sure you want to continue with "
        "this deletion?");
}

bool ClearCurrentIndividualMaintenance(interview::TChildForm& screen) {
    const data::FieldStore& store = screen.Store();
    if (ClaimantIsCurrent(store)) return ClearClaimantMaintenance(screen);
    return ClearSpouseMaintenance(
        screen, assessment::WorksheetName(store, data::kSpouseList, CurrentIndividual(store)));
}

void MarkCurrentIndividualDone(interview::TChildForm& screen) {
    if (ClaimantIsCurrent(screen.Store())) {
        screen.Store().SetFieldStr(kClaimantDoneField, kDoneFlag);
        screen.Frame().SaveScreenToFields();
    } else {
        screen.Store().SetFieldStr(kSpouseDoneField, kDoneFlag);
        screen.Frame().SaveCurrentWorksheet();
    }
}

void SpousalRouting(interview::TChildForm& screen, const QObject* Sender) {
    const std::optional<int> pending = NextPendingIndividual(screen.Store());
    if (!pending) {
        controls::WriteStateField(screen.Store(), kPendingStateField, 0);
        MoveTo(screen, Sender, kSpousalMaintenanceCompleteScreen);
        return;
    }
    SetCurrentIndividual(screen.Store(), *pending);
    MoveTo(screen, Sender, kSpousalMaintenanceScreen);
}

}  // namespace ftb::screens
