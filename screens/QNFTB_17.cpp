#include "screens/QNFTB_17.h"

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
    "<S10;T1>If you, your spouse or the dependant listed has received <C12;J582>non-capitalised "
    "maintenance <.;T1> for",
    "this dependant enter the details below.",
};

const std::vector<std::string> kHint = {
    "<s0><X10>Choose who received this maintenance: you or a spouse, or, when it was paid to the",
    "dependant, either natural or adoptive parent.",
    "<s1><X10>Choose the payer of this maintenance from the list. A payer who is not on the list",
    "can be added with the <T1>Add Payer<.> button.",
    "<s2><X10>Enter the first day of the period. If the period began before 1 July <V99998>, enter",
    "01/07/<V99998>.",
    "<s3><X10>Enter the last day of the period; after 30 June <V99999> enter 30/06/<V99999>. See also",
    "<C12;J587>gaps in maintenance<.> between voluntary maintenance and a maintenance liability.",
    "<s4><X10>Enter the maintenance received in this period in whole dollars, without cents.",
    "",
};

}  // namespace

TQFTB_17::TQFTB_17(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    BuildMaintenanceTable(
        *this,
        {.label = "Non-capitalised maintenance received for " +
                  CurrentDependantName(context.Store),
         .heading = kHeading,
         .columns = {PlaceholderColumn("Recipient|2|0|150|0|F|T|0||||10|1|50|", 50),
                     PlaceholderColumn("Payer|2|0|100|0|F|T|0||||10|1|140|", 140),
                     "Start\rDate|2|2|10||F|F||-1|0|", "End\rDate|2|2|10||F|F||-1|0|",
                     "Maintenance\rReceived|2|1|12|0|F|F|2|F|0|||-1|0|F|"},
         .colWidths = {140, 140, 90, 90, 110},
         .titleLines = 2,
         .field = kDependantNonCapitalisedField,
         .payerColumn = 1,
         .recipientColumn = 0,
         .hint = kHint,
         .hintLines = 2});
}

void TQFTB_17::FormCreate() { OpenCurrentDependant(*this); }

void TQFTB_17::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
    ShowHintSection(*this, 0);
}

bool TQFTB_17::TableIsSound() const {
    return RowsComplete(*this) && PeriodsInOrder(*this, kStartColumn);
}

// The table is checked before the dependant is marked done, so that a refused move leaves the
// dependant pending; the leave check then keeps this verdict without asking again.
void TQFTB_17::ChildFormYesNoClick(QObject* Sender) {
    if (!TableIsSound()) {
        Run().ScreenValid = false;
        return;
    }
    FinishCurrentDependant(*this, Sender);
}

void TQFTB_17::ChildFormClose() {
    if (Frame().BackwardMove() || !Run().ScreenValid) return;
    Run().ScreenValid = TableIsSound();
}

}  // namespace ftb::screens
