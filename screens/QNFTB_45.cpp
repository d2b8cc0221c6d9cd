#include "screens/QNFTB_45.h"

#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantMaintenance.h"
#include "screens/MaintenanceNames.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kQuestion = {
    "Receipt of maintenance income or entitlement to maintenance income for any of the following ",
    "dependants: ",
    "DNames",
    "may affect your FTB entitlement.",
    "",
    "<T1>Did you, your spouse, or any of the dependants listed receive maintenance income for any "
    "of these ",
    "dependants OR",
    "",
    "Were you, your spouse, or any of the dependants listed entitled to receive maintenance income "
    "for",
    "any of these dependants?<.>",
};

const std::vector<std::string> kHint = {
    "<X10;T0><s1>Maintenance income received by or for any dependants not listed will have no "
    "bearing on your FTB",
    "entitlement.",
};

data::TextList Names(const std::vector<TRelevantDependant>& dependants) {
    data::TextList names;
    for (const TRelevantDependant& dependant : dependants) names.push_back(dependant.name);
    return names;
}

}  // namespace

TQFTB_45::TQFTB_45(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    // The text takes no focus, so the focus goes to Yes.
    interview::Build(
        *this,
        {
            ScreenText("RichEditNames", 10,
                       WithNameList(kQuestion, "DNames",
                                    Names(RelevantDependants(context.Store, context.Dialogs)),
                                    false)),
            HintBox(kHint),
        });
}

void TQFTB_45::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_45::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender)) {
        SetCurrentDependant(Store(), -1);
        DependantMaintenanceRouting(*this, Sender);
        return;
    }
    // Only the last dependant's answer decides where the interview goes.
    if (ClearEveryDependant())
        MoveAfterAnswer(*this, kValidateAndCompleteScreen);
    else
        DependantMaintenanceRouting(*this, Sender);
}

bool TQFTB_45::ClearEveryDependant() {
    bool lastCleared = true;
    for (const TRelevantDependant& dependant : RelevantDependants(Store(), Dialogs())) {
        const int worksheet = dependant.index + 1;
        Frame().LoadWorksheetAt(data::kDependantList, worksheet);
        Store().SetFieldStr(kDependantDoneField, kDoneFlag);
        lastCleared = ClearDependantMaintenance(*this, dependant.name);
        Frame().StoreWorksheetAt(data::kDependantList, worksheet);
    }
    return lastCleared;
}

}  // namespace ftb::screens
