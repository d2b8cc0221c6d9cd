#include "screens/QNFTB_19a.h"

#include "interview/Intrview.h"
#include "screens/HintSections.h"
#include "screens/MaintenanceTable.h"
#include "screens/ScreenFlow.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

const std::vector<std::string> kHeading = {
    "<S10;T1>Enter any <C12;J580>capitalised maintenance<.;T1> in lieu of <C12;J583>spousal "
    "maintenance<.;T1> this individual received for",
    "any period within the income year 1 July <V99998> to 30 June <V99999>. If this individual "
    "did not receive any",
    "capitalised spousal maintenance leave this table blank.<.>",
};

const std::vector<std::string> kHint = {
    "<s0><X10>Choose the payer of this capital item from the list. A payer who is not on the list",
    "can be added with the <T1>Add Payer<.> button.",
    "<s1><X10>Enter the first day of the period this capital item covers. If the period began",
    "before 1 July <V99998>, enter 01/07/<V99998>.",
    "<s2><X10>Enter the last day of the period this capital item covers. If the period ends",
    "after 30 June <V99999>, enter 30/06/<V99999>.",
    "<s3><X10>Enter the value of the capital item in whole dollars, without cents.",
    "<s4><X10>Enter the percentage of the capital item's value that was allocated to this",
    "individual.",
};

}  // namespace

TQFTB_19a::TQFTB_19a(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    BuildMaintenanceTable(
        *this,
        {.nameCaption = "Capitalised spousal maintenance received by SName",
         .heading = kHeading,
         .columns = {"Payer|2|0|100|0|F|T|0||||10|1|11|1|2|3|4|5|6|7|8|9|10|1|",
                     "Start Date of Period Covered\rby this Capital Item|2|2|10||F|F||-1|0|",
                     "End Date of Period Covered\rby this Capital Item |2|2|10||F|F||-1|0|",
                     "Value of Capital\rItem Received|2|1|10|0|F|F|2|F||||-1|0|F|",
                     "% Allocated for this Individual|2|1|30|0|F|F|0|F|0|100||-1|0|F|"},
         .colWidths = {120, 130, 130, 100, 110},
         .claimantField = kClaimantCapitalisedField,
         .spouseField = kSpouseCapitalisedField,
         .hint = kHint,
         .hintLines = 2});
}

void TQFTB_19a::FormCreate() { OpenCurrentSpouse(*this); }

void TQFTB_19a::FormShow(QObject* /*Sender*/) {
    RegisterLeaveCheck(*this, [this] {
        if (Frame().BackwardMove()) return;
        Run().ScreenValid = RowsComplete(*this) && PeriodsInOrder(*this);
    });
    ShowHintSection(*this, 0);
}

}  // namespace ftb::screens
