#include "screens/QNFTB_20.h"

#include "interview/Intrview.h"
#include "screens/HintSections.h"
#include "screens/MaintenanceTable.h"
#include "screens/ScreenFlow.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kHeading = {
    "<T1;S10>Enter all the periods below for which this individual received "
    "<C12;J582>non-capitalised spousal",
    "maintenance<.;T1>. Create new periods to indicate any change in maintenance payments. If no",
    "non-capitalised maintenance was received leave this table blank.<.>",
};

const std::vector<std::string> kHint = {
    "<s0><X10>Choose the payer of this maintenance from the list. A payer who is not on the list",
    "can be added with the <T1>Add Payer<.> button.",
    "<s1><X10>Enter the first day of the period. If the maintenance was received for the full",
    "year, enter 01/07/<V99998>.",
    "<s2><X10>Enter the last day of the period. If the maintenance was received for the full",
    "year, enter 30/06/<V99999>.",
    "<s3><X10>Enter the total maintenance received in this period in whole dollars, without",
    "cents.",
};

}  // namespace

TQFTB_20::TQFTB_20(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    BuildMaintenanceTable(*this,
                          {.nameCaption = "Non-capitalised maintenance received by SName",
                           .heading = kHeading,
                           .columns = {"Payer|2|0|100|0|F|T|0||||10|1|10|1|2|3|4|5|6|7|8|9|0|",
                                       "Start Date\rof Period|2|2|10||F|F||-1|0|",
                                       "End Date\rof Period|2|2|10||F|F||-1|0|",
                                       "Total Maintenance\rReceived|2|1|12|0|F|F|2|F|0|||-1|0|F|"},
                           .colWidths = {200, 110, 110, 130},
                           .claimantField = kClaimantNonCapitalisedField,
                           .spouseField = kSpouseNonCapitalisedField,
                           .hint = kHint,
                           .hintLines = 2});
}

void TQFTB_20::FormCreate() { OpenCurrentSpouse(*this); }

void TQFTB_20::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
    ShowHintSection(*this, 0);
}

// The individual counts as done whatever the checks find.
void TQFTB_20::ChildFormYesNoClick(QObject* Sender) {
    const bool passed = RowsComplete(*this) && PeriodsInOrder(*this);
    MarkCurrentIndividualDone(*this);
    if (passed) {
        SpousalRouting(*this, Sender);
        return;
    }
    // The move is refused by the leave check, which keeps this verdict: the claimant stays on
    // the table as it is, rather than on a rebuilt screen.
    Run().ScreenValid = false;
    Run().SetScreen(kSpousalMaintenanceCompleteScreen);
}

void TQFTB_20::ChildFormClose() {
    if (Frame().BackwardMove() || !Run().ScreenValid) return;
    Run().ScreenValid = RowsComplete(*this);
}

}  // namespace ftb::screens
