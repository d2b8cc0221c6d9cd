#include "screens/QnFTB_01.h"

#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

// The question whether to claim through the FAO instead.
constexpr int kClaimThroughFaoScreen = 7807;

const std::vector<std::string> kCriteria = {
    "<T1>Do you and your children satisfy the basic FTB eligibility criteria?<.>",
    "",
    "To be eligible for FTB for the income year 1 July <V99998> to 30 June <V99999> you must:",
    "<X0>\x95<X10>have been an <C12;J512>Australian resident for social security purposes<.> or "
    "the "
    "holder of an",
    "<C12;J591>approved visa<.> for the purposes of FTB;",
    "<X0>\x95<X10>not have been outside Australia for the whole of that period; and",
    "<X0>\x95<X10>have had the care of at least one dependent child.",
    "<X0>",
    "Each dependent child must:",
    "<X0>\x95<X10>have been under 21, or aged 21 to 24 and in <C12;J556>full time study<.>;",
    "<X0>\x95<X10>have been in your care;",
    "<X0>\x95<X10>have been an Australian resident or have lived with you;",
    "<X0>\x95<X10>not have been outside Australia for the whole of that period; and",
    "<X0>\x95<X10>not have been your spouse.",
    "<X0>",
    "Periods you or your children spent overseas since 1 July <V99997> are asked for later in the "
    "interview.",
};

const std::vector<std::string> kHint = {
    "<X10>If you answer <T1>No<.> you cannot complete an FTB tax claim and <T2>Ledgra<.> will move "
    "to the next section.",
    "Click <T1>More<.> to read about the criteria in detail.",
};

}  // namespace

TQFTB_01::TQFTB_01(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kCriteria),
                                HintBox(kHint),
                            });
}

void TQFTB_01::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_01::ChildFormYesNoClick(QObject* Sender) {
    if (IsYes(*this, Sender))
        MoveAfterAnswer(*this, kClaimThroughFaoScreen);
    else
        LeaveForIneligibility(*this);
}

}  // namespace ftb::screens
