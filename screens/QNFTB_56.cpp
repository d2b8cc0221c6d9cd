#include "screens/QNFTB_56.h"

#include "interview/ScreenBuilder.h"
#include "screens/DependantMaintenance.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kQuestion = {
    "<T1>All dependant maintenance information has now been collected<L14>",
    "<L10>Do you wish to continue?<.>",
    "",
    "Click <T1>Yes<.> to continue, or <T1>No<.> to go over the maintenance of each dependant",
    "again, starting with the first.",
};

}  // namespace

TQFTB_56::TQFTB_56(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {ScreenText("TextLbl1", 10, kQuestion)});
}

void TQFTB_56::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) {
        if (IsYes(*this, Sender)) {
            MoveAfterAnswer(*this, kValidateAndCompleteScreen);
            return;
        }
        SetCurrentDependant(Store(), -1);
        MoveAfterAnswer(*this, kDependantMaintenanceScreen);
    });
    ShowYesNo(*this);
}

}  // namespace ftb::screens
