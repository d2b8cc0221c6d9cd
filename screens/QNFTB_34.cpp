#include "screens/QNFTB_34.h"

#include <QCheckBox>

#include "assessment/FamilyTests.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantMaintenance.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kNoPayersField = 1265;
constexpr int kPayersScreen = 7839;
constexpr int kDependantMaintenanceNotRequiredScreen = 7850;

const std::vector<std::string> kQuestion = {
    "<T1;S10>You have not listed any payers which indicates that no individual in your family "
    "received any",
    "maintenance income at any time throughout the income year. Is this correct?<.>",
    "",
    "If this is correct click <T1>Yes<.>, otherwise click <T1>No<.> to be returned to the list of "
    "payers.",
};

const std::vector<std::string> kHint = {
    "<X10>Even when no maintenance was received, <T2>Ledgra<.> still needs to know whether your",
    "dependants were eligible to receive maintenance.",
};

}  // namespace

TQFTB_34::TQFTB_34(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kQuestion),
                                interview::Check("CheckBoxNoPayers", kNoPayersField,
                                                 {10, 200, 20, 17})
                                    .Hidden(),
                                HintBox(kHint),
                            });
}

void TQFTB_34::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_34::ChildFormYesNoClick(QObject* Sender) {
    const bool yes = IsYes(*this, Sender);
    // The hidden box carries the answer, so that leaving the screen saves it.
    Find<QCheckBox>("CheckBoxNoPayers")->setChecked(yes);
    if (!yes) {
        MoveAfterAnswer(*this, kPayersScreen);
        return;
    }
    data::TextList relevant;
    assessment::MaintenanceRelevantDependants(Store(), Dialogs(), relevant);
    MoveAfterAnswer(*this, relevant.empty() ? kDependantMaintenanceNotRequiredScreen
                                            : kAnyDependantMaintenanceScreen);
}

}  // namespace ftb::screens
