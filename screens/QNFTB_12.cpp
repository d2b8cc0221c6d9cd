#include "screens/QNFTB_12.h"

#include <string>
#include <vector>

#include "controls/Textlbl.h"
#include "controls/core/StateFields.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantRouting.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kHeading = {
    "<T1>This  dependant does not qualify for Family Tax Benefit<.>",
    "",
    "The details you have entered show that this child cannot be counted as your dependant for",
    "FTB in this income year. The reason is given in the box below.",
    "",
    "Select <T1>Next<.> to go on to the next child.",
};

// Sections 1 to 3: the reasons of field 1292.
const std::vector<std::string> kReasons = {
    "<s1><X10>This child was 25 or older on 1 July <V99998>. A child over 24 is not a dependant "
    "for FTB,",
    "so this child will not appear in any family profile.",
    "<s2><X10>This child's adjusted taxable income is above the maximum income threshold for a",
    "dependant. The threshold does not apply to children under 5, or to children aged 5 to 15",
    "in full-time study, but it does apply to this child, so this child will not appear in any",
    "family profile.",
    "<s3><X10>This child was not your dependant at any time during the income year 1 July "
    "<V99998> to",
    "30 June <V99999>, so this child will not appear in any family profile.",
};

constexpr int kFirstReason = 1;
constexpr int kLastReason = 3;

}  // namespace

TQFTB_12::TQFTB_12(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    const int reason = controls::ReadStateField(context.Store, kNotQualifiedField);
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kHeading),
                                HintBox(kReasons, reason, 4),
                            });
    // Only the reasons have a section; the interview's other codes (-4 to -2) show none.
    if (reason < kFirstReason || reason > kLastReason)
        Find<controls::TTextLbl>("TextLblYellowBox")->hide();
}

void TQFTB_12::FormCreate() {}

void TQFTB_12::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
}

void TQFTB_12::ChildFormYesNoClick(QObject* /*Sender*/) { Run().SetScreen(kAnotherChildScreen); }

}  // namespace ftb::screens
