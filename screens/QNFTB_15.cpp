#include "screens/QNFTB_15.h"

#include <string>
#include <vector>

#include "controls/core/StateFields.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantRouting.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kAllDependantsField = 1273;
// Field 1280's value for a dependant yet to be added.
constexpr int kNewDependant = -2;
constexpr int kDependantsSectionEnd = 7837;

const std::vector<std::string> kQuestion = {
    "<T1>Did you care for another child between 1 July <V99998> and 30 June <V99999>?<.>",
    "",
    "Answer <T1>Yes<.> to enter the next child. Every child you cared for at any time during the",
    "income year counts, including a child in your care for only part of the year or in shared",
    "care.",
    "",
    "Answer <T1>No<.> when you have entered every child.",
};

}  // namespace

TQFTB_15::TQFTB_15(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {ScreenText("TextLbl1", 10, kQuestion)});
}

void TQFTB_15::FormCreate() {}

void TQFTB_15::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_15::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender)) {
        Store().SetFieldVal(kAllDependantsField, 0);
        controls::WriteStateField(Store(), controls::kCurrentDependantField, kNewDependant);
        MoveAfterAnswer(*this, kDependantDetailsScreen);
    } else {
        Store().SetFieldVal(kAllDependantsField, 1);
        MoveAfterAnswer(*this, kDependantsSectionEnd);
    }
}

}  // namespace ftb::screens
