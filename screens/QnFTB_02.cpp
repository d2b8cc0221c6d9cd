#include "screens/QnFTB_02.h"

#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

// The basic eligibility question.
constexpr int kBasicEligibilityScreen = 7806;

const std::vector<std::string> kQuestion = {
    "<T1>Does the following apply for the whole of the <V99998>-<V99999> income year?<.;L14>",
    "<L10><X0>\x95<X10>You, or another person (including your spouse), have already claimed 100 "
    "per "
    "cent of the FTB",
    "for each of your dependent children as a direct payment through the Family Assistance Office "
    "(FAO);",
    "<X0><T1>OR<.>",
    "<X0>\x95<X10>another person (including your spouse) is claiming, or intends to claim, 100 per "
    "cent of the FTB",
    "for each of your dependent children through the tax system;",
    "<X0><T1>OR<.>",
    "<X0>\x95<X10>you have waived your eligibility for FTB for all of your dependants for the "
    "whole "
    "of the income year.",
    "<X0>",
    "If  <T1>Yes<.> you cannot complete this FTB tax claim and <T2>Ledgra<.> will move to the next "
    "section.",
};

const std::vector<std::string> kHint = {
    "<X10>Answer <T1>No<.> if this applies only to some of your children, or only to part of the "
    "income year.",
};

}  // namespace

TQFTB_02::TQFTB_02(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kQuestion),
                                HintBox(kHint),
                            });
}

void TQFTB_02::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_02::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender))
        LeaveForIneligibility(*this);
    else
        MoveAfterAnswer(*this, kBasicEligibilityScreen);
}

}  // namespace ftb::screens
