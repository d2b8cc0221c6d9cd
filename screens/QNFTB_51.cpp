#include "screens/QNFTB_51.h"

#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

// The start-of-claim section screen.
constexpr int kStartOfClaimScreen = 7804;

const std::vector<std::string> kSteps = {
    "<T1>Completing the family tax benefit (FTB) item in Ledgra<.><L14>",
    "<L10>You can claim FTB Part A and FTB Part B for the income year 1 July <V99998> to 30 June "
    "<V99999>",
    "through your tax return instead of through the Family Assistance Office (FAO). The interview",
    "takes you through the nine steps below. Click a step to read more about it.<L14>",
    "<X10>Step 1<X70><C12;J530>Are you eligible to claim through the tax system?<.>",
    "<X10>Step 2<X70><C12;J523>Periods you are not eligible to claim during the income year<.>",
    "<X10>Step 3<X70><C12;J525>Your personal details<.>",
    "<X10>Step 4<X70><C12;J506>Your spouse/former spouse(s) details<.>",
    "<X10>Step 5<X70><C12;J539>Marital status<.>",
    "<X10>Step 6<X70><C12;J544>Special circumstances<.>",
    "<X10>Step 7<X70><C12;J550>Dependant(s) details<.>",
    "<X10>Step 8<X70><C12;J545>Maintenance income<.>",
    "<X10>Step 9<X70><C12;J546>Your completed FTB tax claim<.><L10>",
    "<X0>",
    "Click <T1>Next<.> to start with step 1.",
};

const std::vector<std::string> kHint = {
    "<X10>Each step ends with a screen that tells you the step is complete. From there you can use",
    "the FTB Navigator on the left to go back to any step you have already completed.",
};

}  // namespace

TQFTB_51::TQFTB_51(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kSteps),
                                HintBox(kHint),
                            });
}

void TQFTB_51::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
}

void TQFTB_51::ChildFormYesNoClick(QObject* /*Sender*/) { Run().SetScreen(kStartOfClaimScreen); }

}  // namespace ftb::screens
