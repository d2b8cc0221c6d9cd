#include "screens/QNFTB_42.h"

#include <QCheckBox>

#include "controls/core/NameSubstitution.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kBlindYesField = 1290;
constexpr int kBlindNoField = 1299;
constexpr int kBlindPeriodsField = 1291;

constexpr int kBlindPeriodsScreen = 7824;
constexpr int kWaiverScreen = 7825;

const std::vector<std::string> kQuestion = {
    "<T1>Did you or your spouse receive: ",
    "<X0>\x95<X10>the <C12;J544>blind rate of social security pension<.;T1> OR",
    "<X0>\x95<X10>the <C12;J544>blind rate of service pension or income support "
    "supplement<.;T1> from the Department of",
    "<X10>Veterans' Affairs at any time throughout the income year?<.>",
    "",
    "<X0>The income year is the period from 1 July <V99998> to 30 June <V99999>. Answer <T1>Yes<.> "
    "if",
    "you or any spouse you had during that period received either pension for all or part of it.",
};

const std::vector<std::string> kHint = {
    "<X10><s1>If you are unsure ring FAO on <T1>13 6150<.>",
};

}  // namespace

TQFTB_42::TQFTB_42(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kQuestion),
                                interview::Check("CheckBoxBlindY", kBlindYesField,
                                                 {10, 300, 20, 17})
                                    .Hidden(),
                                interview::Check("CheckBoxBlindN", kBlindNoField,
                                                 {30, 300, 20, 17})
                                    .Hidden(),
                                HintBox(kHint),
                            });
}

void TQFTB_42::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_42::ChildFormYesNoClick(QObject* Sender) {
    auto* blindYes = Find<QCheckBox>("CheckBoxBlindY");
    auto* blindNo = Find<QCheckBox>("CheckBoxBlindN");
    const bool yes = IsYes(*this, Sender);
    blindYes->setChecked(yes);
    blindNo->setChecked(!yes);
    if (yes) {
        MoveAfterAnswer(*this, kBlindPeriodsScreen);
        return;
    }
    // Declined, the claimant stays here with the periods kept.
    if (controls::ClearWithConfirmation(
            Store(), Dialogs(), {kBlindPeriodsField}, "Periods already entered", {}, false,
            "You have already entered periods in which you or your spouse were in receipt of "
            "the blind rate of social security pension or the blind rate of service pension or "
            "income support supplement. As you have selected \"No\", this information will now "
            "be deleted.\r\rAre you sure you wish to continue?"))
        MoveAfterAnswer(*this, kWaiverScreen);
}

}  // namespace ftb::screens
