#include "screens/QNFTB_18.h"

#include "interview/Intrview.h"
#include "screens/DependantMaintenance.h"
#include "screens/DependantScreens.h"
#include "screens/HintSections.h"
#include "screens/MaintenanceTable.h"
#include "screens/ScreenFlow.h"

namespace ftb::screens {

namespace {

constexpr int kStartColumn = 2;

const std::vector<std::string> kHeading = {
    "<S10;T1>If you, your spouse or the dependant listed has received capitalised maintenance in",
    "lieu of maintenance for this dependant enter the details below.<.>",
};

const std::vector<std::string> kHint = {
    "<s0><X10>Choose who received this capital item. If it was paid to the dependant, choose",
    "either natural or adoptive parent.",
    "<s1><X10>Choose the payer of this capital item from the list. A payer who is not on the list",
    "can be added with the <T1>Add Payer<.> button.",
    "<s2><X10>Enter the first day of the period this capital item covers.",
    "",
    "<s3><X10>Enter the last day of the period this capital item covers.",
    "",
    "<s4><X10>Enter the value of the capital item in whole dollars, without cents.",
    "",
    "<s5><X10>Enter the percentage of the capital item's value allocated to this dependant; enter",
    "100 when all of it was.",
};

}  // namespace

TQFTB_18::TQFTB_18(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    BuildMaintenanceTable(
        *this,
        {.label = "Capitalised maintenance for " + CurrentDependantName(context.Store),
         .heading = kHeading,
         .columns = {PlaceholderColumn("Recipient|2|0|150|0|F|T|0||||10|1|729|", 729),
                     PlaceholderColumn("Payer|2|0|100|0|F|T|0||||10|1|461|", 461),
                     "Start Date of Period Covered\rby this Capital Item|2|2|10||F|F||-1|0|",
                     "End Date of Period Covered\rby this Capital Item |2|2|10||F|F||-1|0|",
                     "Value of Capital\rItem Received|2|1|12|0|F|F|2|F|0|||-1|0|F|",
                     "% Allocated for this Dependant|2|1|30|0|F|F|0|F|0|100||-1|0|F|"},
         .colWidths = {80, 80, 125, 125, 100, 80},
         .field = kDependantCapitalisedField,
         .payerColumn = 1,
         .recipientColumn = 0,
         .hint = kHint,
         .hintLines = 2});
}

void TQFTB_18::FormCreate() { OpenCurrentDependant(*this); }

void TQFTB_18::FormShow(QObject* /*Sender*/) {
    RegisterLeaveCheck(*this, [this] {
        if (Frame().BackwardMove()) return;
        Run().ScreenValid = RowsComplete(*this) && PeriodsInOrder(*this, kStartColumn);
    });
    ShowHintSection(*this, 0);
}

}  // namespace ftb::screens
