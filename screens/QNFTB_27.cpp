#include "screens/QNFTB_27.h"

#include <QPushButton>

#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

// The residency question that opens the next step.
constexpr int kResidencyScreen = 7809;

const std::vector<std::string> kQuestion = {
    "<T1>Do you wish to proceed with the Ledgra FTB data collection interview?<.><L14>",
};

const std::vector<std::string> kWhatIsAsked = {
    "<L10>During the interview <T2>Ledgra<.> will ask you for:",
    "<X0>\x95<X10>your marital status for the whole of the income year 1 July <V99998> to 30 June "
    "<V99999>;",
    "<X0>\x95<X10>any of your income that you have not already entered in your tax return;",
    "<X0>\x95<X10>your deductible child maintenance expenditure;",
    "<X0>\x95<X10>the income and maintenance expenditure of your spouse or spouses;",
    "<X0>\x95<X10>details of your dependants; and possibly",
    "<X0>\x95<X10>your dependants' income, the maintenance they received and their periods "
    "overseas.",
    "<X0>",
    "Have this information at hand before you start.",
    "",
    "If you answer <T1>No<.>, <T2>Ledgra<.> will move to the next section and keep what you have",
    "already entered, so that you can come back to this item later.",
};

const std::vector<std::string> kHint = {
    "<X10>Your answers are saved with your tax return, so you can stop the interview at any time",
    "and continue it later.",
};

}  // namespace

TQFTB_27::TQFTB_27(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kQuestion),
                                ScreenText("TextLbl2", 40, kWhatIsAsked),
                                HintBox(kHint),
                            });
}

void TQFTB_27::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
    Frame().BtnIntHelp()->setVisible(true);
}

// No keeps every answer: the claimant can come back to the item later.
void TQFTB_27::ChildFormYesNoClick(QObject* Sender) {
    MoveAfterAnswer(*this, IsYes(*this, Sender) ? kResidencyScreen : kLeaveFtbScreen);
}

}  // namespace ftb::screens
