#include "screens/QNFTB_31.h"

#include "controls/core/NameSubstitution.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/CapitalisedMaintenanceHint.h"
#include "screens/DependantMaintenance.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kQuestion = {
    "<T1;S10>Did you, your spouse or the dependant listed receive <C12;J580>capitalised "
    "maintenance<.;T1> in lieu of",
    "maintenance for this dependant?<.>",
};

}  // namespace

TQFTB_31::TQFTB_31(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(
        *this,
        {
            ScreenText("TextLblName", 10,
                       {"<T1>Capitalised maintenance for " + CurrentDependantName(context.Store) +
                        "<.>"}),
            ScreenText("TextLbl1", 45, kQuestion),
            HintBox(kCapitalisedMaintenanceHint),
        });
}

void TQFTB_31::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_31::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender)) {
        MoveAfterAnswer(*this, kDependantCapitalisedTableScreen);
        return;
    }
    MoveAfterAnswer(*this, ClearCapitalised() ? kDependantNonCapitalisedScreen
                                              : kDependantCapitalisedTableScreen);
}

bool TQFTB_31::ClearCapitalised() {
    const int worksheet = CurrentDependant(Store()) + 1;
    Frame().LoadWorksheetAt(data::kDependantList, worksheet);
    const bool cleared = controls::ClearWithConfirmation(
        Store(), Dialogs(), {kDependantCapitalisedField},
        "Deleting capitalised maintenance information for xxx", Store().GetFieldText(710), true,
        "Capitalised maintenance information has been entered for xxx are you sure you want to "
        "continue with this deletion?");
    Frame().StoreWorksheetAt(data::kDependantList, worksheet);
    return cleared;
}

}  // namespace ftb::screens
