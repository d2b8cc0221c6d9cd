#include "screens/QNFTB_57.h"

#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kQuestion = {
    "<T1>All spousal maintenance information has now been collected.<L14>",
    "Do you wish to continue to the next section of FTB?<L10>",
    "",
    "<T0>Click <T1>Yes<.> to continue, or <T1>No<.> to go over the spousal maintenance of each",
    "individual again, starting with your own.",
};

}  // namespace

TQFTB_57::TQFTB_57(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {ScreenText("TextLbl1", 10, kQuestion)});
}

void TQFTB_57::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) {
        if (IsYes(*this, Sender)) {
            MoveAfterAnswer(*this, kMaintenanceSectionEndScreen);
            return;
        }
        SetCurrentIndividual(Store(), kClaimantIndividual);
        MoveAfterAnswer(*this, kSpousalMaintenanceScreen);
    });
    ShowYesNo(*this);
}

}  // namespace ftb::screens
