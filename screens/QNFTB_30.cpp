#include "screens/QNFTB_30.h"

#include "controls/core/NameSubstitution.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/CapitalisedMaintenanceHint.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kQuestion = {
    "<T1;S10>Did the above individual receive any <C12;J580>capitalised maintenance<.;T1> in lieu "
    "of <C12;J583>spousal maintenance<.;T1>",
    "for any period within the income year 1 July <V99998> to 30 June <V99999>.",
};

const char* const kCaption = "Deleting capitalised maintenance information for xxx";

}  // namespace

TQFTB_30::TQFTB_30(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(
        *this,
        {
            ScreenText("TextLblName", 10,
                       {"<T1>" + WithIndividualName("Capitalised maintenance for SName",
                                                    context.Store) +
                        "<.>"}),
            ScreenText("TextLbl1", 45, kQuestion),
            HintBox(kCapitalisedMaintenanceHint),
        });
}

void TQFTB_30::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_30::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender)) {
        MoveAfterAnswer(*this, kCapitalisedTableScreen);
        return;
    }
    MoveAfterAnswer(*this, ClearCapitalised() ? kNonCapitalisedTableScreen
                                              : kCapitalisedTableScreen);
}

bool TQFTB_30::ClearCapitalised() {
    if (ClaimantIsCurrent(Store()))
        return controls::ClearWithConfirmation(
            Store(), Dialogs(), {kClaimantCapitalisedField}, kCaption, "you", true,
            "Capitalised maintenance information has been entered for xxx . Are you sure you "
            "want to continue with this deletion?");
    const int worksheet = CurrentIndividual(Store()) + 1;
    Frame().LoadWorksheetAt(data::kSpouseList, worksheet);
    const bool cleared = controls::ClearWithConfirmation(
        Store(), Dialogs(), {kSpouseCapitalisedField}, kCaption, Store().GetFieldText(710), true,
        "Capitalised maintenance information has been entered for xxx you. Are you sure you want "
        "to continue with this deletion?");
    Frame().StoreWorksheetAt(data::kSpouseList, worksheet);
    return cleared;
}

}  // namespace ftb::screens
