#include "screens/QNFTB_58.h"

#include <QPushButton>

#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kDependantsSectionStart = 7826;

const std::vector<std::string> kText = {
    "<T1>Waiver<.><L14>",
    "If you care for a dependent child for at least 10 per cent but less than 30 per cent of the",
    "time, you may choose to waive your FTB for that child in favour of the child's other parent.",
    "",
    "To waive your FTB you must lodge the form <T1>Application to waive Family Tax Benefit/cancel",
    "a current waiver (FAO13)<.> with the Family Assistance Office before you lodge your tax",
    "return for the <V99998>-<V99999> income year.",
    "",
    "Even if you have waived your FTB for a dependant, you must still enter the circumstances of",
    "all your dependants for the whole of your claim period on the screens that follow.",
    "",
    "Click <T1>Next<.> to continue.",
};

}  // namespace

TQFTB_58::TQFTB_58(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(*this, {ScreenText("TextLbl1", 10, kText)});
}

void TQFTB_58::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this,
                      [this](QObject*) { Run().SetScreen(kDependantsSectionStart); });
    Frame().BtnIntHelp()->setVisible(false);
}

}  // namespace ftb::screens
