#include "screens/QNFTB_47.h"

#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/MaintenanceNames.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpouseNames.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kRecipients = {
    "Spousal maintenance income received by any of the following individuals: ",
    "SNames",
    "may affect your FTB entitlement. ",
    "",
    "<T1>Did any of the above individuals receive spousal maintenance at any time during the",
    "income year?<.>",
};

const std::vector<std::string> kHint = {
    "<X10;T0><s1>Spousal maintenance income received by or for any individuals not listed will "
    "have",
    "no bearing on your FTB entitlement.",
};

}  // namespace

TQFTB_47::TQFTB_47(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    // The text takes no focus, so the focus goes to Yes.
    interview::Build(*this,
                     {
                         ScreenText("RichEditNames", 10,
                                    WithNameList(kRecipients, "SNames",
                                                 SpouseDisplayNames(context.Store))),
                         HintBox(kHint),
                     });
}

void TQFTB_47::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_47::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender)) {
        SetCurrentIndividual(Store(), NextPendingIndividual(Store()).value_or(kClaimantIndividual));
        MoveAfterAnswer(*this, kSpousalMaintenanceScreen);
        return;
    }
    if (ClearEveryIndividual()) {
        MoveAfterAnswer(*this, kMaintenanceSectionEndScreen);
        return;
    }
    SetCurrentIndividual(Store(), kClaimantIndividual);
    MoveAfterAnswer(*this, kSpousalMaintenanceScreen);
}

bool TQFTB_47::ClearEveryIndividual() {
    Store().SetFieldStr(kClaimantDoneField, kDoneFlag);
    bool allCleared = ClearClaimantMaintenance(*this);
    const data::TextList names = SpouseDisplayNames(Store());
    for (std::size_t spouse = 0; spouse < names.size(); ++spouse) {
        const int worksheet = static_cast<int>(spouse) + 1;
        Frame().LoadWorksheetAt(data::kSpouseList, worksheet);
        Store().SetFieldStr(kSpouseDoneField, kDoneFlag);
        allCleared = ClearSpouseMaintenance(*this, names[spouse]) && allCleared;
        Frame().StoreWorksheetAt(data::kSpouseList, worksheet);
    }
    return allCleared;
}

}  // namespace ftb::screens
