#include "screens/QNFTB_03.h"

#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

// The question whether to go on with the interview.
constexpr int kInformationOnHandScreen = 7808;

const std::vector<std::string> kQuestion = {
    "<T1>Did any of the following apply to you?<.>",
    "",
    "<X0>\x95<X10>You received an income support payment from Centrelink at any time during the",
    "income year 1 July <V99998> to 30 June <V99999>;",
    "<X0>\x95<X10>you were entitled to rent assistance at any time during the income year; or",
    "<X0>\x95<X10>your family adjusted taxable income was equal to or below $30,806.",
    "<X0>",
    "If you received an income support payment from Centrelink you must claim FTB through the",
    "<C12;J504>Family Assistance Office<.> (FAO) instead: answer <T1>Yes<.>.",
    "",
    "If either of the other two applied to you, we advise you to claim FTB through the FAO as well",
    "and to answer <T1>Yes<.>.",
    "",
    "If you answer <T1>Yes<.> you cannot complete this FTB tax claim and <T2>Ledgra<.> will move "
    "to "
    "the next section.",
};

const std::vector<std::string> kHint = {
    "<X10>Through the FAO you can be paid FTB every fortnight during the year instead of after the",
    "end of the year, and the FAO works out any rent assistance you are entitled to.",
};

}  // namespace

TQFTB_03::TQFTB_03(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kQuestion),
                                HintBox(kHint),
                            });
}

void TQFTB_03::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_03::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender))
        LeaveForIneligibility(*this);
    else
        MoveAfterAnswer(*this, kInformationOnHandScreen);
}

}  // namespace ftb::screens
